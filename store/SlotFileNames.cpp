#include "store/SlotFileNames.h"

#include "LibMac/Utility/ZelString.h"

#include <cctype>
#include <cstdio>

namespace Bris {

namespace {

constexpr std::string::size_type kMaxSlotBaseNameBytes = 16;

bool IsDigit(char c) {
  return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

std::string BaseNameOf(const std::string& path) {
  const auto slash = path.rfind('/');
  std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
  const auto dot = base.rfind('.');
  return dot == std::string::npos ? base : base.substr(0, dot);
}

} // namespace

std::string IndexString(int number) {
  char text[16];
  std::snprintf(text, sizeof text, "%03d ", number);
  return text;
}

bool IsSlotFileBaseName(const std::string& baseName) {
  return baseName.size() >= 4 && baseName.size() <= kMaxSlotBaseNameBytes && IsDigit(baseName[0]) &&
         IsDigit(baseName[1]) && IsDigit(baseName[2]) && baseName[3] == ' ';
}

std::vector<std::string> AssignFilesToSlots(std::list<std::string> paths, std::size_t slotCount,
                                            std::vector<std::string>& useless) {
  for (auto& path : paths) {
    // A bare name without a folder is taken as it is; its number decides below.
    if (path.find('/') != std::string::npos && !IsSlotFileBaseName(BaseNameOf(path))) {
      useless.push_back(path);
      path.clear();
    }
  }
  paths.remove(std::string());
  paths.sort(); // byte order, so by slot number

  std::vector<std::string> slots(slotCount);
  auto next = paths.begin();
  for (std::size_t slotNumber = 1; slotNumber <= slotCount; ++slotNumber) {
    // A number below the slot is a second file for a slot already looked at, or number 0.
    while (next != paths.end() && GetFileIndex(*next) < static_cast<long>(slotNumber)) {
      useless.push_back(*next++);
    }
    if (next != paths.end() && GetFileIndex(*next) == static_cast<long>(slotNumber)) {
      slots[slotNumber - 1] = *next++;
    }
  }
  // Left over: files numbered beyond the last slot (not ours to judge), and second files of the
  // last slot, which are as useless as those of any other slot.
  for (; next != paths.end(); ++next) {
    if (GetFileIndex(*next) <= static_cast<long>(slotCount)) {
      useless.push_back(*next);
    }
  }
  return slots;
}

} // namespace Bris
