#include "formats/PackedBlocks.h"

#include "domain/COsc.h"
#include "formats/OndoLib.h"
#include "formats/PrmTbl.h"
#include "tests/formats/BitReference.h"
#include "tests/formats/PrmEntryBits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

using namespace Bris;
using namespace BrisTest;

namespace {

// A packed block as the instrument writes it: random values in every field, zero elsewhere.
std::vector<unsigned char> RandomPackedBlock(std::mt19937& random, const PrmEntry* table, int count,
                                             int blockSize) {
  std::vector<unsigned char> block(static_cast<std::size_t>(blockSize), 0);
  for (int i = 0; i < count; ++i) {
    if (!IsMember(table[i])) {
      SetBits(block, FirstBit(table[i]), Width(table[i]),
              static_cast<std::uint32_t>(random()) & maskTbl[Width(table[i])]);
    }
  }
  return block;
}

// Exclusive data whose every byte fits its field: raw values plus the centring where it applies.
std::vector<unsigned char> RandomExclusiveData(std::mt19937& random, const PrmEntry* table,
                                               int count) {
  std::vector<unsigned char> exclusive(static_cast<std::size_t>(count), 0);
  for (int i = 0; i < count; ++i) {
    const PrmEntry& entry = table[i];
    const bool centred = entry.width >= 0 && entry.min < entry.offset && entry.offset <= 63;
    const int pieceBits = entry.width >= 0 ? entry.width : 4;
    const auto raw = static_cast<int>(static_cast<std::uint32_t>(random()) & maskTbl[pieceBits]);
    exclusive[static_cast<std::size_t>(i)] =
        static_cast<unsigned char>(raw + (centred ? 64 - entry.offset : 0));
  }
  return exclusive;
}

} // namespace

TEST(PackedToneBlock, ZeroBlock_UnpacksToZerosAndPacksBackToZeros) {
  const std::vector<unsigned char> packed(kPatchToneBlockSize, 0);
  std::vector<unsigned char> exclusive;

  ASSERT_TRUE(UnpackToneBlock(packed.data(), exclusive));
  EXPECT_EQ(exclusive, std::vector<unsigned char>(kPatchTonePrmCount, 0));

  std::vector<unsigned char> repacked(kPatchToneBlockSize, 0xFF);
  ASSERT_TRUE(PackToneBlock(repacked.data(), exclusive));
  EXPECT_EQ(repacked, packed);
}

TEST(PackedBlocks, BitsNoFieldCovers_AreWrittenAsZero) {
  std::mt19937 random(7);
  std::vector<unsigned char> tone(kPatchToneBlockSize, 0xFF);
  ASSERT_TRUE(PackToneBlock(tone.data(),
                            RandomExclusiveData(random, kPatchTonePrmTbl, kPatchTonePrmCount)));
  EXPECT_EQ(GetBits(tone, 122, 6), 0u);

  std::vector<unsigned char> osc(kOscBlockSize, 0xFF);
  ASSERT_TRUE(PackOscBlock(osc.data(), RandomExclusiveData(random, kOscPrmTbl, kOscPrmCount)));
  EXPECT_EQ(GetBits(osc, 245, 3), 0u); // padding before the first 32-bit value
  EXPECT_EQ(GetBits(osc, 505, 7), 0u); // padding before the second
  EXPECT_EQ(GetBits(osc, 615, 9), 0u); // the end of the block
}

TEST(PackedBlocks, RandomPackedBlocks_SurviveUnpackAndPack) {
  std::mt19937 random(20240611);
  for (int round = 0; round < 200; ++round) {
    const auto tone =
        RandomPackedBlock(random, kPatchTonePrmTbl, kPatchTonePrmCount, kPatchToneBlockSize);
    std::vector<unsigned char> toneExclusive;
    ASSERT_TRUE(UnpackToneBlock(tone.data(), toneExclusive));
    std::vector<unsigned char> toneAgain(kPatchToneBlockSize, 0x5A);
    ASSERT_TRUE(PackToneBlock(toneAgain.data(), toneExclusive));
    ASSERT_EQ(toneAgain, tone) << "round " << round;

    const auto osc = RandomPackedBlock(random, kOscPrmTbl, kOscPrmCount, kOscBlockSize);
    std::vector<unsigned char> oscExclusive;
    ASSERT_TRUE(UnpackOscBlock(osc.data(), oscExclusive));
    std::vector<unsigned char> oscAgain(kOscBlockSize, 0x5A);
    ASSERT_TRUE(PackOscBlock(oscAgain.data(), oscExclusive));
    ASSERT_EQ(oscAgain, osc) << "round " << round;
  }
}

TEST(PackedBlocks, RandomValidExclusiveData_SurvivesPackAndUnpack) {
  std::mt19937 random(1234);
  for (int round = 0; round < 200; ++round) {
    const auto tone = RandomExclusiveData(random, kPatchTonePrmTbl, kPatchTonePrmCount);
    std::vector<unsigned char> packedTone(kPatchToneBlockSize, 0);
    ASSERT_TRUE(PackToneBlock(packedTone.data(), tone));
    std::vector<unsigned char> toneAgain;
    ASSERT_TRUE(UnpackToneBlock(packedTone.data(), toneAgain));
    ASSERT_EQ(toneAgain, tone) << "round " << round;

    const auto osc = RandomExclusiveData(random, kOscPrmTbl, kOscPrmCount);
    std::vector<unsigned char> packedOsc(kOscBlockSize, 0);
    ASSERT_TRUE(PackOscBlock(packedOsc.data(), osc));
    std::vector<unsigned char> oscAgain;
    ASSERT_TRUE(UnpackOscBlock(packedOsc.data(), oscAgain));
    ASSERT_EQ(oscAgain, osc) << "round " << round;
  }
}

