#include "domain/COsc.h"
#include "domain/CPatch.h"
#include "domain/CPatchTone.h"
#include "domain/CTone.h"
#include "domain/CWave.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace Bris;

using Numbers = std::vector<unsigned int>;

namespace {

// Section s of an oscillator set up to play a wave.
void PlayWave(COsc& osc, int section, int waveNumber) {
  osc.SetType(section, COsc::kWaveType);
  ASSERT_TRUE(osc.SetWaveNumber(section, waveNumber));
}

} // namespace

TEST(ToneNumberBytes, StoredAsMarkerThenHighAndLowPartOfNumberMinusOne) {
  CPatchTone patchTone;

  ASSERT_TRUE(patchTone.SetToneNumber(1));
  EXPECT_EQ(patchTone.mData[1], 'W');
  EXPECT_EQ(patchTone.mData[2], 0);
  EXPECT_EQ(patchTone.mData[3], 0);
  EXPECT_EQ(patchTone.GetToneNumber(), 1);

  ASSERT_TRUE(patchTone.SetToneNumber(700));
  EXPECT_EQ(patchTone.mData[2], 5);
  EXPECT_EQ(patchTone.mData[3], 59);

  ASSERT_TRUE(patchTone.SetToneNumber(896));
  EXPECT_EQ(patchTone.mData[2], 6);
  EXPECT_EQ(patchTone.mData[3], 127);
  EXPECT_EQ(patchTone.GetToneNumber(), 896);
}

TEST(ToneNumberBytes, WithoutMarkerThereIsNoToneWhateverTheNumberBytesHold) {
  CPatchTone patchTone;
  patchTone.mData[2] = 3;
  patchTone.mData[3] = 9;
  EXPECT_EQ(patchTone.GetToneNumber(), 0);

  patchTone.SetToneSwitch(1);
  ASSERT_TRUE(patchTone.SetToneNumber(42));
  patchTone.ClearPatchTone();
  EXPECT_EQ(patchTone.GetToneNumber(), 0);
  EXPECT_EQ(patchTone.GetToneSwitch(), 1);

  // Numbers the two 7-bit bytes cannot hold are refused without a change.
  const auto before = patchTone.mData;
  EXPECT_FALSE(patchTone.SetToneNumber(0));
  EXPECT_FALSE(patchTone.SetToneNumber(CPatchTone::kMaxToneNumber + 1));
  EXPECT_EQ(patchTone.mData, before);
}

TEST(WaveNumberBytes, WrittenAsFourLowNibblesOfSectionOne) {
  COsc osc;
  osc.SetType(1, COsc::kWaveType);

  ASSERT_TRUE(osc.SetWaveNumber(1, 999));

  EXPECT_EQ(osc.mData[92], 0);
  EXPECT_EQ(osc.mData[93], 3);
  EXPECT_EQ(osc.mData[94], 14);
  EXPECT_EQ(osc.mData[95], 7);
  EXPECT_EQ(osc.GetWaveNumber(1), 999);
  EXPECT_EQ(osc.GetWaveNumber(0), 0);

  // Only the low nibble of each byte counts.
  osc.mData[92] = 0xF0;
  osc.mData[95] = 0x47;
  EXPECT_EQ(osc.GetWaveNumber(1), 999);
}

TEST(WaveNumberBytes, DefaultOscillatorPlaysNoWaveAndRefusesOne) {
  COsc osc;
  EXPECT_EQ(osc.GetSwitch(0), 1);
  EXPECT_EQ(osc.GetSwitch(1), 0);
  EXPECT_EQ(osc.GetWaveNumber(0), 0);
  EXPECT_EQ(osc.GetWaveNumber(1), 0);

  EXPECT_FALSE(osc.SetWaveNumber(0, 5));
  EXPECT_EQ(osc.mData, std::vector<unsigned char>(COsc::InitData, COsc::InitData + COsc::kSize));
}

TEST(WaveNumberBytes, SectionNotOfWaveTypeReadsZeroWhateverItsNibbles) {
  COsc osc;
  PlayWave(osc, 0, 12);
  osc.SetType(0, 2);
  EXPECT_EQ(osc.GetWaveNumber(0), 0);
  // A switched-off section of the wave type still plays its wave number.
  osc.SetType(0, COsc::kWaveType);
  osc.SetSwitch(0, 0);
  EXPECT_EQ(osc.GetWaveNumber(0), 12);

  // Numbers the four nibbles cannot hold are refused without a change.
  EXPECT_FALSE(osc.SetWaveNumber(0, -1));
  EXPECT_FALSE(osc.SetWaveNumber(0, COsc::kMaxWaveNumber + 1));
  EXPECT_EQ(osc.GetWaveNumber(0), 12);
}

