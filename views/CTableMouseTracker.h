#pragma once

#include <QPoint>

class CBaseTableView;
class QMouseEvent;

// Translates a list's mouse events into its handlers: a click selects, a press beside the cells
// starts a marquee, and a plain press on a selected row waits for the release, which clicks, or
// for a move far enough to start a row drag.
class CTableMouseTracker {
public:
  explicit CTableMouseTracker(CBaseTableView& view) : mView(view) {}

  void Press(QMouseEvent* event);
  void Move(QMouseEvent* event);
  void Release(QMouseEvent* event);
  void DoubleClick(QMouseEvent* event);

private:
  CBaseTableView& mView;
  bool mPressPending = false;
  bool mDragPossible = false;
  int mPressRow = 0;
  int mPressCol = 0;
  QPoint mPressPoint;
};
