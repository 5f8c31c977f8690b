#include "store/SlotFileNames.h"

#include "LibMac/Utility/ZelString.h"

#include <algorithm>
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
  // The paths are ours (taken by value): they are moved to where they end up, never copied.
  std::vector<std::string> candidates;
  candidates.reserve(paths.size());
  for (auto& path : paths) {
    // A bare name without a folder is taken as it is; its number decides below.
    if (path.find('/') != std::string::npos && !IsSlotFileBaseName(BaseNameOf(path))) {
      useless.push_back(std::move(path));
    } else if (!path.empty()) {
      candidates.push_back(std::move(path));
    }
  }
  std::sort(candidates.begin(), candidates.end()); // byte order, so by slot number
  std::vector<long> numbers;
  numbers.reserve(candidates.size());
  for (const auto& path : candidates) {
    numbers.push_back(GetFileIndex(path));
  }

  std::vector<std::string> slots(slotCount);
  std::size_t next = 0;
  for (std::size_t slotNumber = 1; slotNumber <= slotCount; ++slotNumber) {
    // A number below the slot is a second file for a slot already looked at, or number 0.
    while (next < candidates.size() && numbers[next] < static_cast<long>(slotNumber)) {
      useless.push_back(std::move(candidates[next++]));
    }
    if (next < candidates.size() && numbers[next] == static_cast<long>(slotNumber)) {
      slots[slotNumber - 1] = std::move(candidates[next++]);
    }
  }
  // Left over: files numbered beyond the last slot (not ours to judge), and second files of the
  // last slot, which are as useless as those of any other slot.
  for (; next < candidates.size(); ++next) {
    if (numbers[next] <= static_cast<long>(slotCount)) {
      useless.push_back(std::move(candidates[next]));
    }
  }
  return slots;
}

} // namespace Bris
