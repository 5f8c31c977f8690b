#include "gui_support/RowDragPlayer.h"

#include "views/CBaseTableView.h"
#include "views/RowDragPayload.h"
#include "views/SDragData.h"

#include <QDrag>

namespace BrisTest {

StDragRunner::StDragRunner(std::function<Qt::DropAction(QDrag&)> runner)
    : mPrevious(CBaseTableView::SetDragRunner(std::move(runner))) {}

StDragRunner::~StDragRunner() {
  CBaseTableView::SetDragRunner(std::move(mPrevious));
}

QPoint RowPoint(const CBaseTableView& table, int row) {
  const QRect rect = table.CalcLocalRowRect(row, 1);
  return QPoint(rect.left() + table.GetColWidth(1) / 2, rect.center().y());
}

SPlayedDrag DragRows(CBaseTableView& source, int clickedRow, CBaseTableView& target, int targetRow,
                     Qt::KeyboardModifiers modifiers, bool release,
                     const std::function<void()>& during) {
  SPlayedDrag played;
  StDragRunner runner([&](QDrag& drag) {
    played.started = true;
    played.wasDragging = CBaseTableView::sIsDragging;
    played.acceptable = target.ItemIsAcceptable(drag.mimeData());
    SDragData* data = RowDragPayload::ExtractDragData(drag.mimeData());
    if (!played.acceptable || data == nullptr) {
      return Qt::IgnoreAction;
    }
    target.EnterDropArea(*data, modifiers);
    target.ScrollRowIntoView(targetRow);
    played.action = target.InsideDropArea(*data, RowPoint(target, targetRow), modifiers);
    played.dropRow = target.GetDropRow();
    played.hilite = target.GetDropHiliteRect();
    if (during) {
      during();
    }
    if (release) {
      played.received = target.ReceiveDragItem(*data);
    }
    target.LeaveDropArea();
    return played.received ? played.action : Qt::IgnoreAction;
  });
  source.ScrollRowIntoView(clickedRow);
  source.TrackDrag(clickedRow, RowPoint(source, clickedRow));
  return played;
}

} // namespace BrisTest
