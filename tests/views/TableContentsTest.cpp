#include "ViewsFixture.h"

#include "domain/CZelData.h"

#include <QEvent>
#include <QImage>
#include <QPalette>

namespace BrisTest {
namespace {

using Bris::CParameter;

TEST_F(ListsTest, PatchRows_ShowNumberNameToneSwitchAndMemos) {
  // GIVEN the list project WHEN reading the patch list THEN every column shows its field.
  EXPECT_EQ(mPatches->GetRowCount(), 512);
  EXPECT_EQ(mPatches->GetColCount(), 7);
  EXPECT_EQ(mPatches->GetCellText(1, 1), "1");
  EXPECT_EQ(mPatches->GetCellText(1, 2), "Warm Pad");
  EXPECT_EQ(mPatches->GetCellText(1, 4), "first memo");
  EXPECT_EQ(mPatches->GetCellText(1, 5), "");
  EXPECT_EQ(mPatches->GetCellText(1, 7), "last memo");
  // Tone switch values 0..3.
  EXPECT_EQ(mPatches->GetCellText(3, 3), "_/_");
  EXPECT_EQ(mPatches->GetCellText(2, 3), "_/U");
  EXPECT_EQ(mPatches->GetCellText(1, 3), "L/_");
  EXPECT_EQ(mPatches->GetCellText(10, 3), "L/U");
  // A blank slot shows only its number.
  EXPECT_EQ(mPatches->GetCellText(4, 1), "4");
  for (int col = 2; col <= 7; ++col) {
    EXPECT_EQ(mPatches->GetCellText(4, col), "") << col;
  }
  EXPECT_EQ(mPatches->GetCellText(512, 1), "512");
}

TEST_F(ListsTest, ToneAndWaveRows_ShowNamesMemosAndPresetMark) {
  EXPECT_EQ(mTones->GetRowCount(), 896);
  EXPECT_EQ(mTones->GetColCount(), 6);
  EXPECT_EQ(mTones->GetCellText(3, 1), "3");
  EXPECT_EQ(mTones->GetCellText(3, 2), "Strings");
  EXPECT_EQ(mTones->GetCellText(3, 3), "");
  EXPECT_EQ(mTones->GetCellText(3, 4), "tone memo");
  EXPECT_EQ(mTones->GetCellText(4, 2), "");

  EXPECT_EQ(mWaves->GetRowCount(), 999);
  EXPECT_EQ(mWaves->GetColCount(), 6);
  EXPECT_EQ(mWaves->GetCellText(12, 2), "* Kick");
  EXPECT_EQ(mWaves->GetCellText(2, 2), "  Snare");
  EXPECT_EQ(mWaves->GetCellText(12, 3), "kick memo");
  EXPECT_EQ(mWaves->GetCellText(13, 2), "");
  EXPECT_EQ(mWaves->GetCellText(999, 1), "999");
}

TEST_F(ListsTest, ReferredArrow_MarksTonesPlayedByPatchesAndWavesPlayedByTones) {
  EXPECT_TRUE(mTones->IsReferredRow(3));
  EXPECT_TRUE(mTones->IsReferredRow(5));
  EXPECT_FALSE(mTones->IsReferredRow(8)); // no patch plays it
  EXPECT_FALSE(mTones->IsReferredRow(4)); // blank
  EXPECT_TRUE(mWaves->IsReferredRow(12));
  EXPECT_TRUE(mWaves->IsReferredRow(20)); // played by the unused tone 8
  EXPECT_FALSE(mWaves->IsReferredRow(30));

  // WHEN a patch starts playing tone 8 (as a paste leaves it) THEN the arrow appears.
  Bris::CZelData& data = mDoc->GetZelData();
  data.mTones.Get(7)->AddPatchIndex(3, false);
  EXPECT_TRUE(mTones->IsReferredRow(8));
}

TEST_F(ListsTest, SelectingPatch_SelectsItsTonesAndTheirWaves) {
  mPatches->HandleClick(1, 2, Qt::NoModifier, 1);
  EXPECT_EQ(SelectedRows(*mPatches), Rows({1}));
  EXPECT_EQ(SelectedRows(*mTones), Rows({3, 5}));
  EXPECT_EQ(SelectedRows(*mWaves), Rows({2, 12}));

  // A blank patch clears the other lists and selects nothing there.
  mPatches->HandleClick(4, 2, Qt::NoModifier, 1);
  EXPECT_EQ(SelectedRows(*mPatches), Rows({4}));
  EXPECT_TRUE(SelectedRows(*mTones).empty());
  EXPECT_TRUE(SelectedRows(*mWaves).empty());
}

TEST_F(ListsTest, SelectingTone_SelectsItsWavesAndThePatchesPlayingIt) {
  mTones->HandleClick(3, 1, Qt::NoModifier, 1);
  EXPECT_EQ(SelectedRows(*mWaves), Rows({2, 12}));
  EXPECT_EQ(SelectedRows(*mPatches), Rows({1, 2}));

  mTones->HandleClick(8, 1, Qt::NoModifier, 1);
  EXPECT_EQ(SelectedRows(*mWaves), Rows({20}));
  EXPECT_TRUE(SelectedRows(*mPatches).empty());
}

TEST_F(ListsTest, SelectingWaves_SelectsUnionOfTheirTonesAndThoseTonesPatches) {
  mWaves->HandleClick(2, 2, Qt::NoModifier, 1);
  EXPECT_EQ(SelectedRows(*mTones), Rows({3}));
  EXPECT_EQ(SelectedRows(*mPatches), Rows({1, 2}));

  mWaves->HandleClick(20, 2, Qt::ControlModifier, 1);
  EXPECT_EQ(SelectedRows(*mWaves), Rows({2, 20}));
  EXPECT_EQ(SelectedRows(*mTones), Rows({3, 8}));
  EXPECT_EQ(SelectedRows(*mPatches), Rows({1, 2}));

  mWaves->HandleClick(12, 2, Qt::NoModifier, 1);
  EXPECT_EQ(SelectedRows(*mTones), Rows({3, 5}));
  EXPECT_EQ(SelectedRows(*mPatches), Rows({1, 2, 3, 10}));
}

TEST_F(ListsTest, SelectingPatchOfBlankTone_SelectsTheToneRowButNoStaleWaves) {
  // GIVEN patch 2 still naming tone 3 after tone 3's file was dropped from the data set
  Bris::CZelData& data = mDoc->GetZelData();
  data.mTones.Get(2)->SetFilePath("");
  // WHEN selecting it THEN the tone row shows, but a blank tone plays no wave.
  mPatches->HandleClick(2, 1, Qt::NoModifier, 1);
  EXPECT_EQ(SelectedRows(*mTones), Rows({3}));
  EXPECT_TRUE(SelectedRows(*mWaves).empty());
}

// Counts the cell texts a paint asks for.
class CCountingToneTable : public CToneTableView {
public:
  QString GetCellText(int row, int col) const override {
    ++mCalls;
    mMaxRow = std::max(mMaxRow, row);
    mMinRow = std::min(mMinRow, row);
    return CToneTableView::GetCellText(row, col);
  }
  mutable int mCalls = 0;
  mutable int mMaxRow = 0;
  mutable int mMinRow = 1 << 20;
};

TEST_F(ListsTest, Painting_AsksTextsOfVisibleCellsOnly) {
  CColumnHeader header;
  CCountingToneTable table;
  table.Initialize(mWindow, &header);
  table.resize(400, 200);
  table.show();
  (void)table.grab();
  const int visibleRows = table.viewport()->height() / table.GetRowHeight() + 1;
  EXPECT_GT(table.mCalls, 0);
  EXPECT_LE(table.mCalls, visibleRows * table.GetColCount());
  EXPECT_LE(table.mMaxRow, visibleRows);

  // Scrolled to the end, only the last rows are drawn.
  table.ScrollRowIntoView(896);
  table.mCalls = 0;
  table.mMinRow = 1 << 20;
  (void)table.grab();
  EXPECT_GE(table.mMinRow, 896 - visibleRows);
  EXPECT_LE(table.mCalls, visibleRows * table.GetColCount());
}

TEST_F(ListsTest, WindowActivationChange_RepaintsTheCellsSoTheArrowsFollowIt) {
  // GIVEN a shown tone list, painted, whose palette is the same active and inactive (so only
  // the list itself can ask for the repaint)
  CColumnHeader header;
  CCountingToneTable table;
  table.Initialize(mWindow, &header);
  QPalette palette = table.palette();
  for (int role = 0; role < QPalette::NColorRoles; ++role) {
    const auto colorRole = static_cast<QPalette::ColorRole>(role);
    palette.setBrush(QPalette::Inactive, colorRole, palette.brush(QPalette::Active, colorRole));
  }
  table.setPalette(palette);
  table.resize(400, 200);
  table.show();
  ASSERT_TRUE(WaitUntil([&table] { return table.mCalls > 0; }));
  QCoreApplication::processEvents();

  // WHEN its window is deactivated, then activated, as the window's child widgets hear it
  for (const QEvent::Type type : {QEvent::WindowDeactivate, QEvent::WindowActivate}) {
    table.mCalls = 0;
    QEvent change(type);
    QCoreApplication::sendEvent(&table, &change);
    // THEN the cells are painted again
    EXPECT_TRUE(WaitUntil([&table] { return table.mCalls > 0; })) << "event " << type;
  }
}

// The colour of a viewport pixel after a full repaint.
QRgb PixelAt(CBaseTableView& table, const QPoint& local) {
  const QImage image = table.viewport()->grab().toImage();
  return image.pixel(local);
}

TEST_F(ListsTest, GridOn_DrawsLinesAlsoBeyondLastColumnAndBelowLastRow) {
  // GIVEN a patch list tall and wide enough to show empty space after its rows and columns
  CColumnHeader header;
  CPatchTableView table;
  table.Initialize(mWindow, &header);
  for (int col = 1; col <= table.GetColCount(); ++col) {
    header.SetColWidth(40, col, col);
  }
  const int rowHeight = table.GetRowHeight();
  const int imageWidth = 40 * 7;
  const int imageHeight = 512 * rowHeight;
  table.resize(imageWidth + 100, imageHeight + 5 * rowHeight);
  table.show();
  const QRgb base = table.palette().color(QPalette::Active, QPalette::Base).rgb();
  const QRgb grid =
      table.palette()
          .color(table.isActiveWindow() ? QPalette::Active : QPalette::Inactive, QPalette::Mid)
          .rgb();
  ASSERT_NE(base, grid);
  const QPoint rightOfLastColumn(imageWidth + 50, rowHeight - 1);     // row 1's bottom line
  const QPoint belowLastRow(40 - 1, imageHeight + 2 * rowHeight - 5); // column 1's right line
  const QPoint insideEmptyCell(20, imageHeight + 2 * rowHeight - 5);

  CTableSettings::SetGridState(0);
  EXPECT_EQ(PixelAt(table, rightOfLastColumn), base);
  EXPECT_EQ(PixelAt(table, belowLastRow), base);

  CTableSettings::SetGridState(1);
  EXPECT_EQ(PixelAt(table, rightOfLastColumn), grid);
  EXPECT_EQ(PixelAt(table, belowLastRow), grid);
  EXPECT_EQ(PixelAt(table, insideEmptyCell), base);
}

TEST_F(ListsTest, RowsAfterLastUsedSlot_AreDrawnInTheTailColour) {
  CColumnHeader header;
  CPatchTableView table;
  table.Initialize(mWindow, &header);
  table.resize(300, 20 * table.GetRowHeight());
  table.show();
  const int rowHeight = table.GetRowHeight();
  const QRgb base = table.palette().color(QPalette::Active, QPalette::Base).rgb();
  // Row 4 is blank but before the last used slot 10; row 11 is in the tail.
  const QRgb blankInside = PixelAt(table, QPoint(45, 3 * rowHeight + rowHeight / 2));
  const QRgb tail = PixelAt(table, QPoint(45, 10 * rowHeight + rowHeight / 2));
  EXPECT_EQ(blankInside, base);
  EXPECT_NE(tail, base);
  EXPECT_EQ(table.GetBlankTop(), 10);
}

} // namespace
} // namespace BrisTest
