#include "views/CTableDropTarget.h"

#include "Zel/Generic/CErrorOut.h"
#include "domain/CDomain.h"
#include "editing/PasteWaveMemory.h"
#include "views/CBaseTableView.h"
#include "views/ITableHost.h"
#include "views/RowDragPayload.h"
#include "views/RowDropRules.h"
#include "views/SDragData.h"
#include "views/StRowDrag.h"

#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>

namespace {

// How often the modifier keys are looked at while a row drag is over a list.
constexpr int kModifierPollMs = 1000 / 12;

Bris::CClipboard& Clipboard() {
  return Bris::Domain().GetClipboard();
}

} // namespace

CTableDropTarget::CTableDropTarget(CBaseTableView& view)
    : mView(view), mDragScroll([this](bool down, int step) { mView.HandleDragScroll(down, step); }),
      mDragActivate([this] { mView.HandleDragActivate(); }) {
  mModifierPoll.setInterval(kModifierPollMs);
  QObject::connect(&mModifierPoll, &QTimer::timeout, &mModifierPoll,
                   [this] { mView.PollDropModifiers(); });
}

bool CTableDropTarget::ItemIsAcceptable(const QMimeData* mime) const {
  return RowDropRules::IsListDropAcceptable(mView.isEnabled(), CErrorOut::sIsAlertOpened,
                                            RowDragPayload::ExtractDragData(mime) != nullptr);
}

Qt::DropAction CTableDropTarget::EnterDropArea(SDragData& drag, Qt::KeyboardModifiers modifiers) {
  mDropDrag = &drag;
  mDropRow = 0;
  mDropCount = RowDropRules::GetDropCount(drag, mView.GetParamType());
  if (mDropCount != 0) {
    UpdateDropModes(drag, modifiers);
    mPolledModifiers = mModifierSource();
    mModifierPoll.start();
  }
  mDragActivate.InstallDragActivateTask();
  return CurrentDropAction();
}

Qt::DropAction CTableDropTarget::InsideDropArea(SDragData& drag, const QPoint& local,
                                                Qt::KeyboardModifiers modifiers) {
  mDropDrag = &drag;
  mLastDropPoint = local;
  if (mDropCount == 0) {
    return Qt::IgnoreAction;
  }
  UpdateDropModes(drag, modifiers);
  const int height = mView.viewport()->height();
  if (local.y() < 0 || local.y() >= height) {
    mDragScroll.MouseOutside(local.y() >= height);
    return CurrentDropAction();
  }
  mDragScroll.Stop();
  const int row = GetDropRowByPoint(local, drag.rowsBefore, mDropCount);
  const bool moved = row != mDropRow;
  mDropRow = row;
  UpdateWaveMemoryForecast();
  // A drop that would be refused shows no place to land.
  if (mWaveMemoryRefused) {
    EraseDropHilite();
  } else if (moved || !mHiliteShown) {
    EraseDropHilite();
    DrawDropHilite(mDropRow, mDropCount);
  }
  return CurrentDropAction();
}

void CTableDropTarget::LeaveDropArea() {
  mDragActivate.RemoveDragActivateTask();
  mDragScroll.Stop();
  mModifierPoll.stop();
  EraseDropHilite();
  ClearWaveMemoryForecast();
  mDropRow = 0;
  mDropCount = 0;
  mDropDrag = nullptr;
}

bool CTableDropTarget::PointInDropArea(const QPoint& local) const {
  // The list's whole frame (scroll bars included), in viewport coordinates.
  const QRect frame(mView.viewport()->mapFrom(&mView, QPoint(0, 0)), mView.size());
  return RowDropRules::IsPointInDropArea(frame, local);
}

int CTableDropTarget::GetDropRowByPoint(const QPoint& local, std::uint32_t rowsBefore,
                                        std::uint32_t count) const {
  return RowDropRules::DropRowForHit(mView.GetRowAt(local), Clipboard().mInsertMode != 0,
                                     rowsBefore, count, mView.GetRowCount());
}

