#include "formats/PackedBlocks.h"

#include "formats/OndoLib.h"
#include "formats/PrmTbl.h"

#include <cstring>

namespace Bris {

namespace {

bool Unpack(const unsigned char* packed, const PrmEntry* table, int entryCount,
            unsigned char* exclusive) {
  return OndoLibReadExcData(packed, table, exclusive, entryCount) == entryCount;
}

bool Pack(unsigned char* packed, int blockSize, const PrmEntry* table, int entryCount,
          const unsigned char* exclusive) {
  std::memset(packed, 0, static_cast<std::size_t>(blockSize));
  return OndoLibWriteExcData(packed, table, exclusive, entryCount) == entryCount;
}

} // namespace

bool UnpackToneBlock(const unsigned char* packed, unsigned char* exclusive) {
  return Unpack(packed, kPatchTonePrmTbl, kPatchTonePrmCount, exclusive);
}

bool UnpackToneBlock(const unsigned char* packed, std::vector<unsigned char>& exclusive) {
  exclusive.resize(kPatchTonePrmCount);
  return UnpackToneBlock(packed, exclusive.data());
}

bool PackToneBlock(unsigned char* packed, const unsigned char* exclusive) {
  return Pack(packed, kPatchToneBlockSize, kPatchTonePrmTbl, kPatchTonePrmCount, exclusive);
}

bool PackToneBlock(unsigned char* packed, const std::vector<unsigned char>& exclusive) {
  if (exclusive.size() < static_cast<std::size_t>(kPatchTonePrmCount)) {
    return false;
  }
  return PackToneBlock(packed, exclusive.data());
}

bool UnpackOscBlock(const unsigned char* packed, unsigned char* exclusive) {
  return Unpack(packed, kOscPrmTbl, kOscPrmCount, exclusive);
}

bool UnpackOscBlock(const unsigned char* packed, std::vector<unsigned char>& exclusive) {
  exclusive.resize(kOscPrmCount);
  return UnpackOscBlock(packed, exclusive.data());
}

bool PackOscBlock(unsigned char* packed, const unsigned char* exclusive) {
  return Pack(packed, kOscBlockSize, kOscPrmTbl, kOscPrmCount, exclusive);
}

bool PackOscBlock(unsigned char* packed, const std::vector<unsigned char>& exclusive) {
  if (exclusive.size() < static_cast<std::size_t>(kOscPrmCount)) {
    return false;
  }
  return PackOscBlock(packed, exclusive.data());
}

} // namespace Bris
