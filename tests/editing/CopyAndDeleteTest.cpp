#include "EditingFixture.h"

namespace BrisTest {
namespace {

using Bris::CParameter;

class CopyAndDeleteTest : public EditingFixture {};

// --- Copy

TEST_F(CopyAndDeleteTest, CopyPatches_CarriesEachUsedToneOnceTaggedWithItsNumber) {
  // GIVEN patches 2 and 3 both playing tone 5, which plays waves 9 and 4
  UseSlot(*mA, CParameter::kPatch, 2, "A");
  UseSlot(*mA, CParameter::kPatch, 3, "B");
  UseSlot(*mA, CParameter::kTone, 4, "T5");
  UseSlot(*mA, CParameter::kWave, 3, "W4");
  UseSlot(*mA, CParameter::kWave, 8, "W9");
  PlayTone(*mA, 2, 0, 5);
  PlayTone(*mA, 3, 1, 5);
  PlayWave(*mA, 4, 0, 0, 9);
  PlayWave(*mA, 4, 3, 1, 4);

  mMid.EditCopy(*mA, {3, 2}, CParameter::kPatch);

  // THEN the patches come in the given order, untagged; tone 5 once, tagged 5; the waves in
  // ascending number, tagged with their numbers
  auto& clip = Clipboard();
  ASSERT_EQ(clip.mPatches.size(), 2u);
  EXPECT_EQ(clip.mPatches.Get(0)->GetName(), "B");
  EXPECT_EQ(clip.mPatches.Get(1)->GetName(), "A");
  ASSERT_EQ(clip.mTones.size(), 1u);
  EXPECT_EQ(clip.mTones.Get(0)->GetPatchIndexes(), (std::vector<unsigned int>{2, 3, 5}));
  ASSERT_EQ(clip.mWaves.size(), 2u);
  EXPECT_EQ(clip.mWaves.Get(0)->GetName(), "W4");
  EXPECT_EQ(clip.mWaves.Get(0)->GetToneIndexes(), (std::vector<unsigned int>{4, 4}));
  EXPECT_EQ(clip.mWaves.Get(1)->GetToneIndexes(), (std::vector<unsigned int>{4, 9}));
  // the source keeps its own lists
  EXPECT_EQ(PatchesOf(*mA, 4), (std::vector<unsigned int>{2, 3}));
}

TEST_F(CopyAndDeleteTest, CopyPatchesPlayingNoTone_LeavesToneAndWaveClipboardEmpty) {
  UseSlot(*mA, CParameter::kPatch, 0, "A");
  Clipboard().mTones.Resize(3); // left over from an earlier drag
  Clipboard().mWaves.Resize(2);

  mMid.EditCopy(*mA, {0}, CParameter::kPatch);

  EXPECT_EQ(Clipboard().mPatches.size(), 1u);
  EXPECT_EQ(Clipboard().mTones.size(), 0u);
  EXPECT_EQ(Clipboard().mWaves.size(), 0u);
}

TEST_F(CopyAndDeleteTest, CopyTone_TagsToneWithIndexAndCarriesWavesAndPatchSnapshot) {
  // GIVEN the tone at index 3 playing waves 7 and 2, and patch 9 playing it
  UseSlot(*mA, CParameter::kTone, 3, "T");
  UseSlot(*mA, CParameter::kPatch, 9, "P");
  PlayTone(*mA, 9, 0, 4);
  PlayWave(*mA, 3, 0, 0, 7);
  PlayWave(*mA, 3, 5, 1, 2);

  mMid.EditCopy(*mA, {3}, CParameter::kTone);

  auto& clip = Clipboard();
  ASSERT_EQ(clip.mTones.size(), 1u);
  EXPECT_EQ(clip.mTones.Get(0)->GetPatchIndexes(), (std::vector<unsigned int>{9, 3}));
  ASSERT_EQ(clip.mWaves.size(), 2u);
  EXPECT_EQ(clip.mWaves.Get(0)->GetToneIndexes(), (std::vector<unsigned int>{3, 2}));
  EXPECT_EQ(clip.mWaves.Get(1)->GetToneIndexes(), (std::vector<unsigned int>{3, 7}));
  ASSERT_EQ(clip.mPatches.size(), 512u);
  EXPECT_EQ(clip.mPatches.Get(9)->GetPatchTone(0).GetToneNumber(), 4);
}

TEST_F(CopyAndDeleteTest, CopyWaves_TagsWithIndexAndSnapshotsAllTonesKeepingPatches) {
  UseSlot(*mA, CParameter::kWave, 6, "W");
  UseSlot(*mA, CParameter::kTone, 1, "T");
  PlayWave(*mA, 1, 2, 0, 7);
  Clipboard().mPatches.Resize(4); // whatever the clipboard held stays

  mMid.EditCopy(*mA, {6}, CParameter::kWave);

  auto& clip = Clipboard();
  ASSERT_EQ(clip.mWaves.size(), 1u);
  EXPECT_EQ(clip.mWaves.Get(0)->GetToneIndexes(), (std::vector<unsigned int>{1, 6}));
  ASSERT_EQ(clip.mTones.size(), 896u);
  EXPECT_EQ(clip.mTones.Get(1)->GetOsc(2).GetWaveNumber(0), 7);
  EXPECT_EQ(clip.mPatches.size(), 4u);
}

TEST_F(CopyAndDeleteTest, CopyPatchPlayingBlankTone_CarriesTheBlankTone) {
  UseSlot(*mA, CParameter::kPatch, 0, "P");
  PlayTone(*mA, 0, 0, 30); // tone 30 has no file

  mMid.EditCopy(*mA, {0}, CParameter::kPatch);

  ASSERT_EQ(Clipboard().mTones.size(), 1u);
  EXPECT_TRUE(Clipboard().mTones.Get(0)->IsBlank());
  EXPECT_EQ(Clipboard().mTones.Get(0)->GetPatchIndexes(), (std::vector<unsigned int>{0, 30}));
}

// --- Delete

TEST_F(CopyAndDeleteTest, DeletePatch_LeavesItsTonesAndZeroesBothBlocks) {
  UseSlot(*mA, CParameter::kPatch, 1, "P");
  UseSlot(*mA, CParameter::kPatch, 2, "Q");
  mA->mPatches.Get(1)->SetMemo(2, "memo");
  PlayTone(*mA, 1, 0, 10);
  PlayTone(*mA, 1, 1, 11);
  PlayTone(*mA, 2, 0, 10);

  EXPECT_TRUE(mMid.EditDelete(*mA, {1}, CParameter::kPatch, false, true));

  const auto* patch = mA->mPatches.Get(1);
  EXPECT_TRUE(patch->IsBlank());
  EXPECT_EQ(patch->GetName(), "");
  EXPECT_EQ(patch->GetMemo(2), "");
  EXPECT_EQ(patch->GetPatchTone(0).mData, std::vector<unsigned char>(56, 0));
  EXPECT_EQ(patch->GetPatchTone(1).mData, std::vector<unsigned char>(56, 0));
  EXPECT_EQ(PatchesOf(*mA, 9), (std::vector<unsigned int>{2}));
  EXPECT_TRUE(PatchesOf(*mA, 10).empty());
  EXPECT_TRUE(IsConsistent(*mA));
  EXPECT_FALSE(Bris::Domain().IsUndoReady()); // without confirm the caller saves
}

TEST_F(CopyAndDeleteTest, DeleteTone_ClearsPlayingPatchesOnlyWhenAsked) {
  for (bool clearPatchReferences : {true, false}) {
    CZelData data;
    UseSlot(data, CParameter::kTone, 5, "T");
    UseSlot(data, CParameter::kWave, 2, "W");
    UseSlot(data, CParameter::kPatch, 0, "P");
    PlayTone(data, 0, 1, 6);
    PlayWave(data, 5, 4, 1, 3);

    mMid.EditDelete(data, {5}, CParameter::kTone, false, clearPatchReferences);

    EXPECT_TRUE(TonesOf(data, 2).empty());
    EXPECT_EQ(WaveNumber(data, 5, 4, 1), 0);
    EXPECT_EQ(data.mPatches.Get(0)->GetPatchTone(1).GetToneSwitch(), 1);
    if (clearPatchReferences) {
      EXPECT_EQ(ToneNumber(data, 0, 1), 0);
      EXPECT_TRUE(PatchesOf(data, 5).empty());
    } else {
      // the slot is blank but still played
      EXPECT_EQ(ToneNumber(data, 0, 1), 6);
      EXPECT_EQ(PatchesOf(data, 5), (std::vector<unsigned int>{0}));
    }
    EXPECT_TRUE(IsConsistent(data));
  }
}

TEST_F(CopyAndDeleteTest, DeleteWave_ClearsOnlyTheSectionsThatPlayedIt) {
  UseSlot(*mA, CParameter::kWave, 4, "W5");
  UseSlot(*mA, CParameter::kWave, 5, "W6");
  UseSlot(*mA, CParameter::kTone, 0, "T");
  PlayWave(*mA, 0, 0, 0, 5);
  PlayWave(*mA, 0, 0, 1, 6);
  PlayWave(*mA, 0, 15, 1, 5);

  mMid.EditDelete(*mA, {4}, CParameter::kWave, false, false);

  EXPECT_EQ(WaveNumber(*mA, 0, 0, 0), 0);
  EXPECT_EQ(WaveNumber(*mA, 0, 15, 1), 0);
  EXPECT_EQ(WaveNumber(*mA, 0, 0, 1), 6);
  EXPECT_TRUE(TonesOf(*mA, 4).empty());
  EXPECT_TRUE(IsConsistent(*mA));
}

TEST_F(CopyAndDeleteTest, DeleteConfirmed_AsksQuestion9AndUndoRestores) {
  UseSlot(*mA, CParameter::kTone, 0, "T");
  UseSlot(*mA, CParameter::kPatch, 0, "P");
  PlayTone(*mA, 0, 0, 1);
  const DataSetSnapshot before(*mA);

  EXPECT_TRUE(mMid.EditDelete(*mA, {0}, CParameter::kTone, true, true));

  EXPECT_EQ(mOut->Questions(), (std::vector<int>{9}));
  EXPECT_EQ(mOut->QuestionTypes().front(), CZelTextOut::kOkCancel);
  EXPECT_EQ(ToneNumber(*mA, 0, 0), 0);
  Bris::Domain().Undo();
  EXPECT_TRUE(before.Matches(*mA));
}

TEST_F(CopyAndDeleteTest, DeleteCancelled_ChangesNothingAndSavesNothing) {
  UseSlot(*mA, CParameter::kPatch, 0, "P");
  mOut->QueueAnswer(CZelTextOut::kAnswerCancel);
  const DataSetSnapshot before(*mA);

  EXPECT_FALSE(mMid.EditDelete(*mA, {0}, CParameter::kPatch, true, true));

  EXPECT_TRUE(before.Matches(*mA));
  EXPECT_FALSE(Bris::Domain().IsUndoReady());
}

TEST_F(CopyAndDeleteTest, DeleteBlankSlot_SucceedsAndChangesNothing) {
  UseSlot(*mA, CParameter::kWave, 0, "W");
  const DataSetSnapshot before(*mA);

  EXPECT_TRUE(mMid.EditDelete(*mA, {7}, CParameter::kWave, false, true));

  EXPECT_TRUE(before.Matches(*mA));
}

} // namespace
} // namespace BrisTest
