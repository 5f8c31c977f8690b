#include "app/CProjectWindowDropTarget.h"

#include "Zel/Generic/CErrorOut.h"
#include "app/CProjectWindow.h"
#include "app/FileDropRules.h"
#include "framework/CDropHighlightFrame.h"
#include "views/CBaseTableView.h"
#include "views/CWaveMemoryBar.h"
#include "views/RowDragPayload.h"
#include "views/SDragData.h"

#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QTimer>

#include <utility>

CProjectWindowDropTarget::CProjectWindowDropTarget(CProjectWindow& window)
    : mWindow(window), mDragActivate([this] { HandleDragActivate(); }) {}

bool CProjectWindowDropTarget::ItemIsAcceptable(const QMimeData* mime) const {
  return FileDropRules::IsWindowDropAcceptable(mWindow.HasPendingWork(), CErrorOut::sIsAlertOpened,
                                               FileDropRules::HasLocalItems(mime),
                                               RowDragPayload::IsBriselData(mime));
}

Qt::DropAction CProjectWindowDropTarget::EnterDropArea(const QMimeData* mime, const QPoint& point,
                                                       Qt::KeyboardModifiers modifiers) {
  mDragActivate.InstallDragActivateTask();
  if (RowDragPayload::IsBriselData(mime)) {
    return InsideDropArea(mime, point, modifiers);
  }
  ForecastFileDrop(mime);
  // A drop the wave memory refuses has nowhere to land: no frame for it.
  SetHighlighted(!mFileDropRefused && WouldTakeFiles(mime));
  return mFileDropRefused ? Qt::IgnoreAction : Qt::CopyAction;
}

void CProjectWindowDropTarget::ForecastFileDrop(const QMimeData* mime) {
  // The files stay the same for the whole drag: their sizes are asked for once, on entering.
  const FileDropRules::SPlan plan = FileDropRules::PlanFileDrop(FileDropRules::LocalItems(mime),
                                                                &CProjectWindow::IsValidFileName);
  mFileDropRefused = false;
  if (plan.importFiles.empty()) {
    mWindow.GetWaveMemoryBar()->ClearForecast();
    return;
  }
  const Bris::SWaveMemoryForecast forecast = mWindow.ForecastImportWaveMemory(plan.importFiles);
  mFileDropRefused = forecast.IsRefused();
  mWindow.GetWaveMemoryBar()->ShowForecast(forecast, Bris::CWaveMemoryMeter::EOperation::kDrop);
}

bool CProjectWindowDropTarget::WouldTakeFiles(const QMimeData* mime) const {
  return !FileDropRules::PlanFileDrop(FileDropRules::LocalItems(mime),
                                      &CProjectWindow::IsValidFileName)
              .IsEmpty();
}

bool CProjectWindowDropTarget::IsHighlighted() const {
  return mHighlight != nullptr && mHighlight->IsHighlighted();
}

void CProjectWindowDropTarget::SetHighlighted(bool highlighted) {
  if (mHighlight == nullptr && highlighted) {
    mHighlight = new CDropHighlightFrame(mWindow);
  }
  if (mHighlight != nullptr) {
    mHighlight->SetHighlighted(highlighted);
  }
}

Qt::DropAction CProjectWindowDropTarget::InsideDropArea(const QMimeData* mime, const QPoint& point,
                                                        Qt::KeyboardModifiers modifiers) {
  if (!RowDragPayload::IsBriselData(mime)) {
    return mFileDropRefused ? Qt::IgnoreAction : Qt::CopyAction;
  }
  SDragData* drag = RowDragPayload::ExtractDragData(mime);
  CBaseTableView* table = drag != nullptr ? FindDropZoneTable(point) : nullptr;
  if (table != mDropZoneTable) {
    LeaveDropZoneTable();
    if (table != nullptr) {
      mDropZoneTable = table;
      table->EnterDropArea(*drag, modifiers);
      // The list watches the rest itself while the drag is in its zone.
      mDragActivate.RemoveDragActivateTask();
    }
  }
  if (mDropZoneTable == nullptr) {
    return Qt::IgnoreAction;
  }
  const QPoint local = mDropZoneTable->viewport()->mapFrom(&mWindow, point);
  return mDropZoneTable->InsideDropArea(*drag, local, modifiers);
}

