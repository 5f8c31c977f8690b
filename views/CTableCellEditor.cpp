#include "views/CTableCellEditor.h"

#include "domain/CDomain.h"
#include "views/CBaseTableView.h"
#include "views/ITableHost.h"

#include <QToolTip>

#include <string>

void CTableCellEditor::EditCell(int row, int col) {
  mLastRefusal.clear();
  if (mView.GetHost() == nullptr || row < 1 || row > mView.GetRowCount() || col < 1 ||
      col > mView.GetColCount()) {
    return;
  }
  const auto index = static_cast<unsigned int>(row - 1);
  if (!mView.IsValidParam(index)) {
    return;
  }
  int memoLine = 0;
  switch (mView.GetCellEdit(row, col, memoLine)) {
  case CBaseTableView::ECellEdit::kName:
    EditName(index);
    break;
  case CBaseTableView::ECellEdit::kMemo:
    EditMemo(index, memoLine);
    break;
  case CBaseTableView::ECellEdit::kNone:
    ShowRefusal(row, col);
    break;
  }
}

void CTableCellEditor::ShowRefusal(int row, int col) {
  mLastRefusal = mView.GetCellEditRefusal(row, col);
  if (mLastRefusal.isEmpty()) {
    return;
  }
  const QRect cell = mView.ImageToLocalRect(mView.GetCellImageRect(row, col));
  QToolTip::showText(mView.viewport()->mapToGlobal(cell.bottomLeft()), mLastRefusal,
                     mView.viewport(), cell);
}

void CTableCellEditor::EditName(unsigned int index) {
  std::string name = mView.GetParam(index)->GetName();
  if (!mView.GetHost()->AskTableName(&mView, name)) {
    return;
  }
  PrepareUndo();
  mView.GetParam(index)->SetFinalName(name, false);
  mView.GetHost()->MarkTableDataModified();
  mView.Refresh();
}

void CTableCellEditor::EditMemo(unsigned int index, int line) {
  std::string memo = mView.GetParam(index)->GetMemo(line);
  if (!mView.GetHost()->AskTableMemo(&mView, memo)) {
    return;
  }
  PrepareUndo();
  mView.GetParam(index)->SetMemo(line, memo);
  mView.GetHost()->MarkTableDataModified();
  mView.Refresh();
}

void CTableCellEditor::PrepareUndo() {
  Bris::CDomain& domain = Bris::Domain();
  domain.ClearUndoDoc();
  domain.CopyToUndoBuffer(mView.GetParamType(), &mView.GetZelData());
}
