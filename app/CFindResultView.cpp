#include "app/CFindResultView.h"

#include "app/CFindHandler.h"

#include <QHeaderView>

#include <algorithm>

CFindResultView::CFindResultView(CFindHandler& handler, QWidget* parent)
    : QTableView(parent), mHandler(handler) {
  setObjectName(QStringLiteral("FindResults"));
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setDragEnabled(true);
  setDragDropMode(QAbstractItemView::DragOnly);
  setWordWrap(false);
  setAlternatingRowColors(true);
  verticalHeader()->hide();
  // One line of text per result, as dense as the project window's lists.
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  horizontalHeader()->setStretchLastSection(true);
  horizontalHeader()->setHighlightSections(false);
}

void CFindResultView::startDrag(Qt::DropActions /*supportedActions*/) {
  std::vector<std::size_t> rows;
  for (const QModelIndex& index : selectionModel()->selectedRows()) {
    rows.push_back(static_cast<std::size_t>(index.row()));
  }
  std::sort(rows.begin(), rows.end());
  // The row under the mouse leads: its project and kind are the ones dragged.
  const QModelIndex current = currentIndex();
  if (current.isValid()) {
    const auto at = std::find(rows.begin(), rows.end(), static_cast<std::size_t>(current.row()));
    if (at != rows.end()) {
      std::rotate(rows.begin(), at, at + 1);
    }
  }
  mHandler.DragResults(rows);
}
