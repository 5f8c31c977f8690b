#pragma once

#include "formats/PrmEntry.h"

#include <cstdint>

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

// A table row written with the absolute bit position of the field in the block, as the layout is
// usually quoted; byte offset and bit position inside the byte follow from it.
constexpr PrmEntry PrmAt(int bit, int width, int offset, int init, int min, int max) {
  return PrmEntry{static_cast<std::uint16_t>(bit / 8), static_cast<std::int8_t>(width),
                  static_cast<std::uint8_t>(bit % 8),  static_cast<std::uint16_t>(offset),
                  static_cast<std::uint16_t>(init),    static_cast<std::uint16_t>(min),
                  static_cast<std::uint16_t>(max)};
}

// The tables are constant expressions, so that the block routines can resolve every field's
// position while compiling.

// Tone block of a patch: 0 tone switch, 1 tone marker (87 = tone assigned), 2/3 high and low seven
// bits of (tone number - 1); the rest is carried through. 122 bits; the last 6 bits are unused.
inline constexpr PrmEntry kPatchTonePrmTbl[kPatchTonePrmCount] = {
    // bit, width, offset, init, min, max
    PrmAt(0, 1, 0, 0, 0, 1),      // 0
    PrmAt(1, 7, 0, 87, 0, 127),   // 1
    PrmAt(8, 7, 0, 0, 0, 127),    // 2
    PrmAt(15, 7, 0, 0, 0, 127),   // 3
    PrmAt(22, 7, 0, 127, 0, 127), // 4
    PrmAt(29, 7, 0, 64, 0, 127),  // 5
    PrmAt(36, 7, 0, 0, 0, 127),   // 6
    PrmAt(43, 7, 0, 127, 0, 127), // 7
    PrmAt(50, 7, 0, 0, 0, 127),   // 8
    PrmAt(57, 7, 0, 0, 0, 127),   // 9
    PrmAt(64, 7, 0, 0, 0, 127),   // 10
    PrmAt(71, 7, 0, 0, 0, 127),   // 11
    PrmAt(78, 1, 0, 1, 0, 1),     // 12
    PrmAt(79, 1, 0, 1, 0, 1),     // 13
    PrmAt(80, 1, 0, 1, 0, 1),     // 14
    PrmAt(81, 1, 0, 1, 0, 1),     // 15
    PrmAt(82, 1, 0, 1, 0, 1),     // 16
    PrmAt(83, 1, 0, 1, 0, 1),     // 17
    PrmAt(84, 1, 0, 1, 0, 1),     // 18
    PrmAt(85, 1, 0, 1, 0, 1),     // 19
    PrmAt(86, 1, 0, 1, 0, 1),     // 20
    PrmAt(87, 1, 0, 1, 0, 1),     // 21
    PrmAt(88, 1, 0, 1, 0, 1),     // 22
    PrmAt(89, 1, 0, 1, 0, 1),     // 23
    PrmAt(90, 1, 0, 1, 0, 1),     // 24
    PrmAt(91, 1, 0, 1, 0, 1),     // 25
    PrmAt(92, 1, 0, 1, 0, 1),     // 26
    PrmAt(93, 1, 0, 1, 0, 1),     // 27
    PrmAt(94, 1, 0, 1, 0, 1),     // 28
    PrmAt(95, 1, 0, 1, 0, 1),     // 29
    PrmAt(96, 1, 0, 1, 0, 1),     // 30
    PrmAt(97, 1, 0, 1, 0, 1),     // 31
    PrmAt(98, 1, 0, 1, 0, 1),     // 32
    PrmAt(99, 1, 0, 1, 0, 1),     // 33
    PrmAt(100, 1, 0, 1, 0, 1),    // 34
    PrmAt(101, 1, 0, 1, 0, 1),    // 35
    PrmAt(102, 1, 0, 1, 0, 1),    // 36
    PrmAt(103, 1, 0, 1, 0, 1),    // 37
    PrmAt(104, 1, 0, 1, 0, 1),    // 38
    PrmAt(105, 1, 0, 1, 0, 1),    // 39
    PrmAt(106, 1, 0, 1, 0, 1),    // 40
    PrmAt(107, 1, 0, 1, 0, 1),    // 41
    PrmAt(108, 1, 0, 1, 0, 1),    // 42
    PrmAt(109, 1, 0, 1, 0, 1),    // 43
    PrmAt(110, 1, 0, 1, 0, 1),    // 44
    PrmAt(111, 1, 0, 1, 0, 1),    // 45
    PrmAt(112, 1, 0, 1, 0, 1),    // 46
    PrmAt(113, 1, 0, 1, 0, 1),    // 47
    PrmAt(114, 1, 0, 1, 0, 1),    // 48
    PrmAt(115, 1, 0, 1, 0, 1),    // 49
    PrmAt(116, 1, 0, 1, 0, 1),    // 50
    PrmAt(117, 1, 0, 1, 0, 1),    // 51
    PrmAt(118, 1, 0, 1, 0, 1),    // 52
    PrmAt(119, 1, 0, 1, 0, 1),    // 53
    PrmAt(120, 1, 0, 1, 0, 1),    // 54
    PrmAt(121, 1, 0, 1, 0, 1),    // 55
};

