#include "EditingFixture.h"

#include "editing/CDropEdit.h"

namespace BrisTest {
namespace {

using Bris::CDropEdit;
using Bris::CParameter;

// The drop half of a row drag, after the drag start has copied the selection as the list does.
class CDropEditTest : public EditingFixture {
protected:
  CDropEdit::SResult Drop(CZelData& source, CZelData& target, CParameter::EDataType kind,
                          const std::vector<unsigned int>& selected, unsigned int dropIndex,
                          bool insert, bool copy) {
    mMid.EditCopy(source, selected, kind);
    CDropEdit::SRequest request;
    request.source = &source;
    request.target = &target;
    request.sourceKind = kind;
    request.targetKind = kind;
    request.sourceIndexes = selected;
    request.dropIndex = dropIndex;
    request.insertMode = insert;
    request.copy = copy;
    CDropEdit::SResult result = CDropEdit().Perform(request);
    Clipboard().Clear();
    return result;
  }

  // Patches 0..11 named P1..P12; patch p plays tone p + 1, tone t plays wave t + 1.
  void MakeTwelvePatchesWithTonesAndWaves(CZelData& data) {
    for (unsigned int i = 0; i < 12; ++i) {
      UseSlot(data, CParameter::kPatch, i, "P" + std::to_string(i + 1));
      UseSlot(data, CParameter::kTone, i, "T" + std::to_string(i + 1));
      UseSlot(data, CParameter::kWave, i, "W" + std::to_string(i + 1));
      PlayTone(data, i, 0, i + 1);
      PlayWave(data, i, 0, 0, i + 1);
    }
  }

