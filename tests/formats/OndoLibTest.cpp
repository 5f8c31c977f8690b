#include "formats/OndoLib.h"

#include "formats/PrmTbl.h"
#include "tests/formats/BitReference.h"
#include "tests/formats/PrmEntryBits.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using namespace Bris;
using namespace BrisTest;

namespace {

std::vector<unsigned char> Filled(int size, unsigned char fill) {
  return std::vector<unsigned char>(static_cast<std::size_t>(size), fill);
}

// The same entry without range or offset, so OndoLibWriteValue stores the raw value unchanged.
PrmEntry Unchecked(PrmEntry entry) {
  entry.offset = 0;
  entry.min = 0;
  entry.max = 0;
  return entry;
}

void ExpectEveryFieldWritesOnlyItsOwnBits(const PrmEntry* table, int count, int blockSize) {
  for (int i = 0; i < count; ++i) {
    const PrmEntry& entry = table[i];
    if (IsMember(entry)) {
      continue; // members are only ever stored through their terminator
    }
    const int width = Width(entry);
    const std::uint32_t mask = maskTbl[width];
    for (unsigned char fill : {0x00, 0xFF}) {
      for (std::uint32_t value : {0u, mask, 0x5A5A5A5Au & mask, 0xA5A5A5A5u & mask}) {
        std::vector<unsigned char> block = Filled(blockSize, fill);
        std::vector<unsigned char> expected = block;
        SetBits(expected, FirstBit(entry), width, value);

        OndoLibWriteValue(block.data(), Unchecked(entry), static_cast<int>(value));

        ASSERT_EQ(block, expected) << "entry " << i << " fill " << int(fill) << " value " << value;
        EXPECT_EQ(static_cast<std::uint32_t>(OndoLibReadValue(block.data(), Unchecked(entry))),
                  value)
            << "entry " << i;
      }
    }
  }
}

} // namespace

TEST(OndoLibFieldAccess, EveryPatchToneField_ChangesOnlyItsOwnBits) {
  ExpectEveryFieldWritesOnlyItsOwnBits(kPatchTonePrmTbl, kPatchTonePrmCount, kPatchToneBlockSize);
}

TEST(OndoLibFieldAccess, EveryOscillatorField_ChangesOnlyItsOwnBits) {
  ExpectEveryFieldWritesOnlyItsOwnBits(kOscPrmTbl, kOscPrmCount, kOscBlockSize);
}

TEST(OndoLibExcData, CountOfZeroOrLess_ConvertsNothingAndLeavesBuffersAlone) {
  std::vector<unsigned char> packed = Filled(kOscBlockSize, 0xA5);
  std::vector<unsigned char> exclusive = Filled(kOscPrmCount, 0x11);

  EXPECT_EQ(OndoLibReadExcData(packed.data(), kOscPrmTbl, exclusive.data(), 0), 0);
  EXPECT_EQ(OndoLibReadExcData(packed.data(), kOscPrmTbl, exclusive.data(), -3), 0);
  EXPECT_EQ(OndoLibWriteExcData(packed.data(), kOscPrmTbl, exclusive.data(), 0), 0);
  EXPECT_EQ(OndoLibWriteExcDataOut(packed.data(), kOscPrmTbl, exclusive.data(), -1), 0);

  EXPECT_EQ(packed, Filled(kOscBlockSize, 0xA5));
  EXPECT_EQ(exclusive, Filled(kOscPrmCount, 0x11));
}

TEST(OndoLibExcData, CentredFields_AreShiftedOntoSixtyFour) {
  std::vector<unsigned char> packed = Filled(kOscBlockSize, 0);
  SetBits(packed, 35, 6, 12);  // entry 8: 6 bits, offset 32
  SetBits(packed, 55, 6, 52);  // entry 11: 6 bits, offset 32
  SetBits(packed, 94, 5, 7);   // entry 19: 5 bits, offset 16
  SetBits(packed, 41, 7, 64);  // entry 9: offset 64, not centred
  SetBits(packed, 169, 6, 10); // entry 31: offset 0, not centred
  std::vector<unsigned char> exclusive = Filled(kOscPrmCount, 0);

  ASSERT_EQ(OndoLibReadExcData(packed.data(), kOscPrmTbl, exclusive.data(), kOscPrmCount),
            kOscPrmCount);

  EXPECT_EQ(exclusive[8], 44);
  EXPECT_EQ(exclusive[11], 84);
  EXPECT_EQ(exclusive[19], 7 + 48);
  EXPECT_EQ(exclusive[9], 64);
  EXPECT_EQ(exclusive[31], 10);

  // Writing back removes the centring again.
  std::vector<unsigned char> repacked = Filled(kOscBlockSize, 0);
  ASSERT_EQ(OndoLibWriteExcData(repacked.data(), kOscPrmTbl, exclusive.data(), kOscPrmCount),
            kOscPrmCount);
  EXPECT_EQ(GetBits(repacked, 35, 6), 12u);
  EXPECT_EQ(GetBits(repacked, 55, 6), 52u);
  EXPECT_EQ(GetBits(repacked, 94, 5), 7u);
}

