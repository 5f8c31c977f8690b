#include "views/RowDropRules.h"

#include "domain/CDomain.h"
#include "domain/CZelData.h"
#include "editing/CParameterMid.h"
#include "support/DataSetBuilder.h"
#include "views/SDragData.h"

#include <gtest/gtest.h>

namespace {

using Bris::CParameter;
using namespace RowDropRules;

constexpr int kPatchRows = 512;

TEST(RowDropRulesTest, ModeKeys_OptionInsertsAndCommandTurnsMoveAndCopyAround) {
  EXPECT_TRUE(IsInsertKey(Qt::AltModifier));
  EXPECT_TRUE(IsInsertKey(Qt::AltModifier | Qt::ControlModifier));
  EXPECT_FALSE(IsInsertKey(Qt::ControlModifier | Qt::ShiftModifier));
  EXPECT_TRUE(IsCommandKey(Qt::ControlModifier));
  EXPECT_FALSE(IsCommandKey(Qt::AltModifier | Qt::MetaModifier));

  // Within one project: move, Command copies. Between projects: copy, Command moves.
  EXPECT_FALSE(IsCopyDrop(true, false));
  EXPECT_TRUE(IsCopyDrop(true, true));
  EXPECT_TRUE(IsCopyDrop(false, false));
  EXPECT_FALSE(IsCopyDrop(false, true));

  EXPECT_EQ(DropActionFor(2, true), Qt::CopyAction);
  EXPECT_EQ(DropActionFor(2, false), Qt::MoveAction);
  EXPECT_EQ(DropActionFor(0, true), Qt::IgnoreAction);
}

TEST(RowDropRulesTest, PatchDragOverToneOrWaveList_IsRefusedThoughTheClipboardCarriesTones) {
  // GIVEN a drag of two patches that carried one tone and one wave along
  SDragData drag;
  drag.sourceKind = CParameter::kPatch;
  drag.patchCount = 2;
  drag.toneCount = 1;
  drag.waveCount = 1;

  EXPECT_EQ(GetDropCount(drag, CParameter::kPatch), 2u);
  EXPECT_EQ(GetDropCount(drag, CParameter::kTone), 0u);
  EXPECT_EQ(GetDropCount(drag, CParameter::kWave), 0u);
  EXPECT_EQ(DropActionFor(GetDropCount(drag, CParameter::kTone), true), Qt::IgnoreAction);

  // A tone drag (whose clipboard holds the 512-patch snapshot) is refused by the patch list.
  drag.sourceKind = CParameter::kTone;
  drag.patchCount = 512;
  EXPECT_EQ(GetDropCount(drag, CParameter::kPatch), 0u);
  EXPECT_EQ(GetDropCount(drag, CParameter::kTone), 1u);
}

TEST(RowDropRulesTest, DragStart_CountsRowsBeforeTheClickAndTheClipboard) {
  // GIVEN patches 3, 4 and 7 selected, the first playing a tone, copied as the drag start does
  Bris::CZelData data;
  for (unsigned int p : {2u, 3u, 6u}) {
    BrisTest::UseSlot(data, CParameter::kPatch, p, "P");
  }
  BrisTest::UseSlot(data, CParameter::kTone, 0, "T");
  BrisTest::PlayTone(data, 2, 0, 1);
  Bris::CParameterMid().EditCopy(data, {2, 3, 6}, CParameter::kPatch);

  const SDragData drag = MakeDragData(nullptr, CParameter::kPatch, 4, {3, 4, 7});
  Bris::Domain().GetClipboard().Clear();

  EXPECT_EQ(drag.clickedRow, 4u);
  EXPECT_EQ(drag.rowsBefore, 1u);
  EXPECT_EQ(drag.patchCount, 3u);
  EXPECT_EQ(drag.toneCount, 1u);
  EXPECT_EQ(drag.waveCount, 0u);
  EXPECT_FALSE(drag.accepted);
  EXPECT_EQ(drag.dropRow, 0u);

  EXPECT_TRUE(IsOneBlock({2, 3, 4}));
  EXPECT_TRUE(IsOneBlock({9}));
  EXPECT_FALSE(IsOneBlock({2, 3, 6}));
}

TEST(RowDropRulesTest, DropRowByPoint_ClickedRowLandsUnderTheMouseInReplaceMode) {
  // Rows 3-4 dragged by row 4 and dropped on row 11 overwrite rows 10 and 11.
  EXPECT_EQ(DropRowForHit(11, false, 1, 2, kPatchRows), 10);
  // With Option they go before the row under the mouse.
  EXPECT_EQ(DropRowForHit(11, true, 1, 2, kPatchRows), 11);
  // Never above row 1.
  EXPECT_EQ(DropRowForHit(2, false, 4, 5, kPatchRows), 1);
  // Off the rows: no drop row.
  EXPECT_EQ(DropRowForHit(0, false, 0, 1, kPatchRows), 0);
  EXPECT_EQ(DropRowForHit(kPatchRows + 1, true, 0, 1, kPatchRows), 0);
}

TEST(RowDropRulesTest, BlockOfFive_DropRowNeverLowerThanRowCountMinusFour) {
  for (const bool insert : {false, true}) {
    EXPECT_EQ(DropRowForHit(508, insert, 0, 5, kPatchRows), 508);
    EXPECT_EQ(DropRowForHit(509, insert, 0, 5, kPatchRows), 508);
    EXPECT_EQ(DropRowForHit(512, insert, 0, 5, kPatchRows), 508);
  }
  // One row may go onto the last row.
  EXPECT_EQ(DropRowForHit(512, false, 0, 1, kPatchRows), 512);
}

TEST(RowDropRulesTest, AutoScroll_MovesTheEdgeRowByTheStepAndKeepsTheBlockInTheList) {
  // Down in insert mode: the row below the bottom edge is shown and becomes the drop row.
  SScrollDrop s = ScrollDropRow(true, 40, 1, kPatchRows, 2, true, 30);
  EXPECT_EQ(s.rowToShow, 41);
  EXPECT_EQ(s.dropRow, 41);
  // Down in replace mode: the block ends on the shown row.
  s = ScrollDropRow(true, 40, 3, kPatchRows, 2, false, 30);
  EXPECT_EQ(s.rowToShow, 43);
  EXPECT_EQ(s.dropRow, 42);
  // Down at the end: the last row, and the block still fits.
  s = ScrollDropRow(true, 511, 4, kPatchRows, 5, true, 30);
  EXPECT_EQ(s.rowToShow, 512);
  EXPECT_EQ(s.dropRow, 508);
  // Up: the row above the top edge is shown and becomes the drop row, never above row 1.
  s = ScrollDropRow(false, 20, 2, kPatchRows, 5, false, 30);
  EXPECT_EQ(s.rowToShow, 18);
  EXPECT_EQ(s.dropRow, 18);
  s = ScrollDropRow(false, 2, 3, kPatchRows, 5, false, 30);
  EXPECT_EQ(s.rowToShow, 1);
  EXPECT_EQ(s.dropRow, 1);
}

TEST(RowDropRulesTest, AutoScroll_DropRowStaysInsideTheListAtItsEdges) {
  // Replace mode, a block taller than the rows above the bottom edge: row 1, not below it.
  EXPECT_EQ(ScrollDropRow(true, 3, 1, kPatchRows, 20, false, 0).dropRow, 1);
  // Scrolling up near the end of the list still leaves room for the whole block.
  EXPECT_EQ(ScrollDropRow(false, 511, 1, kPatchRows, 5, false, 0).dropRow, 508);
  // No row at the edge: the drop row stays, or becomes the first or last place the block fits.
  EXPECT_EQ(ScrollDropRow(true, 0, 1, kPatchRows, 5, true, 0).dropRow, 508);
  EXPECT_EQ(ScrollDropRow(false, 0, 1, kPatchRows, 5, true, 0).dropRow, 1);
  const SScrollDrop kept = ScrollDropRow(true, 0, 1, kPatchRows, 5, true, 77);
  EXPECT_EQ(kept.dropRow, 77);
  EXPECT_EQ(kept.rowToShow, 0);
}

TEST(RowDropRulesTest, DropArea_ReachesTwentyPixelsAboveAndBelowTheFrame) {
  const QRect frame(10, 100, 200, 300);
  EXPECT_TRUE(IsPointInDropArea(frame, QPoint(50, 80)));
  EXPECT_TRUE(IsPointInDropArea(frame, QPoint(50, 419)));
  EXPECT_FALSE(IsPointInDropArea(frame, QPoint(50, 79)));
  EXPECT_FALSE(IsPointInDropArea(frame, QPoint(50, 420)));
  EXPECT_FALSE(IsPointInDropArea(frame, QPoint(5, 200)));
}

class FinishDropTest : public ::testing::Test {
protected:
  // Rows 3-4 dragged by row 3.
  SDragData Dropped(std::uint32_t dropRow) const {
    SDragData drag;
    drag.clickedRow = 3;
    drag.rowsBefore = 0;
    drag.dropRow = dropRow;
    drag.accepted = true;
    return drag;
  }
};

TEST_F(FinishDropTest, BlockOnItsOwnPlace_OnlyAnInsertedCopyIsCarriedOut) {
  const SDragData ownPlace = Dropped(3);
  EXPECT_FALSE(ShouldFinishDrop(ownPlace, true, true, false, false));
  EXPECT_FALSE(ShouldFinishDrop(ownPlace, true, true, true, false));
  EXPECT_FALSE(ShouldFinishDrop(ownPlace, true, true, false, true));
  EXPECT_TRUE(ShouldFinishDrop(ownPlace, true, true, true, true));

  // Dragged by its second row (one row before it) and dropped where that row is.
  SDragData bySecondRow = Dropped(3);
  bySecondRow.clickedRow = 4;
  bySecondRow.rowsBefore = 1;
  EXPECT_FALSE(ShouldFinishDrop(bySecondRow, true, true, false, false));
}

TEST_F(FinishDropTest, DropElsewhereOnAnotherListOrOfAScatteredSelection_IsCarriedOut) {
  EXPECT_TRUE(ShouldFinishDrop(Dropped(10), true, true, false, false));
  EXPECT_TRUE(ShouldFinishDrop(Dropped(3), false, true, true, false));
  EXPECT_TRUE(ShouldFinishDrop(Dropped(3), true, false, false, false));
}

TEST_F(FinishDropTest, UnacceptedDragOrNoDropRow_IsNotCarriedOut) {
  SDragData notAccepted = Dropped(10);
  notAccepted.accepted = false;
  EXPECT_FALSE(ShouldFinishDrop(notAccepted, false, false, true, true));
  EXPECT_FALSE(ShouldFinishDrop(Dropped(0), false, false, true, true));
}

TEST_F(FinishDropTest, DropRequest_TakesTheDropRowAsSlotIndexAndTheSourceKind) {
  Bris::CZelData source;
  Bris::CZelData target;
  SDragData drag = Dropped(10);
  drag.sourceKind = CParameter::kWave;

  const auto request =
      MakeDropRequest(drag, source, target, CParameter::kWave, {2, 3}, true, false);

  EXPECT_EQ(request.source, &source);
  EXPECT_EQ(request.target, &target);
  EXPECT_EQ(request.dropIndex, 9u);
  EXPECT_EQ(request.sourceKind, CParameter::kWave);
  EXPECT_EQ(request.targetKind, CParameter::kWave);
  EXPECT_EQ(request.sourceIndexes, (std::vector<unsigned int>{2, 3}));
  EXPECT_TRUE(request.insertMode);
  EXPECT_FALSE(request.copy);
}

} // namespace
