#include "views/RowDropRules.h"

#include "domain/CDomain.h"
#include "views/SDragData.h"

#include <algorithm>

namespace RowDropRules {

bool IsInsertKey(Qt::KeyboardModifiers modifiers) {
  return modifiers.testFlag(Qt::AltModifier);
}

bool IsCommandKey(Qt::KeyboardModifiers modifiers) {
  return modifiers.testFlag(Qt::ControlModifier);
}

bool IsCopyDrop(bool sameDocument, bool commandHeld) {
  return sameDocument == commandHeld;
}

Qt::DropAction DropActionFor(std::uint32_t dropCount, bool copy) {
  if (dropCount == 0) {
    return Qt::IgnoreAction;
  }
  return copy ? Qt::CopyAction : Qt::MoveAction;
}

std::uint32_t CountRowsBefore(const std::vector<int>& selectedRows, int clickedRow) {
  return static_cast<std::uint32_t>(
      std::count_if(selectedRows.begin(), selectedRows.end(),
                    [clickedRow](int row) { return row < clickedRow; }));
}

bool IsOneBlock(const std::vector<unsigned int>& selectedIndexes) {
  for (std::size_t i = 1; i < selectedIndexes.size(); ++i) {
    if (selectedIndexes[i] != selectedIndexes[i - 1] + 1) {
      return false;
    }
  }
  return true;
}

SDragData MakeDragData(CBaseTableView* source, Bris::CParameter::EDataType kind, int clickedRow,
                       const std::vector<int>& selectedRows) {
  const Bris::CClipboard& clipboard = Bris::Domain().GetClipboard();
  SDragData drag;
  drag.source = source;
  drag.sourceKind = kind;
  drag.clickedRow = static_cast<std::uint32_t>(std::max(clickedRow, 0));
  drag.rowsBefore = CountRowsBefore(selectedRows, clickedRow);
  drag.patchCount = static_cast<std::uint32_t>(clipboard.mPatches.size());
  drag.toneCount = static_cast<std::uint32_t>(clipboard.mTones.size());
  drag.waveCount = static_cast<std::uint32_t>(clipboard.mWaves.size());
  return drag;
}

bool IsListDropAcceptable(bool enabled, bool alertOpen, bool isRowDrag) {
  return enabled && !alertOpen && isRowDrag;
}

std::uint32_t GetDropCount(const SDragData& drag, Bris::CParameter::EDataType viewKind) {
  return drag.sourceKind == viewKind ? drag.GetCount(viewKind) : 0;
}

bool IsPointInDropArea(const QRect& frame, const QPoint& point) {
  return frame.adjusted(0, -kDropAreaMargin, 0, kDropAreaMargin).contains(point);
}

int DropRowForHit(int hitRow, bool insertMode, std::uint32_t rowsBefore, std::uint32_t count,
                  int rowCount) {
  if (hitRow < 1 || hitRow > rowCount) {
    return 0;
  }
  long long row = hitRow;
  if (!insertMode) {
    row = std::max(1LL, row - static_cast<long long>(rowsBefore));
  }
  if (count > 1 && row + count - 1 > rowCount) {
    row = std::max(1LL, static_cast<long long>(rowCount) - count + 1);
  }
  return static_cast<int>(row);
}

SScrollDrop ScrollDropRow(bool down, int edgeRow, int step, int rowCount, std::uint32_t dropCount,
                          bool insertMode, int currentDropRow) {
  // The lowest row a block of dropCount rows may start on and still fit.
  const int lowestFit = std::max(1, rowCount - static_cast<int>(dropCount) + 1);
  SScrollDrop scroll;
  if (edgeRow < 1 || edgeRow > rowCount) {
    scroll.dropRow = currentDropRow != 0 ? currentDropRow : (down ? lowestFit : 1);
    return scroll;
  }
  if (down) {
    scroll.rowToShow = std::min(edgeRow + step, rowCount);
    scroll.dropRow = insertMode ? std::min(scroll.rowToShow, lowestFit)
                                : std::max(1, scroll.rowToShow - static_cast<int>(dropCount) + 1);
  } else {
    scroll.rowToShow = std::max(edgeRow - step, 1);
    scroll.dropRow = std::min(scroll.rowToShow, lowestFit);
  }
  return scroll;
}

QRect DropHiliteRect(const QRect& dropRowRect, int rowHeight, std::uint32_t count,
                     bool insertMode) {
  if (insertMode) {
    return QRect(dropRowRect.left(), dropRowRect.top() - 1, dropRowRect.width(), 2);
  }
  return QRect(dropRowRect.left(), dropRowRect.top(), dropRowRect.width(),
               rowHeight * static_cast<int>(std::max<std::uint32_t>(count, 1)));
}

bool ShouldFinishDrop(const SDragData& drag, bool targetIsSource, bool selectionIsOneBlock,
                      bool copy, bool insertMode) {
  if (!drag.accepted || drag.dropRow == 0) {
    return false;
  }
  if (!selectionIsOneBlock || !targetIsSource ||
      drag.dropRow + drag.rowsBefore != drag.clickedRow) {
    return true;
  }
  return copy && insertMode;
}

Bris::CDropEdit::SRequest MakeDropRequest(const SDragData& drag, Bris::CZelData& source,
                                          Bris::CZelData& target,
                                          Bris::CParameter::EDataType targetKind,
                                          const std::vector<unsigned int>& sourceSelected,
                                          bool insertMode, bool copy) {
  Bris::CDropEdit::SRequest request;
  request.source = &source;
  request.target = &target;
  request.sourceKind = drag.sourceKind;
  request.targetKind = targetKind;
  request.sourceIndexes = sourceSelected;
  request.dropIndex = drag.dropRow - 1;
  request.insertMode = insertMode;
  request.copy = copy;
  return request;
}

} // namespace RowDropRules