void CTableDropTarget::HandleDragScroll(bool down, int step) {
  if (mDropCount == 0) {
    return;
  }
  const QPoint edge(0, down ? mView.viewport()->height() - 1 : 0);
  const RowDropRules::SScrollDrop scroll =
      RowDropRules::ScrollDropRow(down, mView.GetRowAt(edge), step, mView.GetRowCount(), mDropCount,
                                  Clipboard().mInsertMode != 0, mDropRow);
  EraseDropHilite();
  if (scroll.rowToShow != 0) {
    mView.ScrollRowIntoView(scroll.rowToShow);
  }
  mDropRow = scroll.dropRow;
  UpdateWaveMemoryForecast();
  if (!mWaveMemoryRefused) {
    DrawDropHilite(mDropRow, mDropCount);
  }
}

bool CTableDropTarget::ReceiveDragItem(SDragData& drag) {
  if (CErrorOut::sIsAlertOpened || mDropCount == 0 || mDropRow == 0 || mWaveMemoryRefused) {
    return false;
  }
  drag.accepted = true;
  drag.target = &mView;
  drag.dropRow = static_cast<std::uint32_t>(mDropRow);
  return true;
}

void CTableDropTarget::HandleDragActivate() {
  ITableHost* host = mView.GetHost();
  if (host == nullptr || host->IsHostWindowActive()) {
    return;
  }
  EraseDropHilite();
  host->BringHostToFront();
  mDragActivate.RemoveDragActivateTask();
  if (mDropRow != 0 && !mWaveMemoryRefused) {
    DrawDropHilite(mDropRow, mDropCount);
  }
}

void CTableDropTarget::UpdateDropModes(const SDragData& drag, Qt::KeyboardModifiers modifiers) {
  Bris::CClipboard& clipboard = Clipboard();
  const int insertMode = RowDropRules::IsInsertKey(modifiers) ? 1 : 0;
  if (insertMode != clipboard.mInsertMode) {
    // The feedback differs between the modes: a line for an insertion, a frame for a
    // replacement.
    const bool shown = mHiliteShown;
    EraseDropHilite();
    clipboard.mInsertMode = insertMode;
    if (shown) {
      DrawDropHilite(mDropRow, mDropCount);
    }
  }
  const bool sameProject = drag.source != nullptr && drag.source->GetHost() == mView.GetHost();
  clipboard.mCopy =
      RowDropRules::IsCopyDrop(sameProject, RowDropRules::IsCommandKey(modifiers)) ? 1 : 0;
}

void CTableDropTarget::PollDropModifiers() {
  const Qt::KeyboardModifiers modifiers = mModifierSource();
  // Only a change of the keys counts: the drag events tell the modifiers as they move.
  if (modifiers == mPolledModifiers || mDropDrag == nullptr ||
      mDropDrag != StRowDrag::GetLiveDragData()) {
    mPolledModifiers = modifiers;
    return;
  }
  mPolledModifiers = modifiers;
  // As a move to where the mouse is: the mode, the copy flag and the drop row follow the keys.
  mView.InsideDropArea(*mDropDrag, mLastDropPoint, modifiers);
}

Qt::DropAction CTableDropTarget::CurrentDropAction() const {
  if (mWaveMemoryRefused) {
    return Qt::IgnoreAction;
  }
  return RowDropRules::DropActionFor(mDropCount, Clipboard().mCopy != 0);
}

void CTableDropTarget::UpdateWaveMemoryForecast() {
  ITableHost* host = mView.GetHost();
  if (host == nullptr || mDropDrag == nullptr || mDropCount == 0 || mDropRow == 0) {
    ClearWaveMemoryForecast();
    return;
  }
  const Bris::CClipboard& clipboard = Clipboard();
  const int modes = (clipboard.mInsertMode != 0 ? 1 : 0) | (clipboard.mCopy != 0 ? 2 : 0);
  // Only a replacement of waves depends on the drop row: it frees the waves it overwrites.
  const bool rowMatters = mView.GetParamType() == Bris::CParameter::kWave && (modes & 1) == 0;
  const int forecastRow = rowMatters ? mDropRow : 0;
  if (forecastRow == mForecastRow && modes == mForecastModes) {
    return; // the file sizes are asked for once per drop place, not on every mouse move
  }
  mForecastRow = forecastRow;
  mForecastModes = modes;
  const bool otherProject = mDropDrag->source != nullptr && mDropDrag->source->GetHost() != host;
  const Bris::SWaveMemoryForecast forecast =
      Bris::ForecastPasteWaveMemory(host->GetTableData(), static_cast<unsigned int>(mDropRow - 1),
                                    mView.GetParamType(), otherProject, clipboard.mInsertMode != 0);
  mWaveMemoryRefused = forecast.IsRefused();
  // Only a drop that brings wave data along has something to show.
  if (forecast.addedBytes == 0 && !mWaveMemoryRefused) {
    host->ShowWaveMemoryForecast(std::nullopt);
  } else {
    host->ShowWaveMemoryForecast(forecast);
  }
}

