#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QRect>

class CBaseTableView;
class QPainter;

// Draws a list's cells: the background by selection and blank tail, the text on the font's
// baseline, the grid, and over them the marquee and the drop feedback. What every cell of one
// paint needs is looked up once, in BeginPaint.
class CTableCellPainter {
public:
  explicit CTableCellPainter(CBaseTableView& view) : mView(view) {}

  void BeginPaint(const QFont& font);
  void DrawCell(QPainter& painter, int row, int col, const QRect& localRect) const;
  void DrawEmptyCol(QPainter& painter, const QRect& localArea) const;
  void DrawEmptyRow(QPainter& painter, const QRect& localArea) const;
  void DrawOverlay(QPainter& painter) const;
  // The arrow that marks a slot used by another list, at the cell's left edge.
  void DrawReferredArrow(QPainter& painter, const QRect& cellRect) const;

private:
  CBaseTableView& mView;
  int mBlankTop = 0;
  bool mGridOn = false;
  QColor mBase, mTail, mGrid, mText, mHighlight, mHighlightedText;
  QFontMetrics mMetrics{QFont()};
};
