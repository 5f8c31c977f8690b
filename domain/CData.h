#pragma once

#include "domain/CByteBlock.h"

#include <cstddef>

namespace Bris {

// One unpacked parameter block of the instrument: one byte per parameter.
class CData {
public:
  CData() = default;
  virtual ~CData() = default;

  // Puts the block back to its default bytes; a plain block has none.
  virtual void Initialize() {}

  // Replaces the block with length bytes, at most CByteBlock::kCapacity (a negative length or
  // null bytes give an empty block).
  void SetData(const unsigned char* bytes, int length);

  CByteBlock mData;

protected:
  // Byte access that never reaches past the block: reads give 0, writes are dropped.
  int GetByte(std::size_t index) const { return index < mData.size() ? mData[index] : 0; }
  void SetByte(std::size_t index, int value) {
    if (index < mData.size()) {
      mData[index] = static_cast<unsigned char>(value);
    }
  }
};

} // namespace Bris
