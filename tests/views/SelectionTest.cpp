#include "ViewsFixture.h"

namespace BrisTest {
namespace {

TEST_F(ListsTest, PlainShiftAndCtrlClicks_FollowTheAnchor) {
  // Plain click: the only selected row and the anchor.
  mPatches->HandleClick(5, 1, Qt::NoModifier, 1);
  EXPECT_EQ(SelectedRows(*mPatches), Rows({5}));
  EXPECT_EQ(mPatches->GetAnchorRow(), 5);
  // Shift: exactly the rows from the anchor to the clicked one, either direction.
  mPatches->HandleClick(8, 1, Qt::ShiftModifier, 1);
  EXPECT_EQ(SelectedRows(*mPatches), Rows({5, 6, 7, 8}));
  mPatches->HandleClick(3, 1, Qt::ShiftModifier, 1);
  EXPECT_EQ(SelectedRows(*mPatches), Rows({3, 4, 5}));
  // Ctrl adds an unselected row, and unselects a selected one, which drops the anchor.
  mPatches->HandleClick(9, 1, Qt::ControlModifier, 1);
  EXPECT_EQ(SelectedRows(*mPatches), Rows({3, 4, 5, 9}));
  mPatches->HandleClick(4, 1, Qt::ControlModifier, 1);
  EXPECT_EQ(SelectedRows(*mPatches), Rows({3, 5, 9}));
  EXPECT_EQ(mPatches->GetAnchorRow(), 0);
  // Shift without an anchor: a selected row stays as it is, an unselected one is the only one.
  mPatches->HandleClick(5, 1, Qt::ShiftModifier, 1);
  EXPECT_EQ(SelectedRows(*mPatches), Rows({3, 5, 9}));
  mPatches->HandleClick(7, 1, Qt::ShiftModifier, 1);
  EXPECT_EQ(SelectedRows(*mPatches), Rows({7}));
}

TEST_F(ListsTest, ClickBesideTheRows_ClearsUnlessShiftOrCtrl) {
  mTones->HandleClick(3, 1, Qt::NoModifier, 1);
  mTones->HandleClickOutside(Qt::ShiftModifier);
  EXPECT_EQ(SelectedRows(*mTones), Rows({3}));
  mTones->HandleClickOutside(Qt::NoModifier);
  EXPECT_TRUE(SelectedRows(*mTones).empty());
  EXPECT_TRUE(SelectedRows(*mPatches).empty()); // the references went with it
}

TEST_F(ListsTest, ArrowsWithoutSelection_SelectLastRowOrFirstRow) {
  mPatches->UpArrow(false);
  EXPECT_EQ(SelectedRows(*mPatches), Rows({512}));
  mTones->UpArrow(false);
  EXPECT_EQ(SelectedRows(*mTones), Rows({896}));
  mWaves->UpArrow(false);
  EXPECT_EQ(SelectedRows(*mWaves), Rows({999}));
  mWaves->ClearSelection();
  mWaves->DownArrow(false);
  EXPECT_EQ(SelectedRows(*mWaves), Rows({1}));
}

TEST_F(ListsTest, Arrows_MoveOrExtendTheSelectionAndStopAtTheEnds) {
  mPatches->HandleClick(2, 1, Qt::NoModifier, 1);
  mPatches->HandleKey(Qt::Key_Down, Qt::ShiftModifier);
  mPatches->HandleKey(Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(SelectedRows(*mPatches), Rows({2, 3, 4}));
  mPatches->HandleKey(Qt::Key_Up, Qt::NoModifier);
  EXPECT_EQ(SelectedRows(*mPatches), Rows({1}));
  // The references follow the key.
  EXPECT_EQ(SelectedRows(*mTones), Rows({3, 5}));
  mPatches->HandleKey(Qt::Key_Up, Qt::NoModifier);
  EXPECT_EQ(SelectedRows(*mPatches), Rows({1}));

  mPatches->SelectRow(512, false);
  mPatches->DownArrow(false);
  EXPECT_EQ(SelectedRows(*mPatches), Rows({512}));
}

TEST_F(ListsTest, ArrowKey_ScrollsTheNewRowIntoView) {
  mWindow->resize(900, 400);
  mWindow->show();
  mWaves->UpArrow(false);
  int first = 0;
  int last = 0;
  mWaves->GetVisibleRows(first, last);
  EXPECT_EQ(last, 999);
  // The row is wholly visible.
  const QRect rowRect = mWaves->CalcLocalRowRect(999, 1);
  EXPECT_LE(rowRect.bottom(), mWaves->viewport()->height() - 1);
}

TEST_F(ListsTest, EnterAndReturn_AreConsumedOtherKeysAreNot) {
  EXPECT_TRUE(mPatches->HandleKey(Qt::Key_Return, Qt::NoModifier));
  EXPECT_TRUE(mPatches->HandleKey(Qt::Key_Enter, Qt::NoModifier));
  EXPECT_FALSE(mPatches->HandleKey(Qt::Key_A, Qt::NoModifier));
  EXPECT_TRUE(SelectedRows(*mPatches).empty());
}

TEST_F(ListsTest, SelectAll_SelectsRowsUpToTheLastUsedSlot) {
  // The last used patch slot is 10.
  mPatches->SelectRow(300, false);
  ASSERT_TRUE(mPatches->ObeyCommand(kCmdSelectAll));
  Rows expected;
  for (int row = 1; row <= 10; ++row) {
    expected.push_back(row);
  }
  EXPECT_EQ(SelectedRows(*mPatches), expected);
  EXPECT_EQ(SelectedRows(*mTones), Rows({3, 5}));
  EXPECT_EQ(SelectedRows(*mWaves), Rows({2, 12}));
}

TEST_F(ListsTest, SelectAllOnEmptyProject_SelectsNothing) {
  CLibrarianDoc empty(nullptr);
  CPatchTableView* table = empty.GetProjectWindow()->GetPatchTable();
  EXPECT_TRUE(IsEnabled(*table, kCmdSelectAll));
  table->SelectRow(5, false);
  table->HandleSelectAll();
  EXPECT_TRUE(SelectedRows(*table).empty());
  EXPECT_FALSE(IsEnabled(*table, kCmdDelete));
}

TEST_F(ListsTest, Delete_IsEnabledOnlyWithAValidSlotSelected) {
  EXPECT_FALSE(IsEnabled(*mPatches, kCmdDelete));
  mPatches->SelectRows(4, 9, false); // blank slots only
  EXPECT_TRUE(mPatches->HasSelection(false));
  EXPECT_FALSE(mPatches->HasSelection(true));
  EXPECT_FALSE(IsEnabled(*mPatches, kCmdDelete));
  // Backspace then asks nothing and deletes nothing.
  EXPECT_TRUE(mPatches->HandleKey(Qt::Key_Backspace, Qt::NoModifier));
  EXPECT_TRUE(mTextOut->Questions().empty());

  mPatches->SelectRow(10, true);
  EXPECT_TRUE(IsEnabled(*mPatches, kCmdDelete));
  std::vector<unsigned int> indexes;
  mPatches->GetSelectedIndexes(indexes, true);
  EXPECT_EQ(indexes, std::vector<unsigned int>({9}));
  indexes.clear();
  mPatches->GetSelectedIndexes(indexes, false);
  EXPECT_EQ(indexes, std::vector<unsigned int>({3, 4, 5, 6, 7, 8, 9}));
}

TEST_F(ListsTest, Marquee_TogglesRowsEnteringAndLeavingItsSpan) {
  mWindow->resize(900, 600);
  mWindow->show();
  const int h = mPatches->GetRowHeight();
  // GIVEN row 4 already selected, a marquee held with Shift
  mPatches->SelectRow(4, false);
  mPatches->HandleClickOutside(Qt::ShiftModifier);
  mPatches->BeginMarquee(QPoint(10, h + h / 2));       // row 2
  mPatches->TrackMarqueeTo(QPoint(30, 4 * h + h / 2)); // to row 5
  EXPECT_EQ(SelectedRows(*mPatches), Rows({2, 3, 5}));
  EXPECT_EQ(SelectedRows(*mTones), Rows({3, 5})); // patches 2 and 3
  // Shrinking the marquee gives rows back their state.
  mPatches->TrackMarqueeTo(QPoint(30, 2 * h + h / 2)); // to row 3
  EXPECT_EQ(SelectedRows(*mPatches), Rows({2, 3, 4}));
  mPatches->EndMarquee();
  EXPECT_FALSE(mPatches->IsTrackingMarquee());
  EXPECT_EQ(SelectedRows(*mPatches), Rows({2, 3, 4}));
}

TEST_F(ListsTest, Marquee_ClampsToTheVisibleFrame) {
  mWindow->resize(900, 400);
  mWindow->show();
  const int h = mPatches->GetRowHeight();
  int first = 0;
  int last = 0;
  mPatches->GetVisibleRows(first, last);
  mPatches->BeginMarquee(QPoint(10, h / 2));
  mPatches->TrackMarqueeTo(QPoint(10, 100000));
  // Only the rows down to the frame's bottom edge, not to the mouse.
  EXPECT_EQ(mPatches->GetLastSelectedRow(), last);
  mPatches->EndMarquee();
}

} // namespace
} // namespace BrisTest
