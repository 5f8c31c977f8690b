#pragma once

class CBaseTableView;

// Renaming and memo editing of a list's slots: asks through the list's window for the new name
// or memo line and, when given, keeps the list's data for Undo before changing the slot.
class CTableCellEditor {
public:
  explicit CTableCellEditor(CBaseTableView& view) : mView(view) {}

  // Edits what the cell (row, col) shows: the slot's name, one of its memo lines, or nothing.
  void EditCell(int row, int col);

private:
  void EditName(unsigned int index);
  void EditMemo(unsigned int index, int line);
  void PrepareUndo();

  CBaseTableView& mView;
};