TEST(OndoLibExcData, ValuesThatDoNotFitTheirField_AreWrittenAsInit) {
  const PrmEntry& centred = kOscPrmTbl[8];       // 6 bits, offset 32, init 32
  const PrmEntry& oneBit = kPatchTonePrmTbl[12]; // init 1
  const PrmEntry& threeBits = kOscPrmTbl[2];     // 3 bits, range 0..4, init 0
  for (unsigned char fill : {0x00, 0xFF}) {
    std::vector<unsigned char> packed = Filled(kOscBlockSize, fill);
    const unsigned char belowCentre[1] = {20}; // raw -12
    const unsigned char tooWide[1] = {100};    // raw 68 needs 7 bits
    const unsigned char two[1] = {2};
    const unsigned char six[1] = {6}; // fits 3 bits, outside 0..4

    OndoLibWriteExcData(packed.data(), &centred, belowCentre, 1);
    EXPECT_EQ(GetBits(packed, 35, 6), 32u);
    SetBits(packed, 35, 6, 0);
    OndoLibWriteExcData(packed.data(), &centred, tooWide, 1);
    EXPECT_EQ(GetBits(packed, 35, 6), 32u);
    OndoLibWriteExcData(packed.data(), &oneBit, two, 1);
    EXPECT_EQ(GetBits(packed, 78, 1), 1u);
    // Only the width limits a block write; the range is the single-value interface's business.
    OndoLibWriteExcData(packed.data(), &threeBits, six, 1);
    EXPECT_EQ(GetBits(packed, 3, 3), 6u);
  }
}

TEST(OndoLibExcData, WriteOut_LeavesFieldsWithOutOfRangeValuesUnchanged) {
  std::vector<unsigned char> packed = Filled(kOscBlockSize, 0);
  SetBits(packed, 35, 6, 50);
  SetBits(packed, 3, 3, 1);
  const unsigned char belowCentre[1] = {20};
  const unsigned char six[1] = {6};
  const unsigned char inRange[1] = {44};

  EXPECT_EQ(OndoLibWriteExcDataOut(packed.data(), &kOscPrmTbl[8], belowCentre, 1), 1);
  EXPECT_EQ(GetBits(packed, 35, 6), 50u);
  EXPECT_EQ(OndoLibWriteExcDataOut(packed.data(), &kOscPrmTbl[2], six, 1), 1);
  EXPECT_EQ(GetBits(packed, 3, 3), 1u);
  EXPECT_EQ(OndoLibWriteExcDataOut(packed.data(), &kOscPrmTbl[8], inRange, 1), 1);
  EXPECT_EQ(GetBits(packed, 35, 6), 12u);
}

TEST(OndoLibGroups, WaveNumber999_IsHeldAsNibblesAndPackedAsOneSixteenBitValue) {
  for (int first : kOscWaveNumberGroupFirst) {
    // Given exclusive data of a realistic oscillator whose group holds the pieces 0, 3, 14, 7
    std::vector<unsigned char> exclusive = Filled(kOscPrmCount, 0);
    exclusive[static_cast<std::size_t>(first) + 0] = 0;
    exclusive[static_cast<std::size_t>(first) + 1] = 3;
    exclusive[static_cast<std::size_t>(first) + 2] = 14;
    exclusive[static_cast<std::size_t>(first) + 3] = 7;
    std::vector<unsigned char> packed = Filled(kOscBlockSize, 0xFF);

    ASSERT_EQ(OndoLibWriteExcData(packed.data(), kOscPrmTbl, exclusive.data(), kOscPrmCount),
              kOscPrmCount);

    // then the packed field holds 999 at the group's first bit
    const PrmEntry& terminator = kOscPrmTbl[first + 3];
    EXPECT_EQ(FirstBit(terminator), FirstBit(kOscPrmTbl[first]));
    EXPECT_EQ(GetBits(packed, FirstBit(terminator), 16), 999u);
    EXPECT_EQ(OndoLibReadValue(packed.data(), terminator), 999);

    // and reading gives the pieces back
    std::vector<unsigned char> unpacked = Filled(kOscPrmCount, 0xEE);
    ASSERT_EQ(OndoLibReadExcData(packed.data(), kOscPrmTbl, unpacked.data(), kOscPrmCount),
              kOscPrmCount);
    EXPECT_EQ(std::vector<unsigned char>(unpacked.begin() + first, unpacked.begin() + first + 4),
              (std::vector<unsigned char>{0, 3, 14, 7}));
  }
}

