#pragma once

#include "formats/PrmTbl.h"

// Where a parameter-table entry's field lies in its packed block, read straight from the entry
// so that tests need not go through the routines they check.
namespace BrisTest {

inline int FirstBit(const Bris::PrmEntry& entry) {
  return entry.byteOffset * 8 + entry.bitPos;
}

inline int Width(const Bris::PrmEntry& entry) {
  return entry.width < 0 ? -entry.width : entry.width;
}

// A member of a group is stored only through the group's terminator.
inline bool IsMember(const Bris::PrmEntry& entry) {
  return entry.width < 0 && entry.width > -8;
}

} // namespace BrisTest
