#pragma once

#include "views/CTableViewEx.h"

#include <QPointer>
#include <QWidget>

#include <vector>

class QRubberBand;

// A column header: one row of header cells mirroring the columns of the table it is linked to,
// scrolled horizontally with it. The user drags a cell's right border to resize its column (in
// the header and the table alike), never below 40 pixels. Columns are numbered from 1.
class CHeaderView : public QWidget, public CMultiScrollerView::CLinkedView {
  Q_OBJECT

public:
  static constexpr int kMinColumnWidth = 40;
  // How near (pixels) to a cell's border a press starts resizing.
  static constexpr int kResizeSlop = 3;

  explicit CHeaderView(QWidget* parent = nullptr);
  ~CHeaderView() override;

  // Mirrors table's columns: one header cell per table column. A width already given to the
  // header for a column goes to the table; the other cells take the table's widths.
  void LinkTable(CTableViewEx* table);
  CTableViewEx* GetLinkedTable() const { return mTable; }

  int GetColCount() const { return static_cast<int>(mColWidths.size()); }
  int GetColWidth(int col) const;
  // Gives columns fromCol..toCol the width in the header and, when linked, in the table. Before
  // the header is linked it keeps the widths for the table it will be linked to.
  void SetColWidth(int width, int fromCol, int toCol);

  void SetResizable(bool resizable) { mResizable = resizable; }
  bool IsResizable() const { return mResizable; }

  // The title of col; empty where there is none.
  virtual QString GetCellText(int col) const;

  // True when resizing is allowed and the point (header coordinates) lies within 3 pixels of a
  // cell's right edge; col is that cell (a point just right of a left edge counts for the cell
  // before it).
  bool PointInResizableSpot(const QPoint& point, int& col) const;

  // Resizing, as the mouse handlers drive it (x in header coordinates): the split line follows
  // the mouse between the column's left edge + 40 and the right edge of the visible area - 1;
  // releasing gives the column the new width. FinishResizing is true when the width changed.
  bool BeginResizing(int col, int mouseX);
  void TrackResizingTo(int mouseX);
  virtual bool FinishResizing(int mouseX);
  bool IsResizing() const { return mResizingCol != 0; }
  // The column being resized, 0 when none.
  int ResizingCol() const { return mResizingCol; }
  // Where the split line stands now (header coordinates).
  int GetSplitLineX() const { return mSplitX; }
  // A whole resize from a press at downX to a release at upX.
  bool TrackResizing(int col, int downX, int upX);

  // The header's horizontal image position follows the table's.
  void ScrollLinkedImageTo(Qt::Orientation orientation, int position) override;
  int GetScrollX() const { return mScrollX; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

protected:
  // Draws one header cell (frame and title); rect in header coordinates.
  virtual void DrawCell(QPainter& painter, int col, const QRect& rect);
  // Left edge of col in the header's image (the image width for GetColCount() + 1).
  int GetColLeft(int col) const;
  QRect GetLocalCellRect(int col) const;
  int GetPressedCol() const { return mPressedCol; }

  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

private:
  int ClampSplit(int mouseX) const;
  void ShowSplitLine();
  void HideSplitLine();

  QPointer<CTableViewEx> mTable;
  std::vector<int> mColWidths; // 0 = no width given yet (unlinked header)
  bool mResizable = true;
  int mScrollX = 0;
  int mResizingCol = 0;
  int mSplitX = 0;
  int mPressedCol = 0;
  QRubberBand* mSplitLine = nullptr;
};
