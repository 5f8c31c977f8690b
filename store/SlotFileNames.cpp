#include "store/SlotFileNames.h"

#include "LibMac/Utility/ZelString.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string_view>

namespace Bris {

namespace {

constexpr std::string::size_type kMaxSlotBaseNameBytes = 16;

bool IsDigit(char c) {
  return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

std::string_view BaseNameOf(std::string_view path) {
  const auto slash = path.rfind('/');
  if (slash != std::string_view::npos) {
    path.remove_prefix(slash + 1);
  }
  return path.substr(0, path.rfind('.'));
}

// Sorts paths in byte order. A listing's paths share their folder, so they are compared from the
// end of that folder on: the same order, without going over the folder's bytes at every step.
void SortInByteOrder(std::vector<std::string>& paths) {
  std::size_t shared = 0;
  if (!paths.empty()) {
    const std::string_view first = paths.front();
    const auto slash = first.rfind('/');
    shared = slash == std::string_view::npos ? 0 : slash + 1;
    for (const std::string& path : paths) {
      if (std::string_view(path).substr(0, shared) != first.substr(0, shared)) {
        shared = 0;
        break;
      }
    }
  }
  std::sort(paths.begin(), paths.end(), [shared](const std::string& a, const std::string& b) {
    return std::string_view(a).substr(shared) < std::string_view(b).substr(shared);
  });
}

} // namespace

std::string IndexString(int number) {
  char text[16];
  std::snprintf(text, sizeof text, "%03d ", number);
  return text;
}

bool IsSlotFileBaseName(std::string_view baseName) {
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
  SortInByteOrder(candidates); // byte order, so by slot number
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
