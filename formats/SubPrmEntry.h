#pragma once

#include <cstdint>

namespace Bris {

// Narrows one parameter table entry to a smaller range of displayed values.
struct SubPrmEntry {
  std::uint8_t index; // entry of the parameter table this record narrows
  std::uint8_t pad;
  std::int16_t init;
  std::int16_t min;
  std::int16_t max;
};

static_assert(sizeof(SubPrmEntry) == 8, "sub-parameter records are 8-byte records");

} // namespace Bris
