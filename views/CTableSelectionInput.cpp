#include "views/CTableSelectionInput.h"

#include "views/CBaseTableView.h"

#include <algorithm>

namespace {

bool IsCommandHeld(Qt::KeyboardModifiers modifiers) {
  return modifiers.testFlag(Qt::ControlModifier);
}

bool IsShiftHeld(Qt::KeyboardModifiers modifiers) {
  return modifiers.testFlag(Qt::ShiftModifier);
}

} // namespace

bool CTableSelectionInput::HandleKey(int key, Qt::KeyboardModifiers modifiers) {
  switch (key) {
  case Qt::Key_Backspace: {
    SCommandStatus status;
    mView.FindCommandStatus(kCmdDelete, status);
    if (status.enabled) {
      mView.ObeyCommand(kCmdDelete);
    }
    return true;
  }
  case Qt::Key_Up:
    mView.UpArrow(IsShiftHeld(modifiers));
    return true;
  case Qt::Key_Down:
    mView.DownArrow(IsShiftHeld(modifiers));
    return true;
  case Qt::Key_Enter:
  case Qt::Key_Return:
    return true;
  default:
    return false;
  }
}

void CTableSelectionInput::UpArrow(bool extend) {
  // A filter's hidden rows are stepped over, so the selection never lands out of sight.
  const int first = mView.GetFirstSelectedRow();
  StepTo(mView.GetShownRowAbove(first == 0 ? mView.GetRowCount() + 1 : first), extend);
}

void CTableSelectionInput::DownArrow(bool extend) {
  StepTo(mView.GetShownRowBelow(mView.GetLastSelectedRow()), extend);
}

void CTableSelectionInput::StepTo(int newRow, bool extend) {
  if (newRow != 0) {
    mView.SelectRow(newRow, extend);
    if (!extend) {
      mView.mSelection.SetAnchor(newRow);
    }
    mView.ScrollRowIntoView(newRow);
  }
  mView.SelectReferredItems();
}

void CTableSelectionInput::HandleClick(int row, int col, Qt::KeyboardModifiers modifiers,
                                       int clickCount) {
  if (row < 1 || row > mView.GetRowCount() || col < 1 || col > mView.GetColCount()) {
    return;
  }
  mView.setFocus(Qt::MouseFocusReason);
  if (clickCount >= 2) {
    mView.ClearSelection();
    mView.SelectRow(row, false);
    mView.mSelection.SetAnchor(row);
    mView.SelectReferredItems();
    mView.HandleRename(row, col);
  } else {
    ClickSelect(row, modifiers, clickCount);
    mView.SelectReferredItems();
  }
  mView.Refresh();
}

void CTableSelectionInput::ClickSelect(int row, Qt::KeyboardModifiers modifiers, int clickCount) {
  CRowSelection& selection = mView.mSelection;
  if (IsCommandHeld(modifiers)) {
    if (!mView.IsRowSelected(row)) {
      mView.SelectRow(row, true);
    } else if (clickCount < 2) {
      mView.UnselectRow(row);
      selection.SetAnchor(0);
    }
  } else if (IsShiftHeld(modifiers)) {
    if (selection.GetAnchor() == 0) {
      if (!mView.IsRowSelected(row)) {
        mView.SelectRow(row, false);
      }
    } else {
      const int anchor = selection.GetAnchor();
      mView.SelectRows(std::min(anchor, row), std::max(anchor, row), false);
    }
  } else {
    mView.SelectRow(row, false);
    selection.SetAnchor(row);
  }
}

void CTableSelectionInput::HandleClickOutside(Qt::KeyboardModifiers modifiers) {
  mView.setFocus(Qt::MouseFocusReason);
  if (!IsCommandHeld(modifiers) && !IsShiftHeld(modifiers)) {
    mView.ClearSelection();
    mView.SelectReferredItems();
  }
}