TEST(OndoLibGroups, ThirtyTwoBitValues_RoundTripThroughEightPieces) {
  for (int first : kOscLongValueGroupFirst) {
    std::vector<unsigned char> exclusive = Filled(kOscPrmCount, 0);
    const std::vector<unsigned char> pieces = {0xD, 0xE, 0xA, 0xD, 0xB, 0xE, 0xE, 0xF};
    std::copy(pieces.begin(), pieces.end(), exclusive.begin() + first);
    std::vector<unsigned char> packed = Filled(kOscBlockSize, 0);

    ASSERT_EQ(OndoLibWriteExcData(packed.data(), kOscPrmTbl, exclusive.data(), kOscPrmCount),
              kOscPrmCount);
    const int firstBit = FirstBit(kOscPrmTbl[first + 7]);
    EXPECT_EQ(firstBit % 8, 0);
    EXPECT_EQ(GetBits(packed, firstBit, 32), 0xDEADBEEFu);

    std::vector<unsigned char> unpacked = Filled(kOscPrmCount, 0);
    ASSERT_EQ(OndoLibReadExcData(packed.data(), kOscPrmTbl, unpacked.data(), kOscPrmCount),
              kOscPrmCount);
    EXPECT_EQ(std::vector<unsigned char>(unpacked.begin() + first, unpacked.begin() + first + 8),
              pieces);
  }
}

TEST(OndoLibGroups, PieceWiderThanFourBits_WritesTheGroupsInit) {
  std::vector<unsigned char> exclusive = Filled(kOscPrmCount, 0);
  exclusive[40] = 16; // not a nibble
  exclusive[43] = 2;
  std::vector<unsigned char> packed = Filled(kOscBlockSize, 0);

  OndoLibWriteExcData(packed.data(), kOscPrmTbl, exclusive.data(), kOscPrmCount);

  EXPECT_EQ(GetBits(packed, 229, 16), kOscPrmTbl[43].init);
}

TEST(OndoLibGroups, CountEndingInsideAGroup_ConvertsOnlyTheEntriesBeforeIt) {
  std::vector<unsigned char> packed = Filled(kOscBlockSize, 0);
  SetBits(packed, 229, 16, 999);
  std::vector<unsigned char> exclusive = Filled(kOscPrmCount, 0x77);

  EXPECT_EQ(OndoLibReadExcData(packed.data(), kOscPrmTbl, exclusive.data(), 42), 40);
  EXPECT_EQ(exclusive[40], 0x77); // the unfinished group is not read

  std::vector<unsigned char> source = Filled(kOscPrmCount, 0);
  source[41] = 1;
  EXPECT_EQ(OndoLibWriteExcData(packed.data(), kOscPrmTbl, source.data(), 42), 40);
  EXPECT_EQ(GetBits(packed, 229, 16), 999u);
}

TEST(OndoLibGroups, MalformedGroup_FailsReadingAndIsSkippedOnWriting) {
  // One 4-bit member before a 16-bit terminator leaves 12 bits for the terminator's own byte.
  const PrmEntry table[3] = {
      {0, 7, 0, 0, 0, 0, 127},
      {1, -4, 0, 0, 0, 0, 0},
      {1, -16, 0, 0, 0, 0, 0},
  };
  std::vector<unsigned char> packed = {0x00, 0xAB, 0xCD, 0x00};
  std::vector<unsigned char> exclusive = {5, 1, 2};

  std::vector<unsigned char> out(3, 0);
  EXPECT_EQ(OndoLibReadExcData(packed.data(), table, out.data(), 3), -1);

  EXPECT_EQ(OndoLibWriteExcData(packed.data(), table, exclusive.data(), 3), 1);
  EXPECT_EQ(packed, (std::vector<unsigned char>{0x0A, 0xAB, 0xCD, 0x00}));
}

