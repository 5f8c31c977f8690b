#pragma once

#include "domain/CParameter.h"

#include <array>
#include <string>

namespace Bris {

// One used slot of a project folder as the library index keeps it.
struct SIndexedSlot {
  std::string projectPath; // the project folder, ending in ".prj/"
  CParameter::EDataType kind = CParameter::kPatch;
  int slotNumber = 0; // 1-based
  std::string name;
  std::array<std::string, CParameter::kMemoLineCount> memos;

  bool operator==(const SIndexedSlot&) const = default;
};

} // namespace Bris