// Oscillator block of a tone: 0..16 common, 17..68 section 0, 69..120 section 1 (laid out alike).
// 40..43 / 92..95: wave number of section 0 / 1; 44..51 / 96..103: a byte-aligned 32-bit value.
inline constexpr PrmEntry kOscPrmTbl[kOscPrmCount] = {
    // bit, width, offset, init, min, max
    PrmAt(0, 2, 0, 0, 0, 3),        // 0
    PrmAt(2, 1, 0, 0, 0, 1),        // 1
    PrmAt(3, 3, 0, 0, 0, 4),        // 2
    PrmAt(6, 7, 0, 127, 0, 127),    // 3
    PrmAt(13, 7, 0, 0, 0, 127),     // 4
    PrmAt(20, 7, 0, 0, 0, 127),     // 5
    PrmAt(27, 1, 0, 0, 0, 1),       // 6
    PrmAt(28, 7, 0, 127, 0, 127),   // 7
    PrmAt(35, 6, 32, 32, 12, 52),   // 8
    PrmAt(41, 7, 64, 64, 1, 127),   // 9
    PrmAt(48, 7, 0, 64, 0, 127),    // 10
    PrmAt(55, 6, 32, 32, 12, 52),   // 11
    PrmAt(61, 7, 64, 64, 1, 127),   // 12
    PrmAt(68, 7, 0, 127, 0, 127),   // 13
    PrmAt(75, 7, 0, 0, 0, 127),     // 14
    PrmAt(82, 7, 0, 0, 0, 127),     // 15
    PrmAt(89, 2, 0, 0, 0, 2),       // 16
    PrmAt(91, 1, 0, 0, 0, 1),       // 17
    PrmAt(92, 2, 0, 0, 0, 2),       // 18
    PrmAt(94, 5, 16, 16, 4, 28),    // 19
    PrmAt(99, 7, 64, 64, 1, 127),   // 20
    PrmAt(106, 6, 32, 42, 12, 52),  // 21
    PrmAt(112, 7, 64, 64, 1, 127),  // 22
    PrmAt(119, 7, 64, 64, 1, 127),  // 23
    PrmAt(126, 7, 64, 64, 16, 112), // 24
    PrmAt(133, 7, 64, 64, 14, 114), // 25
    PrmAt(140, 5, 0, 0, 0, 30),     // 26
    PrmAt(145, 7, 0, 127, 0, 127),  // 27
    PrmAt(152, 6, 32, 32, 12, 52),  // 28
    PrmAt(158, 7, 64, 64, 1, 127),  // 29
    PrmAt(165, 4, 0, 0, 0, 13),     // 30
    PrmAt(169, 6, 0, 10, 0, 40),    // 31
    PrmAt(175, 7, 64, 64, 1, 127),  // 32
    PrmAt(182, 6, 32, 32, 12, 52),  // 33
    PrmAt(188, 7, 64, 64, 1, 127),  // 34
    PrmAt(195, 7, 64, 64, 1, 127),  // 35
    PrmAt(202, 7, 0, 0, 0, 127),    // 36
    PrmAt(209, 6, 32, 32, 12, 52),  // 37
    PrmAt(215, 7, 64, 64, 1, 127),  // 38
    PrmAt(222, 7, 64, 64, 1, 127),  // 39
    PrmAt(229, -4, 0, 0, 0, 0),     // 40
    PrmAt(233, -4, 0, 0, 0, 0),     // 41
    PrmAt(237, -4, 0, 0, 0, 0),     // 42
    PrmAt(229, -16, 0, 1, 0, 999),  // 43
    PrmAt(248, -4, 0, 0, 0, 0),     // 44
    PrmAt(252, -4, 0, 0, 0, 0),     // 45
    PrmAt(256, -4, 0, 0, 0, 0),     // 46
    PrmAt(260, -4, 0, 0, 0, 0),     // 47
    PrmAt(264, -4, 0, 0, 0, 0),     // 48
    PrmAt(268, -4, 0, 0, 0, 0),     // 49
    PrmAt(272, -4, 0, 0, 0, 0),     // 50
    PrmAt(248, -32, 0, 0, 0, 0),    // 51
    PrmAt(280, 7, 64, 64, 1, 127),  // 52
    PrmAt(287, 6, 32, 32, 12, 52),  // 53
    PrmAt(293, 7, 64, 64, 1, 127),  // 54
    PrmAt(300, 7, 64, 64, 1, 127),  // 55
    PrmAt(307, 2, 0, 2, 0, 2),      // 56
    PrmAt(309, 7, 64, 64, 1, 127),  // 57
    PrmAt(316, 6, 32, 32, 12, 52),  // 58
    PrmAt(322, 7, 64, 64, 1, 127),  // 59
    PrmAt(329, 7, 64, 64, 1, 127),  // 60
    PrmAt(336, 1, 0, 0, 0, 1),      // 61
    PrmAt(337, 1, 0, 0, 0, 1),      // 62
    PrmAt(338, 2, 0, 0, 0, 3),      // 63
    PrmAt(340, 1, 0, 0, 0, 1),      // 64
    PrmAt(341, 1, 0, 1, 0, 1),      // 65
    PrmAt(342, 7, 0, 1, 0, 127),    // 66
    PrmAt(349, 1, 0, 1, 0, 1),      // 67
    PrmAt(350, 1, 0, 1, 0, 1),      // 68
    PrmAt(351, 1, 0, 0, 0, 1),      // 69
    PrmAt(352, 2, 0, 0, 0, 2),      // 70
    PrmAt(354, 5, 16, 16, 4, 28),   // 71
    PrmAt(359, 7, 64, 64, 1, 127),  // 72
    PrmAt(366, 6, 32, 42, 12, 52),  // 73
    PrmAt(372, 7, 64, 64, 1, 127),  // 74
    PrmAt(379, 7, 64, 64, 1, 127),  // 75
    PrmAt(386, 7, 64, 64, 16, 112), // 76
    PrmAt(393, 7, 64, 64, 14, 114), // 77
    PrmAt(400, 5, 0, 0, 0, 30),     // 78
    PrmAt(405, 7, 0, 127, 0, 127),  // 79
    PrmAt(412, 6, 32, 32, 12, 52),  // 80
    PrmAt(418, 7, 64, 64, 1, 127),  // 81
    PrmAt(425, 4, 0, 0, 0, 13),     // 82
    PrmAt(429, 6, 0, 10, 0, 40),    // 83
    PrmAt(435, 7, 64, 64, 1, 127),  // 84
    PrmAt(442, 6, 32, 32, 12, 52),  // 85
    PrmAt(448, 7, 64, 64, 1, 127),  // 86
    PrmAt(455, 7, 64, 64, 1, 127),  // 87
    PrmAt(462, 7, 0, 0, 0, 127),    // 88
    PrmAt(469, 6, 32, 32, 12, 52),  // 89
    PrmAt(475, 7, 64, 64, 1, 127),  // 90
    PrmAt(482, 7, 64, 64, 1, 127),  // 91
    PrmAt(489, -4, 0, 0, 0, 0),     // 92
    PrmAt(493, -4, 0, 0, 0, 0),     // 93
    PrmAt(497, -4, 0, 0, 0, 0),     // 94
    PrmAt(489, -16, 0, 1, 0, 999),  // 95
    PrmAt(512, -4, 0, 0, 0, 0),     // 96
    PrmAt(516, -4, 0, 0, 0, 0),     // 97
    PrmAt(520, -4, 0, 0, 0, 0),     // 98
    PrmAt(524, -4, 0, 0, 0, 0),     // 99
    PrmAt(528, -4, 0, 0, 0, 0),     // 100
    PrmAt(532, -4, 0, 0, 0, 0),     // 101
    PrmAt(536, -4, 0, 0, 0, 0),     // 102
    PrmAt(512, -32, 0, 0, 0, 0),    // 103
    PrmAt(544, 7, 64, 64, 1, 127),  // 104
    PrmAt(551, 6, 32, 32, 12, 52),  // 105
    PrmAt(557, 7, 64, 64, 1, 127),  // 106
    PrmAt(564, 7, 64, 64, 1, 127),  // 107
    PrmAt(571, 2, 0, 2, 0, 2),      // 108
    PrmAt(573, 7, 64, 64, 1, 127),  // 109
    PrmAt(580, 6, 32, 32, 12, 52),  // 110
    PrmAt(586, 7, 64, 64, 1, 127),  // 111
    PrmAt(593, 7, 64, 64, 1, 127),  // 112
    PrmAt(600, 1, 0, 0, 0, 1),      // 113
    PrmAt(601, 1, 0, 0, 0, 1),      // 114
    PrmAt(602, 2, 0, 0, 0, 3),      // 115
    PrmAt(604, 1, 0, 0, 0, 1),      // 116
    PrmAt(605, 1, 0, 1, 0, 1),      // 117
    PrmAt(606, 7, 0, 1, 0, 127),    // 118
    PrmAt(613, 1, 0, 1, 0, 1),      // 119
    PrmAt(614, 1, 0, 1, 0, 1),      // 120
};

} // namespace Bris
