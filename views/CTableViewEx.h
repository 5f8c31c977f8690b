#pragma once

#include "views/CMultiScrollerView.h"

#include <QRect>

#include <vector>

class QPainter;

// A table of equally high rows and columns of their own widths, drawn cell by cell: only the
// cells that intersect the area to repaint are drawn. The empty area beyond the last column and
// below the last row has hooks of its own, so that grid lines can go on there. Rows and columns
// are numbered from 1.
class CTableViewEx : public CMultiScrollerView {
  Q_OBJECT

public:
  explicit CTableViewEx(QWidget* parent = nullptr);
  ~CTableViewEx() override;

  int GetRowCount() const { return mRowCount; }
  int GetColCount() const { return static_cast<int>(mColWidths.size()); }
  int GetRowHeight() const { return mRowHeight; }
  // Width of column col (1-based); 0 outside the columns.
  int GetColWidth(int col) const;
  // Left edge of column col in the image; the image width for col = GetColCount() + 1.
  int GetColLeft(int col) const;

  void SetRowCount(int rowCount);
  // Makes count columns of width pixels each.
  void SetColumns(int count, int width);
  // Gives columns fromCol..toCol the width (at least 1 pixel); columns outside are ignored.
  void SetColWidth(int width, int fromCol, int toCol);
  // Every row gets this height, which is also the vertical scroll unit.
  void SetRowHeight(int height);

  // Shows only rows (1-based, ascending) one below the other; the others are hidden but keep
  // their numbers, so everything that speaks of rows goes on meaning the same slots.
  void SetShownRows(std::vector<int> rows);
  void ShowAllRows();
  bool IsFiltered() const { return mFiltered; }
  bool IsRowShown(int row) const;
  // Rows on screen, one per position (1-based) from the top; without a filter a row's position
  // is its number.
  int GetShownRowCount() const;
  int GetRowAtPosition(int position) const;
  // The nearest shown row above / below row (which need not be shown itself); 0 when none.
  int GetShownRowAbove(int row) const;
  int GetShownRowBelow(int row) const;

  // The row (1-based) under a viewport point; 0 when the point is below the last row or above the
  // image. The column likewise (0 beside the columns).
  int GetRowAt(const QPoint& local) const;
  int GetColAt(const QPoint& local) const;
  // True when the viewport point lies on a cell.
  bool GetCellAt(const QPoint& local, int& row, int& col) const;

  QRect GetCellImageRect(int row, int col) const;
  // Rows row .. row + count - 1 across all columns, in viewport coordinates.
  QRect CalcLocalRowRect(int row, int count) const;
  // The first and last row (1-based) that intersect the viewport's height; 0, 0 without rows.
  void GetVisibleRows(int& firstRow, int& lastRow) const;
  // Scrolls vertically by the smallest movement that shows the whole row.
  void ScrollRowIntoView(int row);

protected:
  void paintEvent(QPaintEvent* event) override;
  // Draws the cells, empty areas and overlay that intersect dirty (viewport coordinates).
  void PaintCells(QPainter& painter, const QRect& dirty);

  // Draws one cell; localRect is the cell's rectangle in viewport coordinates.
  virtual void DrawCell(QPainter& painter, int row, int col, const QRect& localRect) = 0;
  // The empty area to the right of the last column, and below the last row (viewport
  // coordinates, clipped to what is being repainted).
  virtual void DrawEmptyCol(QPainter& painter, const QRect& localArea);
  virtual void DrawEmptyRow(QPainter& painter, const QRect& localArea);
  // Drawn over the cells (selection frames, feedback).
  virtual void DrawOverlay(QPainter& painter, const QRect& localArea);

  // Grid lines along the right and bottom edge of a cell, and their continuation into the empty
  // areas, in color.
  void DrawCellGrid(QPainter& painter, const QRect& localRect, const QColor& color) const;
  void DrawEmptyColGrid(QPainter& painter, const QRect& localArea, const QColor& color) const;
  void DrawEmptyRowGrid(QPainter& painter, const QRect& localArea, const QColor& color) const;

private:
  void UpdateImageSize();
  // The position of row; for a hidden row the position the next shown row has.
  int GetPositionOfRow(int row) const;

  int mRowCount = 0;
  int mRowHeight = 16;
  std::vector<int> mColWidths;
  std::vector<int> mColLefts; // mColLefts[i] = left edge of column i + 1; one more entry at the end
  bool mFiltered = false;
  std::vector<int> mShownRows; // while filtered
};
