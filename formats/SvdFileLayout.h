#pragma once

#include "formats/PrmTbl.h"

#include <cstddef>

// Byte layout of the instrument's patch (".d00") and tone (".p00") files. Multi-byte values are
// big-endian. Only the 30-byte signature and the blocks that carry references are interpreted:
//   patch: bytes 0..29 signature, 138..169 the two 16-byte tone blocks;
//   tone:  bytes 0..29 signature, 262..1509 the sixteen 78-byte oscillator blocks.
// Every other byte belongs to the instrument and is carried unchanged.
namespace Bris::SvdFileLayout {

inline constexpr std::size_t kSignatureSize = 30;

// 0x001E, "SVD0", ten zero bytes, the chunk identifier, 0x00000020, 0x0000.
inline constexpr unsigned char kPatchSignature[kSignatureSize] = {
    0x00, 0x1E, 'S', 'V', 'D', '0', 0,   0,   0,   0,    0,    0,    0,    0,    0,
    0,    'P',  'R', 'F', 'a', 'Q', 'I', 'R', 'N', 0x00, 0x00, 0x00, 0x20, 0x00, 0x00};
inline constexpr unsigned char kToneSignature[kSignatureSize] = {
    0x00, 0x1E, 'S', 'V', 'D', '0', 0,   0,   0,   0,    0,    0,    0,    0,    0,
    0,    'P',  'A', 'T', 'a', 'Q', 'I', 'R', 'N', 0x00, 0x00, 0x00, 0x20, 0x00, 0x00};

inline constexpr std::size_t kPatchToneBlockCount = 2;
inline constexpr std::size_t kPatchToneBlocksOffset = 138;
inline constexpr std::size_t kPatchToneBlocksSize =
    kPatchToneBlockCount * static_cast<std::size_t>(kPatchToneBlockSize); // 32
// The bytes a reader needs: the file may be longer, never shorter.
inline constexpr std::size_t kPatchMinimumSize = kPatchToneBlocksOffset + kPatchToneBlocksSize;

inline constexpr std::size_t kOscBlockCount = 16;
inline constexpr std::size_t kToneOscBlocksOffset = 262;
inline constexpr std::size_t kToneOscBlocksSize =
    kOscBlockCount * static_cast<std::size_t>(kOscBlockSize); // 1248
inline constexpr std::size_t kToneMinimumSize = kToneOscBlocksOffset + kToneOscBlocksSize;

static_assert(kPatchMinimumSize == 170 && kToneMinimumSize == 1510);

} // namespace Bris::SvdFileLayout