TEST(ReferenceLists, PatchToneNumbersAreSortedAndDeduplicated) {
  CPatch patch;
  EXPECT_EQ(patch.GetToneNumbers(), Numbers({0}));
  patch.GetPatchTone(0).SetToneNumber(30);
  patch.GetPatchTone(1).SetToneNumber(4);
  EXPECT_EQ(patch.GetToneNumbers(), Numbers({4, 30}));
  EXPECT_TRUE(patch.SearchToneNumber(30));
  EXPECT_FALSE(patch.SearchToneNumber(5));

  patch.GetPatchTone(0).SetToneNumber(4);
  EXPECT_EQ(patch.GetToneNumbers(), Numbers({4}));

  patch.ClearPatchTone(1);
  EXPECT_EQ(patch.GetToneNumbers(), Numbers({0, 4}));
}

TEST(ReferenceLists, ToneWaveNumbersAreSortedAndDeduplicatedOverAllSections) {
  CTone tone;
  for (int i = 0; i < CTone::kOscCount; ++i) {
    PlayWave(tone.GetOsc(i), 0, 12);
    PlayWave(tone.GetOsc(i), 1, 12);
  }
  EXPECT_EQ(tone.GetWaveNumbers(), Numbers({12}));

  PlayWave(tone.GetOsc(15), 1, 999);
  PlayWave(tone.GetOsc(3), 0, 2);
  tone.GetOsc(7).SetType(1, 0);
  EXPECT_EQ(tone.GetWaveNumbers(), Numbers({0, 2, 12, 999}));
  EXPECT_TRUE(tone.SearchWaveNumber(999));
  EXPECT_FALSE(tone.SearchWaveNumber(13));
}

TEST(ReferenceLists, ForcedAppendAddsARepeatThatDeleteRemovesOnce) {
  CTone tone;
  tone.AddPatchIndex(7, false);
  tone.AddPatchIndex(7, false);
  EXPECT_EQ(tone.GetPatchIndexes(), Numbers({7}));

  tone.AddPatchIndex(3, false);
  tone.AddPatchIndex(7, true);
  EXPECT_EQ(tone.GetPatchIndexes(), Numbers({7, 3, 7}));

  tone.DeletePatchIndex(7);
  EXPECT_EQ(tone.GetPatchIndexes(), Numbers({3, 7}));

  CWave wave;
  wave.AddToneIndex(5, false);
  wave.AddToneIndex(5, true);
  wave.AddToneIndex(5, false);
  EXPECT_EQ(wave.GetToneIndexes(), Numbers({5, 5}));
  wave.DeleteToneIndex(5);
  EXPECT_TRUE(wave.SearchToneIndex(5));
  wave.DeleteToneIndex(5);
  EXPECT_FALSE(wave.SearchToneIndex(5));
}

TEST(ReferenceLists, CloneCopiesBlocksAndListsIndependently) {
  CTone tone;
  tone.SetFilePath("/p.prj/Tone/001 A.p00");
  tone.AddPatchIndex(2, false);
  PlayWave(tone.GetOsc(4), 1, 77);

  std::unique_ptr<CTone> copy(tone.Clone());
  copy->AddPatchIndex(9, false);
  ASSERT_TRUE(copy->GetOsc(4).SetWaveNumber(1, 78));

  EXPECT_EQ(copy->GetFilePath(), tone.GetFilePath());
  EXPECT_EQ(tone.GetPatchIndexes(), Numbers({2}));
  EXPECT_EQ(copy->GetPatchIndexes(), Numbers({2, 9}));
  EXPECT_EQ(tone.GetOsc(4).GetWaveNumber(1), 77);

  // Initialize clears only the strings of a record, never its instrument data or lists.
  copy->Initialize();
  EXPECT_EQ(copy->GetOsc(4).GetWaveNumber(1), 78);
  EXPECT_EQ(copy->GetPatchIndexes(), Numbers({2, 9}));
}
