#include "EditingFixture.h"

namespace BrisTest {
namespace {

using Bris::CParameter;

// Source project A and target project B.
class PasteFromOtherProjectTest : public EditingFixture {
protected:
  // A: patch 0 plays tone 7, which plays waves 2 and 9.
  void MakeSourcePatchWithToneAndWaves() {
    UseSlot(*mA, CParameter::kPatch, 0, "Lead");
    UseSlot(*mA, CParameter::kTone, 6, "T7");
    UseSlot(*mA, CParameter::kWave, 1, "W2");
    UseSlot(*mA, CParameter::kWave, 8, "W9");
    PlayTone(*mA, 0, 0, 7);
    PlayWave(*mA, 6, 0, 0, 2);
    PlayWave(*mA, 6, 0, 1, 9);
    PlayWave(*mA, 6, 7, 0, 9);
  }

  // B: tones 0..99 and waves 0..39 used; patch p (p < 10) plays tone p + 1, tone t (t < 40)
  // plays wave t + 1.
  void MakeTargetWithFirstBlankTone100AndWaves40() {
    UseAllBut(*mB, CParameter::kTone, {});
    for (unsigned int t = 100; t < 896; ++t) {
      mB->mTones.Get(t)->SetFilePath("");
    }
    for (unsigned int w = 0; w < 40; ++w) {
      UseSlot(*mB, CParameter::kWave, w, "W");
    }
    for (unsigned int p = 0; p < 10; ++p) {
      UseSlot(*mB, CParameter::kPatch, p, "P");
      PlayTone(*mB, p, 0, p + 1);
    }
    for (unsigned int t = 0; t < 40; ++t) {
      PlayWave(*mB, t, 0, 0, t + 1);
    }
  }

