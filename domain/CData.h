#pragma once

#include <cstddef>
#include <vector>

namespace Bris {

// One unpacked parameter block of the instrument: one byte per parameter.
class CData {
public:
  CData() = default;
  virtual ~CData() = default;

  // Puts the block back to its default bytes; a plain block has none.
  virtual void Initialize() {}

  // Replaces the block with length bytes (a negative length or null bytes give an empty block).
  void SetData(const unsigned char* bytes, int length);

  std::vector<unsigned char> mData;

protected:
  // Byte access that never reaches past the block: reads give 0, writes are dropped.
  int GetByte(std::size_t index) const;
  void SetByte(std::size_t index, int value);
};

} // namespace Bris