void CProjectWindowDropTarget::LeaveDropArea() {
  mFileDropRefused = false;
  mWindow.GetWaveMemoryBar()->ClearForecast();
  SetHighlighted(false);
  LeaveDropZoneTable();
  mDragActivate.RemoveDragActivateTask();
}

CBaseTableView* CProjectWindowDropTarget::FindDropZoneTable(const QPoint& point) const {
  const Bris::CParameter::EDataType kinds[] = {Bris::CParameter::kPatch, Bris::CParameter::kTone,
                                               Bris::CParameter::kWave};
  for (Bris::CParameter::EDataType kind : kinds) {
    CBaseTableView* table = mWindow.GetTable(kind);
    if (table->isVisible() && table->PointInDropArea(table->viewport()->mapFrom(&mWindow, point))) {
      return table;
    }
  }
  return nullptr;
}

void CProjectWindowDropTarget::LeaveDropZoneTable() {
  if (mDropZoneTable != nullptr) {
    std::exchange(mDropZoneTable, nullptr)->LeaveDropArea();
    mDragActivate.InstallDragActivateTask();
  }
}

bool CProjectWindowDropTarget::DoDragReceive(const QMimeData* mime) {
  if (mWindow.HasPendingWork() || CErrorOut::sIsAlertOpened || RowDragPayload::IsBriselData(mime) ||
      mFileDropRefused) {
    return false;
  }
  const FileDropRules::SPlan plan = FileDropRules::PlanFileDrop(FileDropRules::LocalItems(mime),
                                                                &CProjectWindow::IsValidFileName);
  if (plan.IsEmpty()) {
    return false;
  }
  // The work waits until the drop has finished: the desktop's drag must not hang on an import
  // or on the windows of a project being opened.
  if (!plan.importFiles.empty()) {
    mWindow.PostImportWaves(plan.importFiles);
  }
  if (!plan.projectFolder.empty()) {
    mWindow.PostOpenProject(plan.projectFolder);
  }
  QTimer::singleShot(0, &mWindow, &CProjectWindow::SpendTime);
  return true;
}

void CProjectWindowDropTarget::HandleDragActivate() {
  if (!mWindow.isActiveWindow()) {
    mWindow.BringToFront();
  }
  mDragActivate.RemoveDragActivateTask();
}

void CProjectWindowDropTarget::DragEnterEvent(QDragEnterEvent* event) {
  if (!ItemIsAcceptable(event->mimeData())) {
    event->ignore();
    return;
  }
  const Qt::DropAction action =
      EnterDropArea(event->mimeData(), event->position().toPoint(), event->modifiers());
  // A row drag is taken even where it cannot drop, so that the scroll zones of the lists see it.
  event->setDropAction(action == Qt::IgnoreAction ? Qt::CopyAction : action);
  event->accept();
}

void CProjectWindowDropTarget::DragMoveEvent(QDragMoveEvent* event) {
  if (!ItemIsAcceptable(event->mimeData())) {
    SetHighlighted(false);
    event->ignore();
    return;
  }
  const Qt::DropAction action =
      InsideDropArea(event->mimeData(), event->position().toPoint(), event->modifiers());
  if (action == Qt::IgnoreAction ||
      (mDropZoneTable != nullptr && mDropZoneTable->GetDropRow() == 0)) {
    event->ignore();
    return;
  }
  event->setDropAction(action);
  event->accept();
}

void CProjectWindowDropTarget::DragLeaveEvent(QDragLeaveEvent* event) {
  LeaveDropArea();
  event->accept();
}

void CProjectWindowDropTarget::DropEvent(QDropEvent* event) {
  bool received = false;
  Qt::DropAction action = Qt::CopyAction;
  if (RowDragPayload::IsBriselData(event->mimeData())) {
    SDragData* drag = RowDragPayload::ExtractDragData(event->mimeData());
    if (drag != nullptr && mDropZoneTable != nullptr) {
      action = event->dropAction();
      received = mDropZoneTable->ReceiveDragItem(*drag);
    }
  } else {
    received = DoDragReceive(event->mimeData());
  }
  LeaveDropArea();
  if (!received) {
    event->ignore();
    return;
  }
  event->setDropAction(action);
  event->accept();
}