void CTableDropTarget::ClearWaveMemoryForecast() {
  const bool shown = mForecastRow != -1;
  mWaveMemoryRefused = false;
  mForecastRow = -1;
  mForecastModes = -1;
  if (ITableHost* host = mView.GetHost(); shown && host != nullptr) {
    host->ShowWaveMemoryForecast(std::nullopt);
  }
}

void CTableDropTarget::DrawDropHilite(int row, std::uint32_t count) {
  if (row < 1 || count == 0) {
    return;
  }
  mHiliteShown = true;
  mHiliteRow = row;
  mHiliteCount = count;
  mHiliteInsert = Clipboard().mInsertMode != 0;
  mView.viewport()->update(GetDropHiliteRect().adjusted(-kHilitePenWidth, -kHilitePenWidth,
                                                        kHilitePenWidth, kHilitePenWidth));
}

void CTableDropTarget::EraseDropHilite() {
  if (!mHiliteShown) {
    return;
  }
  const QRect old = GetDropHiliteRect();
  mHiliteShown = false;
  mView.viewport()->update(
      old.adjusted(-kHilitePenWidth, -kHilitePenWidth, kHilitePenWidth, kHilitePenWidth));
}

QRect CTableDropTarget::GetDropHiliteRect() const {
  if (!mHiliteShown) {
    return QRect();
  }
  const int rowHeight = mView.GetRowHeight();
  const QRect rowRect = mView.CalcLocalRowRect(mHiliteRow, 1);
  const QRect visibleRow(0, rowRect.top(), mView.viewport()->width(), rowHeight);
  return RowDropRules::DropHiliteRect(visibleRow, rowHeight, mHiliteCount, mHiliteInsert);
}

// --- Qt events

void CTableDropTarget::DragEnterEvent(QDragEnterEvent* event) {
  SDragData* drag = RowDragPayload::ExtractDragData(event->mimeData());
  if (drag == nullptr || !mView.ItemIsAcceptable(event->mimeData())) {
    // Files from the desktop, or a drag refused now, go on to the window.
    event->ignore();
    return;
  }
  // Taken even when this list refuses the rows, so that it sees the moves that follow; each of
  // them tells what a drop there would do.
  event->setDropAction(mView.EnterDropArea(*drag, event->modifiers()));
  event->accept();
}

void CTableDropTarget::DragMoveEvent(QDragMoveEvent* event) {
  SDragData* drag = RowDragPayload::ExtractDragData(event->mimeData());
  if (drag == nullptr || !mView.ItemIsAcceptable(event->mimeData())) {
    event->ignore();
    return;
  }
  const Qt::DropAction action =
      mView.InsideDropArea(*drag, event->position().toPoint(), event->modifiers());
  if (action == Qt::IgnoreAction || mDropRow == 0) {
    event->ignore();
    return;
  }
  event->setDropAction(action);
  event->accept();
}

void CTableDropTarget::DragLeaveEvent(QDragLeaveEvent* event) {
  mView.LeaveDropArea();
  event->accept();
}

void CTableDropTarget::DropEvent(QDropEvent* event) {
  SDragData* drag = RowDragPayload::ExtractDragData(event->mimeData());
  const bool received = drag != nullptr && mView.ReceiveDragItem(*drag);
  // No leave follows a drop.
  const Qt::DropAction action = CurrentDropAction();
  mView.LeaveDropArea();
  if (!received) {
    event->ignore();
    return;
  }
  event->setDropAction(action);
  event->accept();
}