  std::string PatchName(const CZelData& data, unsigned int index) const {
    return data.mPatches.Get(index)->GetName();
  }
  std::string ToneName(const CZelData& data, unsigned int index) const {
    return data.mTones.Get(index)->GetName();
  }
};

TEST_F(CDropEditTest, Rows3And4DroppedOnRow10_ReplacePatches10And11AndBlankTheSources) {
  MakeTwelvePatchesWithTonesAndWaves(*mA);

  const auto result = Drop(*mA, *mA, CParameter::kPatch, {2, 3}, 9, false, false);

  // THEN patches 10 and 11 are the old 3 and 4, asked about first because they were used
  EXPECT_EQ(mOut->Questions(), (std::vector<int>{10}));
  ASSERT_TRUE(result.pasted);
  EXPECT_EQ(result.pastedCount, 2u);
  EXPECT_EQ(result.firstPastedIndex, 9u);
  EXPECT_EQ(result.deletedSourceIndexes, (std::vector<unsigned int>{2, 3}));
  EXPECT_TRUE(result.targetModified);
  EXPECT_FALSE(result.sourceModified);
  EXPECT_EQ(PatchName(*mA, 9), "P3");
  EXPECT_EQ(PatchName(*mA, 10), "P4");
  EXPECT_EQ(PatchName(*mA, 11), "P12");
  EXPECT_TRUE(mA->mPatches.Get(2)->IsBlank());
  EXPECT_TRUE(mA->mPatches.Get(3)->IsBlank());
  // AND the tones follow their players: tone 3 is played by patch 10 now, tone 10 by nobody
  EXPECT_EQ(ToneNumber(*mA, 9, 0), 3);
  EXPECT_EQ(PatchesOf(*mA, 2), (std::vector<unsigned int>{9}));
  EXPECT_TRUE(PatchesOf(*mA, 9).empty());
  EXPECT_TRUE(IsConsistent(*mA));
}

TEST_F(CDropEditTest, Rows3And4DroppedOnRow10WithOption_InsertBeforeRow10AndBlankTheSources) {
  MakeTwelvePatchesWithTonesAndWaves(*mA);

  const auto result = Drop(*mA, *mA, CParameter::kPatch, {2, 3}, 9, true, false);

  // THEN the two are inserted at rows 10 and 11, the old 10 onward move down, and the sources,
  // which the insertion did not move, are blanked at rows 3 and 4
  EXPECT_TRUE(mOut->Questions().empty());
  ASSERT_TRUE(result.pasted);
  EXPECT_EQ(result.pastedCount, 2u);
  EXPECT_EQ(result.deletedSourceIndexes, (std::vector<unsigned int>{2, 3}));
  EXPECT_EQ(PatchName(*mA, 9), "P3");
  EXPECT_EQ(PatchName(*mA, 10), "P4");
  EXPECT_EQ(PatchName(*mA, 11), "P10");
  EXPECT_EQ(PatchName(*mA, 13), "P12");
  EXPECT_TRUE(mA->mPatches.Get(2)->IsBlank());
  EXPECT_TRUE(mA->mPatches.Get(3)->IsBlank());
  EXPECT_EQ(PatchesOf(*mA, 9), (std::vector<unsigned int>{11})); // tone 10, played by row 12
  EXPECT_EQ(PatchesOf(*mA, 2), (std::vector<unsigned int>{9}));
  EXPECT_TRUE(IsConsistent(*mA));
}

TEST_F(CDropEditTest, MoveInsideOneList_UndoRestoresTheWholeProject) {
  MakeTwelvePatchesWithTonesAndWaves(*mA);
  const DataSetSnapshot before(*mA);

  ASSERT_TRUE(Drop(*mA, *mA, CParameter::kTone, {0, 4}, 8, true, false).pasted);
  Bris::Domain().Undo();

  EXPECT_TRUE(before.Matches(*mA));
}

TEST_F(CDropEditTest, InsertMoveOfRowsAfterTheDropRow_DeletesThemWhereTheInsertionPushedThem) {
  // GIVEN patches 10 and 11 play tones 10 and 11
  MakeTwelvePatchesWithTonesAndWaves(*mA);

  // WHEN tones 10 and 11 are moved before tone 3
  const auto result = Drop(*mA, *mA, CParameter::kTone, {9, 10}, 2, true, false);

  // THEN they are tones 3 and 4, their old places (now 12 and 13) are blank, the players follow
  ASSERT_TRUE(result.pasted);
  EXPECT_EQ(result.deletedSourceIndexes, (std::vector<unsigned int>{11, 12}));
  EXPECT_EQ(ToneName(*mA, 2), "T10");
  EXPECT_EQ(ToneName(*mA, 3), "T11");
  EXPECT_EQ(ToneName(*mA, 4), "T3");
  EXPECT_TRUE(mA->mTones.Get(11)->IsBlank());
  EXPECT_TRUE(mA->mTones.Get(12)->IsBlank());
  EXPECT_EQ(ToneName(*mA, 13), "T12");
  EXPECT_EQ(ToneNumber(*mA, 9, 0), 3);
  EXPECT_EQ(ToneNumber(*mA, 10, 0), 4);
  EXPECT_EQ(ToneNumber(*mA, 2, 0), 5);
  EXPECT_EQ(ToneNumber(*mA, 11, 0), 14);
  EXPECT_TRUE(IsConsistent(*mA));
}

TEST_F(CDropEditTest, InsertMoveOfTheLastRows_SourcesPushedOffTheEndAreNotDeletedAgain) {
  // GIVEN patches 510 and 511 (rows 511 and 512) and patch 508 are used
  for (unsigned int p : {508u, 510u, 511u}) {
    UseSlot(*mA, CParameter::kPatch, p, "P" + std::to_string(p + 1));
  }

  // WHEN rows 511 and 512 are moved to row 1 with Option (the user confirms question 11)
  const auto result = Drop(*mA, *mA, CParameter::kPatch, {510, 511}, 0, true, false);

  // THEN both are at rows 1 and 2; their old records fell off the end, so nothing is left to
  // blank, and the patch pushed from row 509 to row 511 survives
  EXPECT_EQ(mOut->Questions(), (std::vector<int>{11}));
  ASSERT_TRUE(result.pasted);
  EXPECT_TRUE(result.deletedSourceIndexes.empty());
  EXPECT_EQ(PatchName(*mA, 0), "P511");
  EXPECT_EQ(PatchName(*mA, 1), "P512");
  EXPECT_EQ(PatchName(*mA, 510), "P509");
  EXPECT_TRUE(IsConsistent(*mA));
}

TEST_F(CDropEditTest, ReplaceMoveOverlappingItself_KeepsTheSourceSlotsThatNowHoldMovedRows) {
  MakeTwelvePatchesWithTonesAndWaves(*mA);

  // WHEN tones 3 and 4 (indexes 2, 3) are dropped one row lower
  const auto result = Drop(*mA, *mA, CParameter::kTone, {2, 3}, 3, false, false);

  // THEN tone 3 is blank, tones 4 and 5 are the old 3 and 4, and their players follow
  ASSERT_TRUE(result.pasted);
  EXPECT_EQ(result.deletedSourceIndexes, (std::vector<unsigned int>{2}));
  EXPECT_TRUE(mA->mTones.Get(2)->IsBlank());
  EXPECT_EQ(ToneName(*mA, 3), "T3");
  EXPECT_EQ(ToneName(*mA, 4), "T4");
  EXPECT_EQ(ToneNumber(*mA, 2, 0), 4);
  EXPECT_EQ(ToneNumber(*mA, 3, 0), 5);
  EXPECT_EQ(PatchesOf(*mA, 3), (std::vector<unsigned int>{2}));
  EXPECT_EQ(PatchesOf(*mA, 4), (std::vector<unsigned int>{3}));
  EXPECT_TRUE(IsConsistent(*mA));
}

TEST_F(CDropEditTest, BlankSelectedRowsArePastedAsBlanksButNeverDeleted) {
  MakeTwelvePatchesWithTonesAndWaves(*mA);

  // WHEN patch 3 and the blank row 20 are dropped on row 30
  const auto result = Drop(*mA, *mA, CParameter::kPatch, {2, 19}, 29, false, false);

  EXPECT_EQ(result.pastedCount, 2u);
  EXPECT_EQ(result.deletedSourceIndexes, (std::vector<unsigned int>{2}));
  EXPECT_EQ(PatchName(*mA, 29), "P3");
  EXPECT_TRUE(mA->mPatches.Get(30)->IsBlank());
  EXPECT_TRUE(IsConsistent(*mA));
}

TEST_F(CDropEditTest, BlockDroppedOnItsOwnPlaceAsInsertedCopy_DuplicatesItInPlace) {
  // GIVEN patches 3 and 4 play tones 3 and 4
  MakeTwelvePatchesWithTonesAndWaves(*mA);

  // WHEN tones 3 and 4 are dropped onto their own rows with Option and Ctrl
  const auto result = Drop(*mA, *mA, CParameter::kTone, {2, 3}, 2, true, true);

  // THEN copies sit at rows 3 and 4, played by nobody; the originals moved down with their players
  ASSERT_TRUE(result.pasted);
  EXPECT_TRUE(result.deletedSourceIndexes.empty());
  EXPECT_EQ(ToneName(*mA, 2), "T3");
  EXPECT_EQ(ToneName(*mA, 3), "T4");
  EXPECT_EQ(ToneName(*mA, 4), "T3");
  EXPECT_EQ(ToneName(*mA, 5), "T4");
  EXPECT_TRUE(PatchesOf(*mA, 2).empty());
  EXPECT_TRUE(PatchesOf(*mA, 3).empty());
  EXPECT_EQ(ToneNumber(*mA, 2, 0), 5);
  EXPECT_EQ(ToneNumber(*mA, 3, 0), 6);
  // AND the copies play the same waves as the originals
  EXPECT_EQ(WaveNumber(*mA, 2, 0, 0), 3);
  std::vector<unsigned int> players = TonesOf(*mA, 2);
  std::sort(players.begin(), players.end());
  EXPECT_EQ(players, (std::vector<unsigned int>{2, 4}));
  EXPECT_TRUE(IsConsistent(*mA));
}

TEST_F(CDropEditTest, PlainDropBetweenProjects_CopiesAndUndoRestoresTheTargetOnly) {
  MakeTwelvePatchesWithTonesAndWaves(*mA);
  const DataSetSnapshot sourceBefore(*mA);
  const DataSetSnapshot targetBefore(*mB);

  const auto result = Drop(*mA, *mB, CParameter::kPatch, {0, 1}, 4, false, true);

  // THEN the target has patches 5 and 6 with their tones and waves; the source is unchanged
  ASSERT_TRUE(result.pasted);
  EXPECT_TRUE(result.targetModified);
  EXPECT_FALSE(result.sourceModified);
  EXPECT_TRUE(result.deletedSourceIndexes.empty());
  EXPECT_EQ(PatchName(*mB, 4), "P1");
  EXPECT_EQ(ToneNumber(*mB, 4, 0), 1);
  EXPECT_EQ(ToneNumber(*mB, 5, 0), 2);
  EXPECT_EQ(WaveNumber(*mB, 1, 0, 0), 2);
  EXPECT_TRUE(sourceBefore.Matches(*mA));
  EXPECT_TRUE(IsConsistent(*mA));
  EXPECT_TRUE(IsConsistent(*mB));
  EXPECT_EQ(Bris::Domain().GetUndoDoc(1), nullptr);

  Bris::Domain().Undo();
  EXPECT_TRUE(targetBefore.Matches(*mB));
  EXPECT_TRUE(sourceBefore.Matches(*mA));
}

TEST_F(CDropEditTest, CtrlDropBetweenProjects_MovesAndOneUndoRestoresBothProjects) {
  // GIVEN tones 3 and 4 of A are played by patches 3 and 4 and play waves 3 and 4
  MakeTwelvePatchesWithTonesAndWaves(*mA);
  UseSlot(*mB, CParameter::kTone, 0, "Mine");
  const DataSetSnapshot sourceBefore(*mA);
  const DataSetSnapshot targetBefore(*mB);

  for (const bool insert : {false, true}) {
    SCOPED_TRACE(insert ? "insert" : "replace");
    // WHEN they are dragged with Ctrl onto tone row 2 of B
    const auto result = Drop(*mA, *mB, CParameter::kTone, {2, 3}, 1, insert, false);

    // THEN B has them, with their waves carried along, and A's slots are blank, its patches
    // playing nothing where they played them
    ASSERT_TRUE(result.pasted);
    EXPECT_TRUE(result.targetModified);
    EXPECT_TRUE(result.sourceModified);
    EXPECT_EQ(result.deletedSourceIndexes, (std::vector<unsigned int>{2, 3}));
    EXPECT_EQ(ToneName(*mB, 1), "T3");
    EXPECT_EQ(ToneName(*mB, 2), "T4");
    EXPECT_NE(WaveNumber(*mB, 1, 0, 0), 0);
    EXPECT_TRUE(mA->mTones.Get(2)->IsBlank());
    EXPECT_TRUE(mA->mTones.Get(3)->IsBlank());
    EXPECT_EQ(ToneNumber(*mA, 2, 0), 0);
    EXPECT_TRUE(TonesOf(*mA, 2).empty());
    EXPECT_TRUE(IsConsistent(*mA));
    EXPECT_TRUE(IsConsistent(*mB));

    // WHEN undone once: both projects are as before; again: both as after the drop
    Bris::Domain().Undo();
    EXPECT_TRUE(sourceBefore.Matches(*mA));
    EXPECT_TRUE(targetBefore.Matches(*mB));
    Bris::Domain().Undo();
    EXPECT_TRUE(mA->mTones.Get(2)->IsBlank());
    EXPECT_EQ(ToneName(*mB, 1), "T3");
    Bris::Domain().Undo();
    EXPECT_TRUE(sourceBefore.Matches(*mA));
  }
}

TEST_F(CDropEditTest, DeclinedOrRefusedPaste_ChangesNeitherProjectNorDeletesTheSources) {
  MakeTwelvePatchesWithTonesAndWaves(*mA);
  UseSlot(*mB, CParameter::kPatch, 0, "Used");
  const DataSetSnapshot sourceBefore(*mA);
  const DataSetSnapshot targetBefore(*mB);

  // The user cancels the overwrite question of a move onto a used slot.
  mOut->QueueAnswer(CZelTextOut::kAnswerCancel);
  auto result = Drop(*mA, *mB, CParameter::kPatch, {0}, 0, false, false);
  EXPECT_EQ(mOut->Questions(), (std::vector<int>{10}));
  EXPECT_FALSE(result.pasted);
  EXPECT_EQ(result.pastedCount, 0u);
  EXPECT_FALSE(result.targetModified);
  EXPECT_FALSE(result.sourceModified);

  // A block of two does not fit from the last slot on: refused without a word.
  result = Drop(*mA, *mA, CParameter::kPatch, {0, 1}, 511, false, false);
  EXPECT_FALSE(result.pasted);

  EXPECT_TRUE(sourceBefore.Matches(*mA));
  EXPECT_TRUE(targetBefore.Matches(*mB));
  EXPECT_EQ(mOut->Questions().size(), 1u);
}

TEST_F(CDropEditTest, RequestsThatCannotComeFromAListDrop_AreRefusedUntouched) {
  MakeTwelvePatchesWithTonesAndWaves(*mA);
  const DataSetSnapshot sourceBefore(*mA);
  const DataSetSnapshot targetBefore(*mB);
  mMid.EditCopy(*mA, {0}, CParameter::kPatch); // carries tone 1 and wave 1 too

  CDropEdit::SRequest request;
  request.source = mA.get();
  request.target = mB.get();
  request.sourceKind = CParameter::kPatch;
  request.targetKind = CParameter::kTone; // a patch drag onto a tone list
  request.sourceIndexes = {0};
  request.copy = false;
  EXPECT_FALSE(CDropEdit().Perform(request).pasted);

  request.targetKind = CParameter::kPatch;
  request.dropIndex = 512; // past the list
  EXPECT_FALSE(CDropEdit().Perform(request).pasted);

  request.dropIndex = 0;
  request.target = nullptr;
  EXPECT_FALSE(CDropEdit().Perform(request).pasted);

  EXPECT_TRUE(sourceBefore.Matches(*mA));
  EXPECT_TRUE(targetBefore.Matches(*mB));
  EXPECT_FALSE(Bris::Domain().IsUndoReady());
}

} // namespace
} // namespace BrisTest
