#pragma once

#include <cstdint>
#include <vector>

// A deliberately naive bit-by-bit model of a packed block (bit 0 = most significant bit of byte
// 0), used to check the table-driven routines against something written a different way.
namespace BrisTest {

inline bool GetBit(const std::vector<unsigned char>& block, int bit) {
  return (block[static_cast<std::size_t>(bit / 8)] >> (7 - bit % 8)) & 1;
}

inline void SetBit(std::vector<unsigned char>& block, int bit, bool on) {
  unsigned char& byte = block[static_cast<std::size_t>(bit / 8)];
  const auto mask = static_cast<unsigned char>(1u << (7 - bit % 8));
  byte = static_cast<unsigned char>(on ? (byte | mask) : (byte & ~mask));
}

inline std::uint32_t GetBits(const std::vector<unsigned char>& block, int firstBit, int width) {
  std::uint32_t value = 0;
  for (int i = 0; i < width; ++i) {
    value = (value << 1) | (GetBit(block, firstBit + i) ? 1u : 0u);
  }
  return value;
}

inline void SetBits(std::vector<unsigned char>& block, int firstBit, int width,
                    std::uint32_t value) {
  for (int i = 0; i < width; ++i) {
    SetBit(block, firstBit + i, (value >> (width - 1 - i)) & 1u);
  }
}

} // namespace BrisTest
