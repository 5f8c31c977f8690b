#pragma once

#include <QString>

class CBaseTableView;

// Renaming and memo editing of a list's slots: asks through the list's window for the new name
// or memo line and, when given, keeps the list's data for Undo before changing the slot.
class CTableCellEditor {
public:
  explicit CTableCellEditor(CBaseTableView& view) : mView(view) {}

  // Edits what the cell (row, col) shows: the slot's name, one of its memo lines, or nothing.
  // A cell that edits nothing but has a reason to give (a preset wave's name) shows it in a
  // tool tip over the cell.
  void EditCell(int row, int col);
  // The reason last shown; empty when the last double click edited something or said nothing.
  const QString& GetLastRefusal() const { return mLastRefusal; }

private:
  void EditName(unsigned int index);
  void EditMemo(unsigned int index, int line);
  void PrepareUndo();
  void ShowRefusal(int row, int col);

  CBaseTableView& mView;
  QString mLastRefusal;
};
