#include "framework/UWindowArrangement.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const QRect kScreen(0, 30, 1920, 1050); // below a 30-pixel menu bar

TEST(UWindowArrangementTest, Cascade_StepsWindowsFromTheInsetCornerAndRepeatsEveryTenth) {
  const std::vector<QRect> rects = UWindowArrangement::CalcCascadeRects(kScreen, 12);
  ASSERT_EQ(12u, rects.size());
  // Inset area 1912 x 1042; with ten steps of 26 the windows are 1652 x 782.
  EXPECT_EQ(QRect(4, 34, 1652, 782), rects[0]);
  EXPECT_EQ(QRect(4 + 26, 34 + 26, 1652, 782), rects[1]);
  EXPECT_EQ(QRect(4 + 9 * 26, 34 + 9 * 26, 1652, 782), rects[9]);
  EXPECT_EQ(rects[0], rects[10]) << "the eleventh window reuses the first position";
  EXPECT_EQ(rects[1], rects[11]);
}

TEST(UWindowArrangementTest, Cascade_UsesFewerStepsWhenWindowsWouldGetTooSmall) {
  // Inset area 1016 x 760: ten steps still leave 756 x 500, so n stays 10.
  std::vector<QRect> rects = UWindowArrangement::CalcCascadeRects(QRect(0, 0, 1024, 768), 3);
  EXPECT_EQ(QSize(1016 - 260, 760 - 260), rects[0].size());

  // Inset area 900 x 400: height - 26n > 149 needs n <= 9, width - 26n > 703 needs n <= 7.
  rects = UWindowArrangement::CalcCascadeRects(QRect(0, 0, 908, 408), 9);
  EXPECT_EQ(QSize(900 - 7 * 26, 400 - 7 * 26), rects[0].size());
  EXPECT_EQ(rects[0].topLeft(), rects[7].topLeft()) << "positions repeat every 7 windows";
  EXPECT_EQ(QPoint(4 + 6 * 26, 4 + 6 * 26), rects[6].topLeft());

  // A screen too small for any step still gets one window size, n = 1.
  rects = UWindowArrangement::CalcCascadeRects(QRect(0, 0, 600, 300), 2);
  EXPECT_EQ(QRect(4, 4, 592 - 26, 292 - 26), rects[0]);
  EXPECT_EQ(rects[0], rects[1]);
}

TEST(UWindowArrangementTest, TileHorizontally_OneWindowTakesTheWholeAreaLessMargins) {
  const std::vector<QRect> rects = UWindowArrangement::CalcTileHorizontallyRects(kScreen, 1);
  // Top and left moved in by 4, then 4 off the right and the bottom.
  EXPECT_EQ(QRect(4, 34, 1916 - 4, 1046 - 4), rects.at(0));
}

TEST(UWindowArrangementTest, TileHorizontally_StacksRowsAndPutsTheMostRecentWindowOnTop) {
  // Three windows, oldest first. Rows: 4 -> 3 (1046 / 3 = 348 > 153); columns: 2 -> 1.
  const std::vector<QRect> rects = UWindowArrangement::CalcTileHorizontallyRects(kScreen, 3);
  ASSERT_EQ(3u, rects.size());
  EXPECT_EQ(QRect(4, 34, 1916 - 4, 348 - 4), rects[2]) << "most recent in row 0";
  EXPECT_EQ(QRect(4, 34 + 348, 1912, 344), rects[1]);
  EXPECT_EQ(QRect(4, 34 + 2 * 348, 1912, 344), rects[0]);
}

TEST(UWindowArrangementTest, TileHorizontally_MoreWindowsThanRowsFillFurtherColumns) {
  // Six windows on 1916 x 1046: rows 5 -> 4 (261 > 153); columns ceil(6/4) + 1 = 3 -> 2
  // (958 > 707). Window k from the most recent: row k mod 4, column k div 4.
  const std::vector<QRect> rects = UWindowArrangement::CalcTileHorizontallyRects(kScreen, 6);
  ASSERT_EQ(6u, rects.size());
  EXPECT_EQ(QRect(4, 34, 954, 257), rects[5]);
  EXPECT_EQ(QRect(4, 34 + 3 * 261, 954, 257), rects[2]);
  EXPECT_EQ(QRect(4 + 958, 34, 954, 257), rects[1]);
  EXPECT_EQ(QRect(4 + 958, 34 + 261, 954, 257), rects[0]);
}

TEST(UWindowArrangementTest, TileHorizontally_OnALowScreenRowsShrinkToFit) {
  // 1000 x 400 after the inset: 4 rows of 100 and 3 of 133 are too low, 2 rows of 200 fit;
  // columns ceil(4/2) + 1 = 3 -> 2 (500 <= 707) -> 1. Windows beyond two rows repeat.
  const std::vector<QRect> rects =
      UWindowArrangement::CalcTileHorizontallyRects(QRect(0, 0, 1004, 404), 4);
  EXPECT_EQ(QRect(4, 4, 996, 196), rects[3]);
  EXPECT_EQ(QRect(4, 204, 996, 196), rects[2]);
  EXPECT_EQ(rects[3], rects[1]);
}

TEST(UWindowArrangementTest, TileVertically_SwapsRowsAndColumns) {
  // Two windows on 1916 x 1046: columns 3 -> 2 (958 > 707); rows ceil(2/2) + 1 = 2 -> 1.
  std::vector<QRect> rects = UWindowArrangement::CalcTileVerticallyRects(kScreen, 2);
  EXPECT_EQ(QRect(4, 34, 954, 1042), rects[1]) << "most recent in column 0";
  EXPECT_EQ(QRect(4 + 958, 34, 954, 1042), rects[0]);

  // Five windows: columns 5 -> 4 (479) -> 3 (638) -> 2 (958); rows ceil(5/2) + 1 = 4 -> 3.
  rects = UWindowArrangement::CalcTileVerticallyRects(kScreen, 5);
  EXPECT_EQ(QRect(4, 34, 954, 344), rects[4]);
  EXPECT_EQ(QRect(4 + 958, 34, 954, 344), rects[3]);
  EXPECT_EQ(QRect(4, 34 + 348, 954, 344), rects[2]);
  EXPECT_EQ(QRect(4, 34 + 2 * 348, 954, 344), rects[0]);
}

TEST(UWindowArrangementTest, NoWindows_NoRectangles) {
  EXPECT_TRUE(UWindowArrangement::CalcCascadeRects(kScreen, 0).empty());
  EXPECT_TRUE(UWindowArrangement::CalcTileHorizontallyRects(kScreen, 0).empty());
  EXPECT_TRUE(UWindowArrangement::CalcTileVerticallyRects(kScreen, 0).empty());
}

TEST(UWindowArrangementTest, StructureToContent_RemovesTheFrame) {
  EXPECT_EQ(QRect(105, 228, 490, 366), UWindowArrangement::StructureToContentRect(
                                           QRect(100, 200, 500, 400), QMargins(5, 28, 5, 6)));
}

} // namespace
