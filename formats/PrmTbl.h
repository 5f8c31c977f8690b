#pragma once

#include "formats/PrmEntry.h"

namespace Bris {

// The two parameter tables the librarian needs: the fields of a patch's tone block and of a tone's
// oscillator block. Exclusive data holds one byte per entry, in table order.

inline constexpr int kPatchTonePrmCount = 56;  // entries, = bytes of a CPatchTone
inline constexpr int kPatchToneBlockSize = 16; // packed bytes of a tone block in a patch file
inline constexpr int kOscPrmCount = 121;       // entries, = bytes of a COsc
inline constexpr int kOscBlockSize = 78;       // packed bytes of an oscillator block in a tone file

// Groups of the oscillator table: the wave number of each section (three members and a 16-bit
// terminator), and a 32-bit value per section (seven members and a 32-bit terminator).
inline constexpr int kOscWaveNumberGroupFirst[2] = {40, 92};
inline constexpr int kOscWaveNumberGroupSize = 4;
inline constexpr int kOscLongValueGroupFirst[2] = {44, 96};
inline constexpr int kOscLongValueGroupSize = 8;

extern const PrmEntry kPatchTonePrmTbl[kPatchTonePrmCount];
extern const PrmEntry kOscPrmTbl[kOscPrmCount];

} // namespace Bris