TEST(PackedOscBlock, DefaultOscillator_SurvivesPackAndUnpack) {
  // The block a new tone's oscillators start from, so every default must fit its field.
  const std::vector<unsigned char> defaultOsc(COsc::InitData, COsc::InitData + COsc::kSize);
  std::vector<unsigned char> packed(kOscBlockSize, 0);
  ASSERT_TRUE(PackOscBlock(packed.data(), defaultOsc));
  std::vector<unsigned char> unpacked;
  ASSERT_TRUE(UnpackOscBlock(packed.data(), unpacked));
  EXPECT_EQ(unpacked, defaultOsc);
}

TEST(PackedBlocks, ShortExclusiveData_PacksNothing) {
  std::vector<unsigned char> tone(kPatchToneBlockSize, 0xA5);
  EXPECT_FALSE(PackToneBlock(tone.data(), std::vector<unsigned char>(55, 0)));
  EXPECT_EQ(tone, std::vector<unsigned char>(kPatchToneBlockSize, 0xA5));

  std::vector<unsigned char> osc(kOscBlockSize, 0xA5);
  EXPECT_FALSE(PackOscBlock(osc.data(), std::vector<unsigned char>()));
  EXPECT_EQ(osc, std::vector<unsigned char>(kOscBlockSize, 0xA5));
}

// The block routines take a quicker way through the two fixed tables than the table walk of
// OndoLibReadExcData; on any bytes at all, bits between the fields included, both must agree.
TEST(PackedBlocks, UnpackingAnyBytes_EqualsTheGenericTableWalk) {
  std::mt19937 random(424242);
  auto randomBytes = [&random](int size) {
    std::vector<unsigned char> bytes(static_cast<std::size_t>(size));
    for (auto& byte : bytes) {
      byte = static_cast<unsigned char>(random());
    }
    return bytes;
  };
  for (int round = 0; round < 2000; ++round) {
    // Some rounds all ones or all zeros, so that every field also meets its extreme values.
    const int fill = round % 10;
    auto tone = randomBytes(kPatchToneBlockSize);
    auto osc = randomBytes(kOscBlockSize);
    if (fill < 2) {
      std::fill(tone.begin(), tone.end(), fill == 0 ? 0x00 : 0xFF);
      std::fill(osc.begin(), osc.end(), fill == 0 ? 0x00 : 0xFF);
    }

    std::vector<unsigned char> toneExpected(kPatchTonePrmCount, 0);
    ASSERT_EQ(
        OndoLibReadExcData(tone.data(), kPatchTonePrmTbl, toneExpected.data(), kPatchTonePrmCount),
        kPatchTonePrmCount);
    std::vector<unsigned char> toneActual;
    ASSERT_TRUE(UnpackToneBlock(tone.data(), toneActual));
    ASSERT_EQ(toneActual, toneExpected) << "round " << round;

    std::vector<unsigned char> oscExpected(kOscPrmCount, 0);
    ASSERT_EQ(OndoLibReadExcData(osc.data(), kOscPrmTbl, oscExpected.data(), kOscPrmCount),
              kOscPrmCount);
    std::vector<unsigned char> oscActual(kOscPrmCount, 0xEE);
    ASSERT_TRUE(UnpackOscBlock(osc.data(), oscActual.data()));
    ASSERT_EQ(oscActual, oscExpected) << "round " << round;
  }
}

// Packing takes the same quicker way. On exclusive data of every kind (fitting values, bytes out
// of any range, which are written as the entry's init, and groups whose pieces overflow) the
// blocks must come out as the table walk writes them.
TEST(PackedBlocks, PackingAnyExclusiveData_EqualsTheGenericTableWalk) {
  std::mt19937 random(171717);
  auto exclusiveData = [&random](const PrmEntry* table, int count, int round) {
    if (round % 3 == 0) {
      return RandomExclusiveData(random, table, count);
    }
    std::vector<unsigned char> bytes(static_cast<std::size_t>(count));
    for (auto& byte : bytes) {
      byte = round % 10 == 1 ? 0xFF : static_cast<unsigned char>(random() % (round % 2 ? 256 : 20));
    }
    return bytes;
  };
  for (int round = 0; round < 3000; ++round) {
    const auto tone = exclusiveData(kPatchTonePrmTbl, kPatchTonePrmCount, round);
    std::vector<unsigned char> toneExpected(kPatchToneBlockSize, 0);
    ASSERT_EQ(
        OndoLibWriteExcData(toneExpected.data(), kPatchTonePrmTbl, tone.data(), kPatchTonePrmCount),
        kPatchTonePrmCount);
    std::vector<unsigned char> toneActual(kPatchToneBlockSize, 0xEE);
    ASSERT_TRUE(PackToneBlock(toneActual.data(), tone));
    ASSERT_EQ(toneActual, toneExpected) << "round " << round;

    const auto osc = exclusiveData(kOscPrmTbl, kOscPrmCount, round);
    std::vector<unsigned char> oscExpected(kOscBlockSize, 0);
    ASSERT_EQ(OndoLibWriteExcData(oscExpected.data(), kOscPrmTbl, osc.data(), kOscPrmCount),
              kOscPrmCount);
    std::vector<unsigned char> oscActual(kOscBlockSize, 0xEE);
    ASSERT_TRUE(PackOscBlock(oscActual.data(), osc));
    ASSERT_EQ(oscActual, oscExpected) << "round " << round;
  }
}
