#include "EditingFixture.h"

namespace BrisTest {
namespace {

using Bris::CParameter;

class CopyInProjectTest : public EditingFixture {
protected:
  int CopyDrop(std::vector<unsigned int> rows, unsigned int first, bool insert,
               CParameter::EDataType kind) {
    return PerformDrop({mA.get(), mA.get(), kind, rows, first, insert, true});
  }
};

TEST_F(CopyInProjectTest, InsertThreeTonesAtSlot10_RenumbersEveryReferenceBehindThem) {
  // GIVEN tones 0..2 and 10..20 used; patch 0 plays tone 20 (index 19), whose wave 50 lists it;
  // tones 12 and 15 both play wave 60; patch 1 plays tone 895; tone 896 is used too
  for (unsigned int t : {0u, 1u, 2u, 12u, 15u, 19u, 894u, 895u}) {
    UseSlot(*mA, CParameter::kTone, t, "T" + std::to_string(t));
  }
  UseSlot(*mA, CParameter::kWave, 49, "W50");
  UseSlot(*mA, CParameter::kWave, 59, "W60");
  UseSlot(*mA, CParameter::kPatch, 0, "P0");
  UseSlot(*mA, CParameter::kPatch, 1, "P1");
  PlayTone(*mA, 0, 0, 20);
  PlayTone(*mA, 1, 1, 895);
  PlayWave(*mA, 19, 0, 0, 50);
  PlayWave(*mA, 12, 0, 0, 60);
  PlayWave(*mA, 15, 3, 1, 60);
  PlayWave(*mA, 1, 0, 0, 50);

  ASSERT_EQ(CopyDrop({0, 1, 2}, 10, true, CParameter::kTone), 3);

  // THEN (after confirming that used tones fall off the end)
  EXPECT_EQ(mOut->Questions(), (std::vector<int>{11}));
  EXPECT_EQ(ToneNumber(*mA, 0, 0), 23);
  EXPECT_EQ(TonesOf(*mA, 49), (std::vector<unsigned int>{1, 22, 11}));
  // both 12 and 15 are shifted, although 15 = 12 + 3
  EXPECT_EQ(TonesOf(*mA, 59), (std::vector<unsigned int>{15, 18}));
  EXPECT_EQ(ToneNumber(*mA, 1, 1), 0);
  EXPECT_EQ(mA->mPatches.Get(1)->GetPatchTone(1).GetToneSwitch(), 1);
  // tone 20 moved down three slots; the last three tones, two of them used, are gone
  EXPECT_EQ(mA->mTones.Get(22)->GetName(), "T19");
  for (std::size_t t = 0; t < mA->mTones.size(); ++t) {
    EXPECT_NE(mA->mTones.Get(t)->GetName(), "T894");
    EXPECT_NE(mA->mTones.Get(t)->GetName(), "T895");
  }
  // the copies play the same waves, and no patch plays them
  EXPECT_EQ(mA->mTones.Get(11)->GetName(), "T1");
  EXPECT_EQ(WaveNumber(*mA, 11, 0, 0), 50);
  EXPECT_TRUE(PatchesOf(*mA, 11).empty());
  EXPECT_EQ(mA->mTones.size(), 896u);
  EXPECT_TRUE(IsConsistent(*mA));
}

TEST_F(CopyInProjectTest, InsertPatches_ShiftsBothBackReferencesThatDifferByTheCount) {
  // GIVEN tone 1 lists patches 1 and 3; two patches are inserted at slot 0
  for (unsigned int p : {1u, 3u, 7u}) {
    UseSlot(*mA, CParameter::kPatch, p, "P");
  }
  UseSlot(*mA, CParameter::kTone, 0, "T");
  PlayTone(*mA, 1, 0, 1);
  PlayTone(*mA, 3, 1, 1);
  PlayTone(*mA, 7, 0, 1);

  ASSERT_EQ(CopyDrop({7, 1}, 0, true, CParameter::kPatch), 2);

  // THEN the old patches 1 and 3 are 3 and 5, and the copies at 0 and 1 play tone 1 as well
  EXPECT_EQ(ToneNumber(*mA, 0, 0), 1);
  EXPECT_EQ(ToneNumber(*mA, 3, 0), 1);
  EXPECT_EQ(ToneNumber(*mA, 5, 1), 1);
  const std::vector<unsigned int>& list = PatchesOf(*mA, 0);
  EXPECT_EQ(std::set<unsigned int>(list.begin(), list.end()),
            (std::set<unsigned int>{0, 1, 3, 5, 9}));
  EXPECT_TRUE(IsConsistent(*mA));
}

TEST_F(CopyInProjectTest, InsertAtSlot0OfFullList_LastSlotsAreLostWithTheirReferences) {
  UseAllBut(*mA, CParameter::kPatch, {});
  UseSlot(*mA, CParameter::kTone, 0, "T");
  PlayTone(*mA, 511, 0, 1);
  PlayTone(*mA, 100, 0, 1);

  ASSERT_EQ(CopyDrop({5}, 0, true, CParameter::kPatch), 1);

  EXPECT_EQ(mOut->Questions(), (std::vector<int>{11}));
  EXPECT_EQ(mA->mPatches.Get(0)->GetName(), "S5");
  EXPECT_EQ(mA->mPatches.Get(511)->GetName(), "S510");
  EXPECT_EQ(PatchesOf(*mA, 0), (std::vector<unsigned int>{101}));
  EXPECT_TRUE(IsConsistent(*mA));
}

TEST_F(CopyInProjectTest, ReplaceUsedTone_ItsPatchesPlayNothingAndTheCopyIsUnplayed) {
  // GIVEN patches 0 and 1 playing tone 3, tone 1 played by patch 2 is copied over tone 3
  UseSlot(*mA, CParameter::kTone, 0, "Src");
  UseSlot(*mA, CParameter::kTone, 2, "Old");
  UseSlot(*mA, CParameter::kWave, 0, "W");
  PlayWave(*mA, 0, 0, 0, 1);
  PlayWave(*mA, 2, 0, 0, 1);
  PlayTone(*mA, 0, 0, 3);
  PlayTone(*mA, 1, 1, 3);
  PlayTone(*mA, 2, 0, 1);

  ASSERT_EQ(CopyDrop({0}, 2, false, CParameter::kTone), 1);

  EXPECT_EQ(mOut->Questions(), (std::vector<int>{10}));
  EXPECT_EQ(ToneNumber(*mA, 0, 0), 0);
  EXPECT_EQ(ToneNumber(*mA, 1, 1), 0);
  EXPECT_EQ(mA->mPatches.Get(0)->GetPatchTone(0).GetToneSwitch(), 1);
  EXPECT_EQ(ToneNumber(*mA, 2, 0), 1);
  EXPECT_EQ(mA->mTones.Get(2)->GetName(), "Src");
  EXPECT_TRUE(PatchesOf(*mA, 2).empty());
  EXPECT_EQ(TonesOf(*mA, 0), (std::vector<unsigned int>{0, 2}));
  EXPECT_TRUE(IsConsistent(*mA));
}

TEST_F(CopyInProjectTest, ReplacePatches_OldTonesLoseThemAndNewTonesListThem) {
  for (unsigned int p : {0u, 10u, 11u, 12u}) {
    UseSlot(*mA, CParameter::kPatch, p, "P" + std::to_string(p));
  }
  for (unsigned int t : {0u, 1u, 2u}) {
    UseSlot(*mA, CParameter::kTone, t, "T");
  }
  PlayTone(*mA, 0, 0, 3);
  PlayTone(*mA, 10, 0, 1);
  PlayTone(*mA, 11, 1, 2);
  PlayTone(*mA, 12, 0, 1);

  ASSERT_EQ(CopyDrop({0, 0}, 10, false, CParameter::kPatch), 2);

  EXPECT_EQ(mA->mPatches.Get(12)->GetName(), "P12");
  EXPECT_EQ(PatchesOf(*mA, 0), (std::vector<unsigned int>{12}));
  EXPECT_TRUE(PatchesOf(*mA, 1).empty());
  EXPECT_EQ(PatchesOf(*mA, 2), (std::vector<unsigned int>{0, 10, 11}));
  EXPECT_TRUE(IsConsistent(*mA));
}

TEST_F(CopyInProjectTest, CopyWavesByInsertion_NewWavesUnplayedOthersRenumbered) {
  UseSlot(*mA, CParameter::kWave, 0, "A");
  UseSlot(*mA, CParameter::kWave, 4, "B");
  UseSlot(*mA, CParameter::kTone, 0, "T");
  PlayWave(*mA, 0, 0, 0, 1);
  PlayWave(*mA, 0, 0, 1, 5);

  ASSERT_EQ(CopyDrop({4, 0}, 1, true, CParameter::kWave), 2);

  EXPECT_EQ(mA->mWaves.Get(1)->GetName(), "B");
  EXPECT_EQ(mA->mWaves.Get(2)->GetName(), "A");
  EXPECT_TRUE(TonesOf(*mA, 1).empty());
  EXPECT_TRUE(TonesOf(*mA, 2).empty());
  EXPECT_EQ(WaveNumber(*mA, 0, 0, 0), 1);
  EXPECT_EQ(WaveNumber(*mA, 0, 0, 1), 7);
  EXPECT_TRUE(IsConsistent(*mA));
}

} // namespace
} // namespace BrisTest
