#include "views/CTableMouseTracker.h"

#include "views/CBaseTableView.h"

#include <QApplication>
#include <QMouseEvent>

namespace {

bool IsPlainClick(Qt::KeyboardModifiers modifiers) {
  return !modifiers.testFlag(Qt::ControlModifier) && !modifiers.testFlag(Qt::ShiftModifier);
}

} // namespace

void CTableMouseTracker::Press(QMouseEvent* event) {
  const QPoint local = event->position().toPoint();
  const Qt::KeyboardModifiers modifiers = event->modifiers();
  const bool plain = IsPlainClick(modifiers);
  mPressPoint = local;
  mPressPending = false;
  mDragPossible = false;
  int row = 0;
  int col = 0;
  if (!mView.GetCellAt(local, row, col)) {
    mView.HandleClickOutside(modifiers);
    mView.BeginMarquee(local);
    return;
  }
  mPressRow = row;
  mPressCol = col;
  if (plain && mView.IsRowSelected(row)) {
    // A selected row may be the start of a drag; the click itself waits for the release.
    mPressPending = true;
    mDragPossible = true;
    mView.setFocus(Qt::MouseFocusReason);
    return;
  }
  mView.HandleClick(row, col, modifiers, 1);
  mDragPossible = plain;
}

void CTableMouseTracker::Move(QMouseEvent* event) {
  if (!event->buttons().testFlag(Qt::LeftButton)) {
    return;
  }
  const QPoint local = event->position().toPoint();
  if (mView.IsTrackingMarquee()) {
    mView.TrackMarqueeTo(local);
    return;
  }
  if (mDragPossible &&
      (local - mPressPoint).manhattanLength() >= QApplication::startDragDistance()) {
    mDragPossible = false;
    mPressPending = false;
    if (mView.HasSelection(true)) {
      mView.TrackDrag(mPressRow, mPressPoint);
    }
  }
}

void CTableMouseTracker::Release(QMouseEvent* event) {
  if (mView.IsTrackingMarquee()) {
    mView.EndMarquee();
  }
  if (mPressPending) {
    mPressPending = false;
    mView.HandleClick(mPressRow, mPressCol, event->modifiers(), 1);
  }
  mDragPossible = false;
}

void CTableMouseTracker::DoubleClick(QMouseEvent* event) {
  int row = 0;
  int col = 0;
  if (!mView.GetCellAt(event->position().toPoint(), row, col)) {
    Press(event);
    return;
  }
  mPressPending = false;
  mDragPossible = false;
  mView.HandleClick(row, col, event->modifiers(), 2);
}
