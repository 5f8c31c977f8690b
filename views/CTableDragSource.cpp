#include "views/CTableDragSource.h"

#include "domain/CDomain.h"
#include "editing/CDropEdit.h"
#include "framework/StWatchCursor.h"
#include "views/CBaseTableView.h"
#include "views/ITableHost.h"
#include "views/RowDropRules.h"
#include "views/SDragData.h"
#include "views/StRowDrag.h"

#include <QDrag>
#include <QMimeData>
#include <QPointer>

#include <utility>
#include <vector>

namespace {

Qt::DropAction RunPlatformDrag(QDrag& drag) {
  return drag.exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
}

CTableDragSource::DragRunner& DragRunnerSlot() {
  static CTableDragSource::DragRunner runner;
  return runner;
}

const Bris::CClipboard& Clipboard() {
  return Bris::Domain().GetClipboard();
}

} // namespace

CTableDragSource::DragRunner CTableDragSource::SetDragRunner(DragRunner runner) {
  return std::exchange(DragRunnerSlot(), std::move(runner));
}

void CTableDragSource::TrackDrag(int clickedRow) {
  if (mView.GetHost() == nullptr || !mView.HasSelection(true)) {
    return;
  }
  mView.HandleCopy();
  std::vector<int> selectedRows;
  std::vector<unsigned int> selectedIndexes;
  mView.GetSelectedIndexes(selectedIndexes, false);
  for (unsigned int index : selectedIndexes) {
    selectedRows.push_back(static_cast<int>(index) + 1);
  }
  // Ends the drag on every path below: the record stops being live, the clipboard is emptied.
  StRowDrag rowDrag(
      RowDropRules::MakeDragData(&mView, mView.GetParamType(), clickedRow, selectedRows));
  const bool oneBlock = RowDropRules::IsOneBlock(selectedIndexes);

  QPointer<CBaseTableView> self(&mView);
  QPointer<QDrag> drag = new QDrag(&mView);
  drag->setMimeData(rowDrag.MakeMimeData().release());
  CBaseTableView::sIsDragging = true;
  if (const DragRunner& runner = DragRunnerSlot()) {
    runner(*drag);
  } else {
    RunPlatformDrag(*drag);
  }
  CBaseTableView::sIsDragging = false;
  if (drag != nullptr) {
    drag->deleteLater();
  }
  // The window may have closed while the drag's event loop ran.
  if (self == nullptr) {
    return;
  }
  SDragData& data = rowDrag.GetData();
  const Bris::CClipboard& clipboard = Clipboard();
  if (RowDropRules::ShouldFinishDrop(data, data.target == &mView, oneBlock, clipboard.mCopy != 0,
                                     clipboard.mInsertMode != 0)) {
    mView.FinishDragAndDrop(data);
  }
}

void CTableDragSource::FinishDragAndDrop(SDragData& drag) {
  if (!drag.accepted || drag.target == nullptr || drag.dropRow == 0 || mView.GetHost() == nullptr) {
    return;
  }
  StWatchCursor watch;
  CBaseTableView& target = *drag.target;
  ITableHost* targetHost = target.GetHost();
  if (targetHost == nullptr) {
    return;
  }
  if (!targetHost->IsHostWindowActive()) {
    targetHost->BringHostToFront();
  }
  std::vector<unsigned int> sourceSelected;
  mView.GetSelectedIndexes(sourceSelected, true);
  const Bris::CClipboard& clipboard = Clipboard();
  const bool insertMode = clipboard.mInsertMode != 0;
  const bool copy = clipboard.mCopy != 0;
  const Bris::CDropEdit::SRequest request =
      RowDropRules::MakeDropRequest(drag, mView.GetZelData(), target.GetZelData(),
                                    target.GetParamType(), sourceSelected, insertMode, copy);
  const Bris::CDropEdit::SResult result = Bris::CDropEdit().Perform(request);
  if (result.pasted) {
    ShowDropResult(target, drag, result.pastedCount, result.sourceModified);
  }
  // Pasted or refused, the target window shows its data set as it is now.
  targetHost->UpdateTableContents();
}

void CTableDragSource::ShowDropResult(CBaseTableView& target, const SDragData& drag,
                                      unsigned int pastedCount, bool sourceChanged) {
  if (sourceChanged && &target != &mView) {
    // The moved rows are gone from this list: nothing of it stays selected.
    mView.ClearSelection();
    mView.SelectReferredItems();
    mView.GetHost()->MarkTableDataModified();
    mView.GetHost()->UpdateTableContents();
  }
  const int firstRow = static_cast<int>(drag.dropRow);
  target.ClearSelection();
  target.SelectRows(firstRow, firstRow + static_cast<int>(pastedCount) - 1, true);
  target.SelectReferredItems();
  target.GetHost()->MarkTableDataModified();
}
