#pragma once

#include "domain/CByteBlock.h"

#include <vector>

// Whole-block conversion of the two packed blocks the librarian touches, between their packed
// form in the files and their exclusive data in CPatchTone / COsc.
namespace Bris {

// Tone block of a patch file: 16 packed bytes <-> 56 bytes of exclusive data.
// Unpack returns true when all 56 entries were converted.
bool UnpackToneBlock(const unsigned char* packed, unsigned char* exclusive);
bool UnpackToneBlock(const unsigned char* packed, std::vector<unsigned char>& exclusive);
bool UnpackToneBlock(const unsigned char* packed, CByteBlock& exclusive);

// Pack rewrites all 16 bytes: the block is cleared first, so bits no field covers are 0, and
// values that do not fit their field are stored as the field's init. Bytes shorter than 56
// bytes packs nothing and answers false.
bool PackToneBlock(unsigned char* packed, const unsigned char* exclusive);
bool PackToneBlock(unsigned char* packed, const std::vector<unsigned char>& exclusive);
bool PackToneBlock(unsigned char* packed, const CByteBlock& exclusive);

// Oscillator block of a tone file: 78 packed bytes <-> 121 bytes of exclusive data, as above.
bool UnpackOscBlock(const unsigned char* packed, unsigned char* exclusive);
bool UnpackOscBlock(const unsigned char* packed, std::vector<unsigned char>& exclusive);
bool UnpackOscBlock(const unsigned char* packed, CByteBlock& exclusive);
bool PackOscBlock(unsigned char* packed, const unsigned char* exclusive);
bool PackOscBlock(unsigned char* packed, const std::vector<unsigned char>& exclusive);
bool PackOscBlock(unsigned char* packed, const CByteBlock& exclusive);

} // namespace Bris
