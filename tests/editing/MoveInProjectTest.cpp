#include "EditingFixture.h"

namespace BrisTest {
namespace {

using Bris::CParameter;

class MoveInProjectTest : public EditingFixture {
protected:
  void SetUp() override {
    EditingFixture::SetUp();
    Clipboard().mCopy = 0;
  }

  int MoveDrop(std::vector<unsigned int> rows, unsigned int first, bool insert,
               CParameter::EDataType kind) {
    return PerformDrop({mA.get(), mA.get(), kind, rows, first, insert, false});
  }
};

TEST_F(MoveInProjectTest, InsertTone5AtSlot0_PatchesFollowBeforeTheSourceIsDeleted) {
  // GIVEN patches 3 and 8 play tone 5 (index 4), patch 9 plays tone 1
  for (unsigned int t : {0u, 4u}) {
    UseSlot(*mA, CParameter::kTone, t, "T" + std::to_string(t + 1));
  }
  for (unsigned int p : {3u, 8u, 9u}) {
    UseSlot(*mA, CParameter::kPatch, p, "P");
  }
  PlayTone(*mA, 3, 0, 5);
  PlayTone(*mA, 8, 1, 5);
  PlayTone(*mA, 9, 0, 1);

  // WHEN only the paste half of the drag runs
  mMid.EditCopy(*mA, {4}, CParameter::kTone);
  ASSERT_EQ(mMid.EditInsert(*mA, 0, CParameter::kTone, false), 1);

  // THEN the patches play tone 1, the moved tone lists them without its tag, and the source, now
  // at index 5, is still there but played by nobody
  EXPECT_EQ(ToneNumber(*mA, 3, 0), 1);
  EXPECT_EQ(ToneNumber(*mA, 8, 1), 1);
  EXPECT_EQ(ToneNumber(*mA, 9, 0), 2);
  EXPECT_EQ(PatchesOf(*mA, 0), (std::vector<unsigned int>{3, 8}));
  EXPECT_EQ(mA->mTones.Get(5)->GetName(), "T5");
  EXPECT_TRUE(PatchesOf(*mA, 5).empty());
  EXPECT_TRUE(IsConsistent(*mA));

  // WHEN the drag code deletes the source at its new place
  mMid.EditDelete(*mA, {5}, CParameter::kTone, false, true);
  EXPECT_EQ(ToneNumber(*mA, 3, 0), 1);
  EXPECT_TRUE(mA->mTones.Get(5)->IsBlank());
  EXPECT_TRUE(IsConsistent(*mA));
}

TEST_F(MoveInProjectTest, InsertLastTonePushedOffByItsOwnInsertion_PatchesStillFollow) {
  UseSlot(*mA, CParameter::kTone, 895, "Last");
  UseSlot(*mA, CParameter::kPatch, 0, "P");
  PlayTone(*mA, 0, 0, 896);

  ASSERT_EQ(MoveDrop({895}, 0, true, CParameter::kTone), 1);

  EXPECT_EQ(mOut->Questions(), (std::vector<int>{11}));
  EXPECT_EQ(ToneNumber(*mA, 0, 0), 1);
  EXPECT_EQ(PatchesOf(*mA, 0), (std::vector<unsigned int>{0}));
  EXPECT_TRUE(mA->mTones.Get(895)->IsBlank());
  EXPECT_TRUE(IsConsistent(*mA));
}

TEST_F(MoveInProjectTest, InsertScatteredSelectionOntoItsOwnFirstRow_DeletesTheShiftedSources) {
  // GIVEN patches 2..6 used, patch 3 and patch 5 playing tones; patches 3 and 5 are selected
  for (unsigned int p = 1; p <= 5; ++p) {
    UseSlot(*mA, CParameter::kPatch, p, "P" + std::to_string(p + 1));
  }
  UseSlot(*mA, CParameter::kTone, 0, "T1");
  UseSlot(*mA, CParameter::kTone, 1, "T2");
  PlayTone(*mA, 2, 0, 1);
  PlayTone(*mA, 4, 0, 2);

  // WHEN they are moved by insertion onto row 3, the first of them
  ASSERT_EQ(MoveDrop({2, 4}, 2, true, CParameter::kPatch), 2);

  // THEN the copies stand at rows 3 and 4; the sources, pushed to rows 5 and 7, are deleted
  const std::vector<std::string> expected = {"", "P2", "P3", "P5", "", "P4", "", "P6"};
  for (unsigned int p = 0; p < expected.size(); ++p) {
    const Bris::CPatch* patch = mA->mPatches.Get(p);
    EXPECT_EQ(patch->IsBlank() ? "" : patch->GetName(), expected[p]) << "row " << p + 1;
  }
  EXPECT_EQ(PatchesOf(*mA, 0), (std::vector<unsigned int>{2}));
  EXPECT_EQ(PatchesOf(*mA, 1), (std::vector<unsigned int>{3}));
  EXPECT_TRUE(IsConsistent(*mA));
}

TEST_F(MoveInProjectTest, ReplaceWave30OntoSlot0_PlayersFollowAndOldWave1IsCut) {
  UseSlot(*mA, CParameter::kWave, 0, "W1");
  UseSlot(*mA, CParameter::kWave, 29, "W30");
  for (unsigned int t : {0u, 1u, 2u}) {
    UseSlot(*mA, CParameter::kTone, t, "T");
  }
  PlayWave(*mA, 0, 0, 0, 30);
  PlayWave(*mA, 0, 4, 1, 30);
  PlayWave(*mA, 1, 0, 0, 1);
  PlayWave(*mA, 2, 0, 0, 30);
  PlayWave(*mA, 2, 0, 1, 1);

  ASSERT_EQ(MoveDrop({29}, 0, false, CParameter::kWave), 1);

  EXPECT_EQ(mOut->Questions(), (std::vector<int>{10}));
  EXPECT_EQ(WaveNumber(*mA, 0, 0, 0), 1);
  EXPECT_EQ(WaveNumber(*mA, 0, 4, 1), 1);
  EXPECT_EQ(WaveNumber(*mA, 2, 0, 0), 1);
  EXPECT_EQ(WaveNumber(*mA, 1, 0, 0), 0);
  EXPECT_EQ(WaveNumber(*mA, 2, 0, 1), 0);
  EXPECT_EQ(mA->mWaves.Get(0)->GetName(), "W30");
  EXPECT_EQ(TonesOf(*mA, 0), (std::vector<unsigned int>{0, 2}));
  EXPECT_TRUE(mA->mWaves.Get(29)->IsBlank());
  EXPECT_TRUE(IsConsistent(*mA));
}

TEST_F(MoveInProjectTest, InsertWaves_EachSectionFollowsOnceWhenNewAndOldNumbersMeet) {
  // GIVEN tone 0 plays wave 6 (index 5), tone 1 plays wave 7 (index 6); both waves move to slot 6,
  // so the first one's new number, 7, is the second one's old number
  UseSlot(*mA, CParameter::kWave, 5, "A");
  UseSlot(*mA, CParameter::kWave, 6, "B");
  UseSlot(*mA, CParameter::kWave, 20, "C");
  UseSlot(*mA, CParameter::kTone, 0, "T0");
  UseSlot(*mA, CParameter::kTone, 1, "T1");
  PlayWave(*mA, 0, 0, 0, 6);
  PlayWave(*mA, 1, 0, 0, 7);
  PlayWave(*mA, 1, 1, 0, 21);

  mMid.EditCopy(*mA, {5, 6}, CParameter::kWave);
  ASSERT_EQ(mMid.EditInsert(*mA, 6, CParameter::kWave, false), 2);

  EXPECT_EQ(WaveNumber(*mA, 0, 0, 0), 7);
  EXPECT_EQ(WaveNumber(*mA, 1, 0, 0), 8);
  EXPECT_EQ(WaveNumber(*mA, 1, 1, 0), 23);
  EXPECT_TRUE(mMid.SearchWaveSet({0, 0, 0}));
  EXPECT_TRUE(mMid.SearchWaveSet({1, 0, 0}));
  EXPECT_FALSE(mMid.SearchWaveSet({1, 1, 0}));
  EXPECT_TRUE(IsConsistent(*mA));

  // the drag code then deletes the sources at 5 and 8
  mMid.EditDelete(*mA, {5, 8}, CParameter::kWave, false, true);
  EXPECT_EQ(mA->mWaves.Get(6)->GetName(), "A");
  EXPECT_EQ(mA->mWaves.Get(7)->GetName(), "B");
  EXPECT_EQ(TonesOf(*mA, 6), (std::vector<unsigned int>{0}));
  EXPECT_EQ(TonesOf(*mA, 7), (std::vector<unsigned int>{1}));
  EXPECT_TRUE(IsConsistent(*mA));
}

TEST_F(MoveInProjectTest, ReplaceTonesOverlappingTheirOwnRows_PatchesFollowBySnapshot) {
  // GIVEN tones 5 and 6 (numbers 6, 7) move one slot down, onto 6 and 7
  for (unsigned int t : {5u, 6u, 7u}) {
    UseSlot(*mA, CParameter::kTone, t, "T" + std::to_string(t));
  }
  for (unsigned int p : {0u, 1u, 2u}) {
    UseSlot(*mA, CParameter::kPatch, p, "P");
  }
  PlayTone(*mA, 0, 0, 6);
  PlayTone(*mA, 1, 0, 7);
  PlayTone(*mA, 2, 0, 8);

  ASSERT_EQ(MoveDrop({5, 6}, 6, false, CParameter::kTone), 2);

  EXPECT_EQ(ToneNumber(*mA, 0, 0), 7);
  EXPECT_EQ(ToneNumber(*mA, 1, 0), 8);
  EXPECT_EQ(ToneNumber(*mA, 2, 0), 0); // its tone was overwritten
  EXPECT_TRUE(mA->mTones.Get(5)->IsBlank());
  EXPECT_EQ(mA->mTones.Get(6)->GetName(), "T5");
  EXPECT_EQ(mA->mTones.Get(7)->GetName(), "T6");
  EXPECT_TRUE(IsConsistent(*mA));
}

TEST_F(MoveInProjectTest, MoveRowsWithBlankButPlayedTone_LeavesNoStaleBackReference) {
  // GIVEN rows 3 and 4 are selected; tone 4 has no file but patch 2 still plays it
  UseSlot(*mA, CParameter::kTone, 3, "T");
  UseSlot(*mA, CParameter::kPatch, 2, "P");
  PlayTone(*mA, 2, 0, 5);
  ASSERT_TRUE(IsConsistent(*mA));

  // WHEN they move to slot 0; the drag code deletes only the used source row
  ASSERT_EQ(MoveDrop({3, 4}, 0, true, CParameter::kTone), 2);

  // THEN patch 2 follows the blank tone to slot 1, and its old place lists nobody
  EXPECT_EQ(ToneNumber(*mA, 2, 0), 2);
  EXPECT_EQ(PatchesOf(*mA, 1), (std::vector<unsigned int>{2}));
  EXPECT_TRUE(PatchesOf(*mA, 6).empty());
  EXPECT_TRUE(IsConsistent(*mA));
}

TEST_F(MoveInProjectTest, MoveRowsWithBlankButPlayedWave_LeavesNoStaleBackReference) {
  UseSlot(*mA, CParameter::kWave, 10, "W");
  UseSlot(*mA, CParameter::kTone, 0, "T");
  PlayWave(*mA, 0, 2, 0, 12); // wave 12 (index 11) has no file

  // by insertion to slot 0, then from there by replacement onto slot 20
  ASSERT_EQ(MoveDrop({10, 11}, 0, true, CParameter::kWave), 2);
  EXPECT_EQ(WaveNumber(*mA, 0, 2, 0), 2);
  EXPECT_TRUE(IsConsistent(*mA));
  ASSERT_EQ(MoveDrop({0, 1}, 20, false, CParameter::kWave), 2);
  EXPECT_EQ(WaveNumber(*mA, 0, 2, 0), 22);
  EXPECT_EQ(TonesOf(*mA, 21), (std::vector<unsigned int>{0}));
}

TEST_F(MoveInProjectTest, MoveWaves_NeedsNoRoomForTheirFiles) {
  // GIVEN waves filling the memory to the limit; moving one does not add its size
  const std::uintmax_t half = Bris::CParameterMid::kWaveMemoryLimit / 2;
  UseSlot(*mA, CParameter::kWave, 0, "A", MakeFile("a.w00", half));
  UseSlot(*mA, CParameter::kWave, 1, "B", MakeFile("b.w00", half));

  EXPECT_EQ(MoveDrop({1}, 5, true, CParameter::kWave), 1);
  EXPECT_TRUE(mOut->Errors().empty());
  EXPECT_EQ(mA->mWaves.Get(5)->GetName(), "B");
  EXPECT_TRUE(mA->mWaves.Get(1)->IsBlank());
}

} // namespace
} // namespace BrisTest