TEST(OndoLibSingleValue, ReadValue_OutsideTheRangeReadsAsInit) {
  std::vector<unsigned char> packed = Filled(kOscBlockSize, 0);
  SetBits(packed, 35, 6, 60); // entry 8, range 12..52, init 32, offset 32
  EXPECT_EQ(OndoLibReadValue(packed.data(), kOscPrmTbl[8]), 0);
  SetBits(packed, 35, 6, 40);
  EXPECT_EQ(OndoLibReadValue(packed.data(), kOscPrmTbl[8]), 8);
  SetBits(packed, 229, 16, 1000); // wave number, range 0..999, init 1
  EXPECT_EQ(OndoLibReadValue(packed.data(), kOscPrmTbl[43]), 1);
}

TEST(OndoLibSingleValue, WriteValue_ClampsIntoTheRange) {
  std::vector<unsigned char> packed = Filled(kOscBlockSize, 0);
  OndoLibWriteValue(packed.data(), kOscPrmTbl[8], 100);
  EXPECT_EQ(GetBits(packed, 35, 6), 52u);
  OndoLibWriteValue(packed.data(), kOscPrmTbl[8], -100);
  EXPECT_EQ(GetBits(packed, 35, 6), 12u);
  OndoLibWriteValue(packed.data(), kOscPrmTbl[8], -5);
  EXPECT_EQ(GetBits(packed, 35, 6), 27u);
}

TEST(OndoLibSingleValue, ClearValue_StoresEveryInitAndSkipsGroupMembers) {
  std::vector<unsigned char> packed = Filled(kOscBlockSize, 0xFF);

  OndoLibClearValue(packed.data(), kOscPrmTbl, kOscPrmCount);

  for (int i = 0; i < kOscPrmCount; ++i) {
    const PrmEntry& entry = kOscPrmTbl[i];
    if (!IsMember(entry)) {
      EXPECT_EQ(GetBits(packed, FirstBit(entry), Width(entry)), entry.init) << "entry " << i;
    }
  }
  EXPECT_EQ(GetBits(packed, 229, 16), 1u); // the wave-number group's init, not a member's 0
  EXPECT_EQ(GetBits(packed, 245, 3), 7u);  // bits no entry covers keep their value
}

TEST(OndoLibSingleValue, PrmInfo_ReportsDisplayedRangeAndInit) {
  int min = 0;
  int max = 0;
  EXPECT_EQ(OndoLibGetPrmInfo(kOscPrmTbl[8], min, max), 0);
  EXPECT_EQ(min, -20);
  EXPECT_EQ(max, 20);
  EXPECT_EQ(OndoLibGetPrmInfo(kOscPrmTbl[21], min, max), 10);
  EXPECT_EQ(OndoLibReadInit(kOscPrmTbl[21]), 10);

  // Without a range the width's range counts, limited to the largest int.
  EXPECT_EQ(OndoLibGetPrmInfo(kOscPrmTbl[51], min, max), 0);
  EXPECT_EQ(min, 0);
  EXPECT_EQ(max, 2147483647);
  OndoLibGetPrmInfo(kOscPrmTbl[40], min, max);
  EXPECT_EQ(max, 15);
}

TEST(OndoLibSubValue, NarrowedRange_IsEnforcedOnReadAndWrite) {
  // Narrows entry 8 (displayed -20..20) to -5..5 with init 1.
  const SubPrmEntry sub = {8, 0, 1, -5, 5};
  int min = 0;
  int max = 0;
  EXPECT_EQ(OndoLibGetSubPrmInfo(sub, min, max), 1);
  EXPECT_EQ(min, -5);
  EXPECT_EQ(max, 5);
  EXPECT_EQ(OndoLibReadSubInit(sub), 1);

  std::vector<unsigned char> packed = Filled(kOscBlockSize, 0);
  SetBits(packed, 35, 6, 42); // displayed 10: outside the narrowed range
  EXPECT_EQ(OndoLibReadSubValue(packed.data(), kOscPrmTbl, sub), 1);
  SetBits(packed, 35, 6, 29);
  EXPECT_EQ(OndoLibReadSubValue(packed.data(), kOscPrmTbl, sub), -3);

  OndoLibWriteSubValue(packed.data(), kOscPrmTbl, sub, 9);
  EXPECT_EQ(GetBits(packed, 35, 6), 37u);

  OndoLibClearSubValue(packed.data(), kOscPrmTbl, &sub, 1);
  EXPECT_EQ(GetBits(packed, 35, 6), 33u);
}