  int Drop(unsigned int first, bool insert, std::vector<unsigned int> rows = {0},
           CParameter::EDataType kind = CParameter::kPatch) {
    return PerformDrop({mA.get(), mB.get(), kind, rows, first, insert, true});
  }
};

TEST_F(PasteFromOtherProjectTest, InsertPatch_CarriesToneAndWavesIntoFirstBlankSlots) {
  MakeSourcePatchWithToneAndWaves();
  MakeTargetWithFirstBlankTone100AndWaves40();

  ASSERT_EQ(Drop(5, true), 1);

  // THEN the inserted patch 5 plays tone 101, which plays waves 41 and 42 and lists patch 5
  EXPECT_EQ(mB->mPatches.Get(5)->GetName(), "Lead");
  EXPECT_EQ(ToneNumber(*mB, 5, 0), 101);
  EXPECT_EQ(mB->mTones.Get(100)->GetName(), "T7");
  EXPECT_EQ(WaveNumber(*mB, 100, 0, 0), 41);
  EXPECT_EQ(WaveNumber(*mB, 100, 0, 1), 42);
  EXPECT_EQ(WaveNumber(*mB, 100, 7, 0), 42);
  EXPECT_EQ(PatchesOf(*mB, 100), (std::vector<unsigned int>{5}));
  EXPECT_EQ(TonesOf(*mB, 40), (std::vector<unsigned int>{100}));
  EXPECT_EQ(TonesOf(*mB, 41), (std::vector<unsigned int>{100}));
  // the patches from slot 5 on moved down one slot and keep their tones
  EXPECT_EQ(ToneNumber(*mB, 6, 0), 6);
  EXPECT_EQ(PatchesOf(*mB, 5), (std::vector<unsigned int>{6}));
  EXPECT_EQ(ToneNumber(*mB, 4, 0), 5);
  EXPECT_TRUE(IsConsistent(*mB));
  // the source is untouched by a copy
  EXPECT_EQ(ToneNumber(*mA, 0, 0), 7);
  EXPECT_TRUE(IsConsistent(*mA));
  EXPECT_TRUE(mOut->Questions().empty());
}

TEST_F(PasteFromOtherProjectTest, ReplacePatch_CarriesToneAndWavesIntoFirstBlankSlots) {
  MakeSourcePatchWithToneAndWaves();
  MakeTargetWithFirstBlankTone100AndWaves40();

  ASSERT_EQ(Drop(3, false), 1);

  // THEN patch 3 plays tone 101 now; tone 4, which old patch 3 played, no longer lists it
  EXPECT_EQ(mOut->Questions(), (std::vector<int>{10}));
  EXPECT_EQ(ToneNumber(*mB, 3, 0), 101);
  EXPECT_EQ(WaveNumber(*mB, 100, 0, 0), 41);
  EXPECT_EQ(WaveNumber(*mB, 100, 0, 1), 42);
  EXPECT_EQ(PatchesOf(*mB, 100), (std::vector<unsigned int>{3}));
  EXPECT_TRUE(PatchesOf(*mB, 3).empty());
  EXPECT_EQ(ToneNumber(*mB, 4, 0), 5); // slot 4 untouched
  EXPECT_TRUE(IsConsistent(*mB));
}

TEST_F(PasteFromOtherProjectTest, InsertPatch_WithoutBlankWaveSlot_IsRefusedWithError6) {
  MakeSourcePatchWithToneAndWaves();
  MakeTargetWithFirstBlankTone100AndWaves40();
  UseAllBut(*mB, CParameter::kWave, {});
  const DataSetSnapshot before(*mB);

  EXPECT_EQ(Drop(5, true), 0);

  EXPECT_EQ(mOut->Errors(), (std::vector<int>{6}));
  EXPECT_TRUE(before.Matches(*mB));
  EXPECT_FALSE(Bris::Domain().IsUndoReady());
}

TEST_F(PasteFromOtherProjectTest, ReplacePatch_WithTooFewBlankToneSlots_IsRefusedWithError11) {
  MakeSourcePatchWithToneAndWaves();
  UseAllBut(*mB, CParameter::kTone, {});
  const DataSetSnapshot before(*mB);

  EXPECT_FALSE(Drop(0, false));

  EXPECT_EQ(mOut->Errors(), (std::vector<int>{11}));
  EXPECT_TRUE(before.Matches(*mB));
}

TEST_F(PasteFromOtherProjectTest, CarriedRecordsTakingBlankSlotsStillPlayed_CutTheOldReferences) {
  // GIVEN target patch 20 plays blank tone slot 100 and target tone 3 plays blank wave slot 40,
  // as reading leaves references to missing files
  MakeSourcePatchWithToneAndWaves();
  MakeTargetWithFirstBlankTone100AndWaves40();
  UseSlot(*mB, CParameter::kPatch, 20, "Stale");
  PlayTone(*mB, 20, 1, 101);
  PlayWave(*mB, 3, 9, 1, 41);
  ASSERT_TRUE(IsConsistent(*mB));

  ASSERT_EQ(Drop(0, true), 1);

  // THEN the old referrers play nothing rather than the newcomers
  EXPECT_EQ(ToneNumber(*mB, 21, 1), 0); // patch 20 moved to 21
  EXPECT_EQ(WaveNumber(*mB, 3, 9, 1), 0);
  EXPECT_EQ(PatchesOf(*mB, 100), (std::vector<unsigned int>{0}));
  EXPECT_EQ(TonesOf(*mB, 40), (std::vector<unsigned int>{100}));
  EXPECT_TRUE(IsConsistent(*mB));
}

TEST_F(PasteFromOtherProjectTest, ReplaceTones_OldReferrersOfReceivingWaveSlotsAreCut) {
  // GIVEN target tone 8 plays the blank wave slot 0, which will receive the carried wave
  UseSlot(*mA, CParameter::kTone, 2, "T");
  UseSlot(*mA, CParameter::kWave, 4, "W");
  PlayWave(*mA, 2, 1, 0, 5);
  UseSlot(*mB, CParameter::kTone, 8, "Old");
  PlayWave(*mB, 8, 0, 0, 1);

  ASSERT_TRUE(Drop(10, false, {2}, CParameter::kTone));

  EXPECT_EQ(WaveNumber(*mB, 8, 0, 0), 0);
  EXPECT_EQ(WaveNumber(*mB, 10, 1, 0), 1);
  EXPECT_EQ(TonesOf(*mB, 0), (std::vector<unsigned int>{10}));
  EXPECT_TRUE(IsConsistent(*mB));
}

TEST_F(PasteFromOtherProjectTest, InsertTone_PlaysCarriedWavesAndNoPatchPlaysIt) {
  // GIVEN source tone 3 playing waves 7 and 2 and played by a source patch; target waves 0..9
  // used, target patch 0 playing tone 1
  UseSlot(*mA, CParameter::kTone, 3, "T");
  UseSlot(*mA, CParameter::kPatch, 0, "P");
  UseSlot(*mA, CParameter::kWave, 1, "W2");
  UseSlot(*mA, CParameter::kWave, 6, "W7");
  PlayTone(*mA, 0, 0, 4);
  PlayWave(*mA, 3, 0, 0, 7);
  PlayWave(*mA, 3, 2, 1, 2);
  for (unsigned int w = 0; w < 10; ++w) {
    UseSlot(*mB, CParameter::kWave, w, "W");
  }
  UseSlot(*mB, CParameter::kTone, 0, "T1");
  UseSlot(*mB, CParameter::kPatch, 0, "P");
  PlayTone(*mB, 0, 0, 1);
  PlayWave(*mB, 0, 0, 0, 3);

  ASSERT_EQ(Drop(0, true, {3}, CParameter::kTone), 1);

  EXPECT_EQ(ToneNumber(*mB, 0, 0), 2); // the old tone 1 moved to slot 1
  EXPECT_EQ(TonesOf(*mB, 2), (std::vector<unsigned int>{1}));
  EXPECT_TRUE(PatchesOf(*mB, 0).empty());
  EXPECT_EQ(WaveNumber(*mB, 0, 0, 0), 12); // wave 7 -> second blank slot, 11
  EXPECT_EQ(WaveNumber(*mB, 0, 2, 1), 11); // wave 2 -> first blank slot, 10
  EXPECT_EQ(TonesOf(*mB, 10), (std::vector<unsigned int>{0}));
  EXPECT_EQ(TonesOf(*mB, 11), (std::vector<unsigned int>{0}));
  EXPECT_TRUE(IsConsistent(*mB));
}

TEST_F(PasteFromOtherProjectTest, InsertWaves_RenumbersSectionsAndDropsWavesPushedOff) {
  // GIVEN a target tone playing wave 995 and wave 3, and 5 waves pasted at slot 0
  for (unsigned int w = 0; w < 5; ++w) {
    UseSlot(*mA, CParameter::kWave, w, "N");
  }
  UseSlot(*mB, CParameter::kWave, 994, "Far");
  UseSlot(*mB, CParameter::kWave, 2, "Near");
  UseSlot(*mB, CParameter::kTone, 0, "T");
  PlayWave(*mB, 0, 0, 0, 995);
  PlayWave(*mB, 0, 0, 1, 3);

  ASSERT_EQ(Drop(0, true, {0, 1, 2, 3, 4}, CParameter::kWave), 5);

  // THEN confirming question 11 pushed wave 995 off; wave 3 is wave 8 now
  EXPECT_EQ(mOut->Questions(), (std::vector<int>{11}));
  EXPECT_EQ(WaveNumber(*mB, 0, 0, 0), 0);
  EXPECT_EQ(WaveNumber(*mB, 0, 0, 1), 8);
  EXPECT_EQ(TonesOf(*mB, 7), (std::vector<unsigned int>{0}));
  for (unsigned int w = 0; w < 5; ++w) {
    EXPECT_TRUE(TonesOf(*mB, w).empty());
  }
  EXPECT_TRUE(IsConsistent(*mB));
}

TEST_F(PasteFromOtherProjectTest, NumbersBeyondTheLists_TravelAndStayAsReadThroughEveryInsert) {
  // GIVEN source patch 0 playing tone 7 and tone 3488 (beyond the list, as a file may hold), and
  // tone 7 playing wave 2 and wave 1000
  MakeSourcePatchWithToneAndWaves();
  Bris::CPatchTone& far = mA->mPatches.Get(0)->GetPatchTone(1);
  far.SetToneSwitch(1);
  ASSERT_TRUE(far.SetToneNumber(3488));
  Bris::COsc& farOsc = mA->mTones.Get(6)->GetOsc(5);
  farOsc.SetType(1, Bris::COsc::kWaveType);
  ASSERT_TRUE(farOsc.SetWaveNumber(1, 1000));

  // WHEN the patch, then its tone, then a wave are inserted at slot 0 of the empty target
  ASSERT_EQ(Drop(0, true, {0}, CParameter::kPatch), 1);
  EXPECT_EQ(ToneNumber(*mB, 0, 0), 1);
  EXPECT_EQ(ToneNumber(*mB, 0, 1), 3488);
  EXPECT_EQ(WaveNumber(*mB, 0, 5, 1), 1000);
  ASSERT_EQ(Drop(0, true, {6}, CParameter::kTone), 1);
  ASSERT_EQ(Drop(0, true, {1}, CParameter::kWave), 1);

  // THEN only the numbers that name slots moved; the others are the bytes as read
  EXPECT_EQ(ToneNumber(*mB, 0, 0), 2);
  EXPECT_EQ(ToneNumber(*mB, 0, 1), 3488);
  for (unsigned int t : {0u, 1u}) {
    EXPECT_EQ(WaveNumber(*mB, t, 5, 1), 1000) << t;
    EXPECT_NE(WaveNumber(*mB, t, 0, 0), 0) << t;
  }
  EXPECT_TRUE(PatchesOf(*mB, 0).empty());
  EXPECT_EQ(PatchesOf(*mB, 1), (std::vector<unsigned int>{0}));
}

TEST_F(PasteFromOtherProjectTest, ReplaceWaves_NewWavesListNoToneAndOverwrittenOnesAreCut) {
  UseSlot(*mA, CParameter::kWave, 0, "New");
  UseSlot(*mA, CParameter::kTone, 0, "T");
  PlayWave(*mA, 0, 0, 0, 1);
  for (unsigned int w = 0; w < 6; ++w) {
    UseSlot(*mB, CParameter::kWave, w, "W");
  }
  UseSlot(*mB, CParameter::kTone, 2, "T");
  PlayWave(*mB, 2, 0, 0, 5);
  PlayWave(*mB, 2, 1, 0, 6);

  ASSERT_EQ(Drop(4, false, {0}, CParameter::kWave), 1);

  EXPECT_EQ(mB->mWaves.Get(4)->GetName(), "New");
  EXPECT_TRUE(TonesOf(*mB, 4).empty());
  EXPECT_EQ(WaveNumber(*mB, 2, 0, 0), 0);
  EXPECT_EQ(WaveNumber(*mB, 2, 1, 0), 6);
  EXPECT_TRUE(IsConsistent(*mB));
}

TEST_F(PasteFromOtherProjectTest, MoveBetweenProjects_OneUndoRestoresBothAndSecondRedoes) {
  MakeSourcePatchWithToneAndWaves();
  MakeTargetWithFirstBlankTone100AndWaves40();
  const DataSetSnapshot sourceBefore(*mA);
  const DataSetSnapshot targetBefore(*mB);

  ASSERT_EQ(PerformDrop({mA.get(), mB.get(), CParameter::kPatch, {0}, 5, true, false}), 1);

  EXPECT_TRUE(mA->mPatches.Get(0)->IsBlank());
  EXPECT_TRUE(PatchesOf(*mA, 6).empty());
  EXPECT_TRUE(IsConsistent(*mA));
  EXPECT_TRUE(IsConsistent(*mB));
  const DataSetSnapshot sourceAfter(*mA);
  const DataSetSnapshot targetAfter(*mB);
  Bris::Domain().Undo();
  EXPECT_TRUE(sourceBefore.Matches(*mA));
  EXPECT_TRUE(targetBefore.Matches(*mB));
  Bris::Domain().Undo();
  EXPECT_TRUE(sourceAfter.Matches(*mA));
  EXPECT_TRUE(targetAfter.Matches(*mB));
}

} // namespace
} // namespace BrisTest
