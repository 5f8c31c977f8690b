#pragma once

#include <vector>

// Which rows of a list are selected, and the row of the last plain click. Rows are 1-based;
// rows beyond those ever marked count as unselected.
class CRowSelection {
public:
  bool IsSelected(int row) const;
  // Marks rows firstRow..lastRow, clamped to 1..rowCount; without extend they become the only
  // selected rows.
  void Select(int firstRow, int lastRow, bool extend, int rowCount);
  // True when the row was selected.
  bool Unselect(int row);
  // Unselects every row and forgets the anchor.
  void Clear();
  // Selects an unselected row and unselects a selected one (the marquee's rule).
  void Toggle(int row, int rowCount);
  int GetFirst() const; // 0 when none
  int GetLast() const;  // 0 when none

  int GetAnchor() const { return mAnchorRow; }
  void SetAnchor(int row) { mAnchorRow = row; }

private:
  std::vector<char> mFlags; // one per row
  int mAnchorRow = 0;
};
