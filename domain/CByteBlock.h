#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <vector>

namespace Bris {

// The bytes of one parameter block, held inside the record instead of on the heap: a tone owns
// sixteen oscillator blocks, and a vector each cost sixteen allocations per tone on every read,
// copy and undo snapshot. It behaves like the vector it replaces, up to the largest block (the
// 121 bytes of an oscillator); bytes beyond that are not kept.
class CByteBlock {
public:
  static constexpr std::size_t kCapacity = 121;

  using value_type = unsigned char;
  using size_type = std::size_t;
  using iterator = unsigned char*;
  using const_iterator = const unsigned char*;

  CByteBlock() = default;

  std::size_t size() const { return mSize; }
  bool empty() const { return mSize == 0; }
  unsigned char* data() { return mBytes.data(); }
  const unsigned char* data() const { return mBytes.data(); }
  unsigned char& operator[](std::size_t index) { return mBytes[index]; }
  const unsigned char& operator[](std::size_t index) const { return mBytes[index]; }
  iterator begin() { return mBytes.data(); }
  iterator end() { return mBytes.data() + mSize; }
  const_iterator begin() const { return mBytes.data(); }
  const_iterator end() const { return mBytes.data() + mSize; }

  void clear() { mSize = 0; }
  // New bytes (up to the capacity) take value.
  void resize(std::size_t size, unsigned char value = 0) {
    const std::size_t kept = std::min(size, kCapacity);
    if (kept > mSize) {
      std::fill(mBytes.begin() + static_cast<std::ptrdiff_t>(mSize),
                mBytes.begin() + static_cast<std::ptrdiff_t>(kept), value);
    }
    mSize = kept;
  }
  void assign(const unsigned char* first, const unsigned char* last) {
    mSize = std::min(static_cast<std::size_t>(last - first), kCapacity);
    std::copy(first, first + mSize, mBytes.begin());
  }

  bool operator==(const CByteBlock& other) const {
    return std::equal(begin(), end(), other.begin(), other.end());
  }
  bool operator==(const std::vector<unsigned char>& bytes) const {
    return std::equal(begin(), end(), bytes.begin(), bytes.end());
  }

private:
  std::array<unsigned char, kCapacity> mBytes{};
  std::size_t mSize = 0;
};

} // namespace Bris
