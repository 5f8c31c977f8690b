#pragma once

#include <QMargins>
#include <QRect>

#include <vector>

class QWidget;

// The Window menu's arrangements. The Calc functions are pure: given the screen area (the main
// screen without menu bar and panels) and the number of windows, they return one outer (frame)
// rectangle per window, in the windows' activation order, least recently activated first.
class UWindowArrangement {
public:
  // Windows of the same size, stepped down and right by step; positions repeat every n windows,
  // where n <= count is the largest number that leaves each window wider than 703 and taller than
  // 149 pixels.
  static std::vector<QRect> CalcCascadeRects(const QRect& screenArea, int windowCount,
                                             int step = 26, int count = 10);
  // A grid filled row by row down each column, most recently activated window first, with at
  // most maxRows rows higher than 153 pixels and columns wider than 707 pixels.
  static std::vector<QRect> CalcTileHorizontallyRects(const QRect& screenArea, int windowCount,
                                                      int maxRows = 4);
  // The same with rows and columns swapped: at most maxColumns columns.
  static std::vector<QRect> CalcTileVerticallyRects(const QRect& screenArea, int windowCount,
                                                    int maxColumns = 4);

  // The content rectangle of a window whose frame is structure, given its frame margins.
  static QRect StructureToContentRect(const QRect& structure, const QMargins& frameMargins);
  // The frame margins of a shown window (zero for one without a frame yet).
  static QMargins FrameMarginsOf(const QWidget* window);
  // The area the arrangements use: the primary screen's available geometry.
  static QRect GetScreenArea();

  // Gives each window its rectangle (converted to its content rectangle) and brings the windows to
  // the front in raiseOrder (indexes into windows).
  static void ApplyRects(const std::vector<QWidget*>& windows, const std::vector<QRect>& rects,
                         const std::vector<int>& raiseOrder);
};
