#include "views/CQuickFilter.h"

#include "domain/CSlotQuery.h"
#include "views/CBaseTableView.h"

#include <QKeyEvent>

CQuickFilter::CQuickFilter(QWidget* parent) : QLineEdit(parent) {
  setObjectName(QStringLiteral("QuickFilter"));
  setPlaceholderText(tr("Filter names and memos"));
  setClearButtonEnabled(true);
  connect(this, &QLineEdit::textChanged, this,
          [this](const QString& text) { Apply(text.toStdString()); });
}

void CQuickFilter::SetTables(std::vector<CBaseTableView*> tables) {
  mTables = std::move(tables);
}

void CQuickFilter::Apply(const std::string& text) {
  const Bris::CSlotQuery query(text);
  if (query.IsEmpty()) {
    Restore();
    return;
  }
  Activate();
  for (std::size_t t = 0; t < mTables.size(); ++t) {
    CBaseTableView& table = *mTables[t];
    std::vector<int> shown;
    for (int row = 1; row <= table.GetRowCount(); ++row) {
      const Bris::CParameter* record = table.GetParam(static_cast<unsigned int>(row - 1));
      if (record != nullptr && !record->IsBlank() && query.Matches(*record)) {
        shown.push_back(row);
      }
    }
    for (int row : SelectedRows(table)) {
      if (!std::binary_search(shown.begin(), shown.end(), row)) {
        table.UnselectRow(row);
      }
    }
    table.SetShownRows(std::move(shown));
    mSaved[t].filteredRows = SelectedRows(table);
  }
}

void CQuickFilter::Activate() {
  if (mActive) {
    return;
  }
  mActive = true;
  mSaved.clear();
  for (CBaseTableView* table : mTables) {
    mSaved.push_back({SelectedRows(*table), {}, table->GetScrollPosition().y()});
  }
}

void CQuickFilter::Restore() {
  if (!mActive) {
    return;
  }
  mActive = false;
  for (std::size_t t = 0; t < mTables.size() && t < mSaved.size(); ++t) {
    CBaseTableView& table = *mTables[t];
    const SSavedState& saved = mSaved[t];
    const bool chosenMeanwhile = SelectedRows(table) != saved.filteredRows;
    table.ShowAllRows();
    if (chosenMeanwhile) {
      if (const int first = table.GetFirstSelectedRow(); first != 0) {
        table.ScrollRowIntoView(first);
      }
      continue;
    }
    table.ClearSelection();
    for (int row : saved.selectedRows) {
      table.SelectRow(row, true);
    }
    table.ScrollImageTo(QPoint(table.GetScrollPosition().x(), saved.scrollTop));
  }
  mSaved.clear();
}

std::vector<int> CQuickFilter::SelectedRows(const CBaseTableView& table) {
  std::vector<int> rows;
  for (int row = 1; row <= table.GetRowCount(); ++row) {
    if (table.IsRowSelected(row)) {
      rows.push_back(row);
    }
  }
  return rows;
}

void CQuickFilter::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && !text().isEmpty()) {
    Clear();
    return;
  }
  QLineEdit::keyPressEvent(event);
}
