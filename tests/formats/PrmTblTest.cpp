#include "formats/PrmTbl.h"

#include "formats/OndoLib.h"
#include "tests/formats/PrmEntryBits.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Bris;
using namespace BrisTest;

namespace {

// Marks the bits of every stored field (plain entries and group terminators); fails on overlap.
std::vector<bool> CoveredBits(const PrmEntry* table, int count, int blockSize) {
  std::vector<bool> covered(static_cast<std::size_t>(blockSize * 8), false);
  for (int i = 0; i < count; ++i) {
    if (IsMember(table[i])) {
      continue;
    }
    for (int bit = FirstBit(table[i]); bit < FirstBit(table[i]) + Width(table[i]); ++bit) {
      EXPECT_LT(bit, blockSize * 8) << "entry " << i << " runs past the block";
      if (bit < blockSize * 8) {
        EXPECT_FALSE(covered[static_cast<std::size_t>(bit)]) << "entry " << i << " overlaps";
        covered[static_cast<std::size_t>(bit)] = true;
      }
    }
  }
  return covered;
}

int CountCovered(const std::vector<bool>& covered) {
  int count = 0;
  for (bool bit : covered) {
    count += bit ? 1 : 0;
  }
  return count;
}

void ExpectWellFormed(const PrmEntry* table, int count) {
  int previousStart = -1;
  for (int i = 0; i < count; ++i) {
    const PrmEntry& entry = table[i];
    EXPECT_LE(entry.bitPos, 7) << "entry " << i;
    EXPECT_LE(Width(entry) + entry.bitPos, 32) << "entry " << i << " needs more than four bytes";
    if (entry.width <= -8) {
      // A terminator addresses the whole field its members start.
      int memberBits = 0;
      int member = i - 1;
      while (member >= 0 && IsMember(table[member])) {
        memberBits += Width(table[member]);
        --member;
      }
      const int firstMember = member + 1;
      ASSERT_LT(firstMember, i) << "terminator " << i << " without members";
      EXPECT_EQ(FirstBit(entry), FirstBit(table[firstMember])) << "entry " << i;
      EXPECT_EQ(Width(entry) - memberBits, 4) << "entry " << i;
      for (int m = firstMember; m < i; ++m) {
        EXPECT_EQ(FirstBit(table[m]), FirstBit(entry) + 4 * (m - firstMember)) << "member " << m;
      }
      continue;
    }
    EXPECT_GT(FirstBit(entry), previousStart) << "entry " << i;
    previousStart = FirstBit(entry);
    if (entry.min != entry.max) {
      EXPECT_LE(entry.min, entry.init) << "entry " << i;
      EXPECT_LE(entry.init, entry.max) << "entry " << i;
      EXPECT_LE(entry.max, maskTbl[Width(entry)]) << "entry " << i;
    }
  }
}

} // namespace

TEST(PrmTbl, PatchToneTable_Uses122BitsOfItsSixteenBytes) {
  ExpectWellFormed(kPatchTonePrmTbl, kPatchTonePrmCount);
  const auto covered = CoveredBits(kPatchTonePrmTbl, kPatchTonePrmCount, kPatchToneBlockSize);
  EXPECT_EQ(CountCovered(covered), 122);
  for (int bit = 0; bit < 122; ++bit) {
    EXPECT_TRUE(covered[static_cast<std::size_t>(bit)]) << "bit " << bit;
  }
  for (int i = 0; i < kPatchTonePrmCount; ++i) {
    EXPECT_EQ(kPatchTonePrmTbl[i].offset, 0) << "entry " << i;
  }
}

TEST(PrmTbl, OscillatorTable_FitsItsSeventyEightBytes) {
  ExpectWellFormed(kOscPrmTbl, kOscPrmCount);
  const auto covered = CoveredBits(kOscPrmTbl, kOscPrmCount, kOscBlockSize);
  // 615 bits from the first to the last field, less the padding that byte-aligns each 32-bit value.
  EXPECT_EQ(CountCovered(covered), 615 - 3 - 7);
  const PrmEntry& last = kOscPrmTbl[kOscPrmCount - 1];
  EXPECT_EQ(FirstBit(last) + Width(last), kOscBlockSize * 8 - 9);
}

TEST(PrmTbl, OscillatorSections_AreLaidOutAlike) {
  // Section 1 (entries 69..120) repeats section 0 (17..68) field for field.
  for (int i = 17; i <= 68; ++i) {
    const PrmEntry& first = kOscPrmTbl[i];
    const PrmEntry& second = kOscPrmTbl[i + 52];
    EXPECT_EQ(first.width, second.width) << "entry " << i;
    EXPECT_EQ(first.offset, second.offset) << "entry " << i;
    EXPECT_EQ(first.init, second.init) << "entry " << i;
    EXPECT_EQ(first.min, second.min) << "entry " << i;
    EXPECT_EQ(first.max, second.max) << "entry " << i;
  }
}

TEST(PrmTbl, WaveNumberGroups_HoldSixteenBitsWithInitOneAndRangeTo999) {
  for (int first : kOscWaveNumberGroupFirst) {
    const PrmEntry& terminator = kOscPrmTbl[first + kOscWaveNumberGroupSize - 1];
    EXPECT_EQ(terminator.width, -16);
    EXPECT_EQ(terminator.init, 1);
    EXPECT_EQ(terminator.min, 0);
    EXPECT_EQ(terminator.max, 999);
  }
  for (int first : kOscLongValueGroupFirst) {
    EXPECT_EQ(kOscPrmTbl[first + kOscLongValueGroupSize - 1].width, -32);
  }
}
