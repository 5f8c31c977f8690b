#include "ViewsFixture.h"

#include "LibMac/Utility/PreferenceKeys.h"
#include "views/CTextHeaderView.h"
#include "views/CTextTableView.h"

#include <QScrollBar>

namespace BrisTest {
namespace {

using Bris::CParameter;

QStringList Titles(const CColumnHeader& header) {
  QStringList titles;
  for (int col = 1; col <= header.GetColCount() + 1; ++col) {
    titles << header.GetCellText(col);
  }
  return titles;
}

// The stored width of a column (0-based index), or -1 when none is stored.
long StoredWidth(const char* name, int index) {
  if (!UPreference::SeekTag(kPrefGeneralSettings, false)) {
    return -1;
  }
  return UPreference::GetParamValue(name, -1, static_cast<unsigned short>(index));
}

class HeaderTest : public ListsTest {
protected:
  void SetUp() override {
    ListsTest::SetUp();
    mWindow->resize(1400, 600);
    mWindow->show();
  }
  // The x of the right edge of col in header coordinates.
  static int RightEdge(const CHeaderView& header, int col) {
    int x = -header.GetScrollX();
    for (int c = 1; c <= col; ++c) {
      x += header.GetColWidth(c);
    }
    return x;
  }
};

TEST_F(HeaderTest, Titles_FollowTheListTheyHead) {
  EXPECT_EQ(Titles(*mWindow->GetHeader(CParameter::kPatch)),
            QStringList({"Number", "Patch Name", "Tone Switch", "Memo 1", "Memo 2", "Memo 3",
                         "Memo 4", ""}));
  EXPECT_EQ(Titles(*mWindow->GetHeader(CParameter::kTone)),
            QStringList({"Number", "Tone Name", "Memo 1", "Memo 2", "Memo 3", "Memo 4", ""}));
  EXPECT_EQ(Titles(*mWindow->GetHeader(CParameter::kWave)),
            QStringList({"Number", "Wave Name", "Memo 1", "Memo 2", "Memo 3", "Memo 4", ""}));
}

TEST_F(HeaderTest, DefaultWidths_AreTheListsOwn) {
  const std::vector<int> patchWidths = {50, 150, 70, 50, 50, 50, 50};
  for (int col = 1; col <= 7; ++col) {
    EXPECT_EQ(mPatches->GetColWidth(col), patchWidths[static_cast<std::size_t>(col - 1)]);
    EXPECT_EQ(mWindow->GetHeader(CParameter::kPatch)->GetColWidth(col), mPatches->GetColWidth(col));
  }
  EXPECT_EQ(mWaves->GetColWidth(2), 150);
  EXPECT_EQ(mWaves->GetColWidth(3), 50);
}

TEST_F(HeaderTest, DraggingBorderLeft_StopsAtFortyPixelsAndStoresTheWidth) {
  CColumnHeader* header = mWindow->GetHeader(CParameter::kTone);
  const int border = RightEdge(*header, 2);
  ASSERT_TRUE(header->BeginResizing(2, border));
  header->TrackResizingTo(-500);
  EXPECT_EQ(header->GetSplitLineX(), RightEdge(*header, 1) + CHeaderView::kMinColumnWidth);
  EXPECT_TRUE(header->FinishResizing(-500));
  EXPECT_EQ(header->GetColWidth(2), 40);
  EXPECT_EQ(mTones->GetColWidth(2), 40);
  EXPECT_EQ(StoredWidth(kPrefToneColumnWidth, 1), 40);
  EXPECT_EQ(StoredWidth(kPrefPatchColumnWidth, 1), -1);
}

TEST_F(HeaderTest, ReleaseAtTheOldBorder_ChangesAndStoresNothing) {
  CColumnHeader* header = mWindow->GetHeader(CParameter::kWave);
  const int border = RightEdge(*header, 3);
  EXPECT_FALSE(header->TrackResizing(3, border, border));
  EXPECT_EQ(mWaves->GetColWidth(3), 50);
  EXPECT_EQ(StoredWidth(kPrefWaveColumnWidth, 2), -1);
}

TEST_F(HeaderTest, DraggingBorderRight_StopsInsideTheVisibleArea) {
  CColumnHeader* header = mWindow->GetHeader(CParameter::kPatch);
  const int visibleRight = std::min(header->width(), mPatches->viewport()->width()) - 1;
  EXPECT_TRUE(header->TrackResizing(1, RightEdge(*header, 1), 100000));
  EXPECT_EQ(RightEdge(*header, 1), visibleRight);
  EXPECT_EQ(mPatches->GetColWidth(1), visibleRight);
}

TEST_F(HeaderTest, StoredWidth_IsShownByTheNextWindow) {
  CColumnHeader* header = mWindow->GetHeader(CParameter::kTone);
  const int border = RightEdge(*header, 2);
  ASSERT_TRUE(header->TrackResizing(2, border, border - 30));
  EXPECT_EQ(StoredWidth(kPrefToneColumnWidth, 1), 120);

  CLibrarianDoc other(WriteListProject(mTemp.Path(), "Other"), nullptr);
  ASSERT_TRUE(other.IsSpecified());
  EXPECT_EQ(other.GetProjectWindow()->GetToneTable()->GetColWidth(2), 120);
  EXPECT_EQ(other.GetProjectWindow()->GetHeader(CParameter::kTone)->GetColWidth(2), 120);
  EXPECT_EQ(other.GetProjectWindow()->GetToneTable()->GetColWidth(1), 50);
}

TEST_F(HeaderTest, ResizeSpot_IsWithinThreePixelsOfABorder) {
  CColumnHeader* header = mWindow->GetHeader(CParameter::kPatch);
  const int border = RightEdge(*header, 1); // 50
  int col = 0;
  EXPECT_TRUE(header->PointInResizableSpot(QPoint(border - 3, 5), col));
  EXPECT_EQ(col, 1);
  // Just right of column 2's left edge still counts for column 1.
  EXPECT_TRUE(header->PointInResizableSpot(QPoint(border + 3, 5), col));
  EXPECT_EQ(col, 1);
  EXPECT_FALSE(header->PointInResizableSpot(QPoint(border + 10, 5), col));
  header->SetResizable(false);
  EXPECT_FALSE(header->PointInResizableSpot(QPoint(border, 5), col));
}

TEST_F(HeaderTest, ScrollingListHorizontally_MovesItsHeaderAlong) {
  mWindow->resize(500, 400); // too narrow for the patch columns
  QCoreApplication::sendPostedEvents();
  CColumnHeader* header = mWindow->GetHeader(CParameter::kPatch);
  ASSERT_GT(mPatches->horizontalScrollBar()->maximum(), 0);
  mPatches->horizontalScrollBar()->setValue(60);
  EXPECT_EQ(header->GetScrollX(), 60);
  mPatches->horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
  EXPECT_EQ(header->GetScrollX(), mPatches->horizontalScrollBar()->value());
  // Scrolling vertically leaves the header where it is.
  mPatches->verticalScrollBar()->setValue(mPatches->GetRowHeight() * 5);
  EXPECT_EQ(header->GetScrollX(), mPatches->horizontalScrollBar()->value());
}

TEST_F(HeaderTest, VerticalScrolling_MovesByRowsAndPagesLessOneRow) {
  QScrollBar* bar = mTones->verticalScrollBar();
  const int rowHeight = mTones->GetRowHeight();
  EXPECT_EQ(bar->singleStep(), rowHeight);
  const int visibleRows = mTones->viewport()->height() / rowHeight;
  EXPECT_EQ(bar->pageStep(), (visibleRows - 1) * rowHeight);
  EXPECT_EQ(bar->maximum(), 896 * rowHeight - mTones->viewport()->height());
}

TEST_F(HeaderTest, WidthsGivenBeforeLinking_GoToTheTable) {
  CColumnHeader header;
  header.SetColWidth(77, 3, 3);
  CPatchTableView table;
  table.Initialize(mWindow, &header);
  EXPECT_EQ(table.GetColWidth(3), 77);
  EXPECT_EQ(header.GetColCount(), 7);
  EXPECT_EQ(header.GetColWidth(2), 150); // taken from the table
  // After linking, the header passes widths on.
  header.SetColWidth(90, 1, 2);
  EXPECT_EQ(table.GetColWidth(1), 90);
  EXPECT_EQ(table.GetColWidth(2), 90);
}

// A view that follows a scroller and can scroll it in turn.
class CFollower : public CMultiScrollerView::CLinkedView {
public:
  void ScrollLinkedImageTo(Qt::Orientation orientation, int position) override {
    (orientation == Qt::Horizontal ? mX : mY) = position;
    ++mCalls;
  }
  int mX = 0;
  int mY = 0;
  int mCalls = 0;
};

TEST(TextViewsTest, TextTableAndHeader_KeepTheirTextsAndScrollTogether) {
  CTextTableView table;
  table.SetRowCount(100);
  table.SetColumns(3, 200);
  table.SetRowHeight(20);
  table.SetCellText(2, 3, "cell");
  EXPECT_EQ(table.GetCellText(2, 3), "cell");
  EXPECT_EQ(table.GetCellText(3, 2), "");

  CTextHeaderView header;
  header.SetText(1, "First");
  header.LinkTable(&table);
  EXPECT_EQ(header.GetCellText(1), "First");
  EXPECT_EQ(header.GetColCount(), 3);
  EXPECT_EQ(header.GetColWidth(3), 200);

  CFollower a;
  CFollower b;
  table.AddLinkedView(&a);
  table.AddLinkedView(&b);
  table.resize(300, 200);
  table.show();
  // One linked view scrolls: the main view and the other one follow, without echoing back.
  table.LinkedViewScrolled(&a, Qt::Horizontal, 120);
  EXPECT_EQ(table.GetScrollPosition().x(), 120);
  EXPECT_EQ(b.mX, 120);
  EXPECT_EQ(header.GetScrollX(), 120);
  table.ScrollImageTo(QPoint(0, 400));
  EXPECT_EQ(a.mY, 400);
  EXPECT_EQ(a.mX, 0);
  table.RemoveLinkedView(&a);
  table.RemoveLinkedView(&b);
}

} // namespace
} // namespace BrisTest
