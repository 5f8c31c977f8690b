#pragma once

#include <Qt>

class CBaseTableView;

// Turns a list's keys and clicks into changes of its selection: the arrow keys step over the
// rows a filter hides, Shift extends from the anchor row, Ctrl adds or removes one row, and a
// double click selects the row alone and edits the cell.
class CTableSelectionInput {
public:
  explicit CTableSelectionInput(CBaseTableView& view) : mView(view) {}

  // A key press (Qt key code); true when the list used it.
  bool HandleKey(int key, Qt::KeyboardModifiers modifiers);
  void UpArrow(bool extend);
  void DownArrow(bool extend);
  // A click on cell (row, col) that did not start a drag.
  void HandleClick(int row, int col, Qt::KeyboardModifiers modifiers, int clickCount);
  // A click below the last row or beside the columns.
  void HandleClickOutside(Qt::KeyboardModifiers modifiers);

private:
  void ClickSelect(int row, Qt::KeyboardModifiers modifiers, int clickCount);
  // Selects newRow (unless 0), makes it the anchor of a plain step and scrolls it into view.
  void StepTo(int newRow, bool extend);

  CBaseTableView& mView;
};
