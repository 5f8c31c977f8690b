#include "views/CRowSelection.h"

#include <algorithm>
#include <cstddef>

bool CRowSelection::IsSelected(int row) const {
  return row >= 1 && row <= static_cast<int>(mFlags.size()) &&
         mFlags[static_cast<std::size_t>(row - 1)] != 0;
}

void CRowSelection::Select(int firstRow, int lastRow, bool extend, int rowCount) {
  mFlags.resize(static_cast<std::size_t>(rowCount), 0);
  if (!extend) {
    std::fill(mFlags.begin(), mFlags.end(), 0);
  }
  firstRow = std::max(firstRow, 1);
  lastRow = std::min(lastRow, rowCount);
  for (int row = firstRow; row <= lastRow; ++row) {
    mFlags[static_cast<std::size_t>(row - 1)] = 1;
  }
}

bool CRowSelection::Unselect(int row) {
  if (!IsSelected(row)) {
    return false;
  }
  mFlags[static_cast<std::size_t>(row - 1)] = 0;
  return true;
}

void CRowSelection::Clear() {
  std::fill(mFlags.begin(), mFlags.end(), 0);
  mAnchorRow = 0;
}

void CRowSelection::Toggle(int row, int rowCount) {
  mFlags.resize(static_cast<std::size_t>(rowCount), 0);
  if (row < 1 || row > rowCount) {
    return;
  }
  char& flag = mFlags[static_cast<std::size_t>(row - 1)];
  flag = flag != 0 ? 0 : 1;
}

int CRowSelection::GetFirst() const {
  const auto it = std::find(mFlags.begin(), mFlags.end(), 1);
  return it == mFlags.end() ? 0 : static_cast<int>(it - mFlags.begin()) + 1;
}

int CRowSelection::GetLast() const {
  const auto it = std::find(mFlags.rbegin(), mFlags.rend(), 1);
  return it == mFlags.rend() ? 0 : static_cast<int>(mFlags.rend() - it);
}
