#pragma once

#include <cstdint>

namespace Bris {

// One field of a packed parameter block. A negative width marks a group: widths -1..-7 are
// members (one piece of a wide value each), -8 and below the terminator that addresses the
// whole packed field. Raw values are what the packed bits hold; displayed = raw - offset.
struct PrmEntry {
  std::uint16_t byteOffset; // first byte of the field, from the start of the block
  std::int8_t width;        // bits; negative inside a group
  std::uint8_t bitPos;      // first (most significant) bit inside the first byte, 0 = MSB
  std::uint16_t offset;
  std::uint16_t init; // default raw value
  std::uint16_t min;  // min == max: no range check
  std::uint16_t max;
};

static_assert(sizeof(PrmEntry) == 12, "parameter table entries are 12-byte records");

} // namespace Bris
