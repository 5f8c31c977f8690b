#pragma once

#include "framework/CDragActivateTask.h"

#include <QPoint>
#include <Qt>

class CBaseTableView;
class CDropHighlightFrame;
class CProjectWindow;
class QDragEnterEvent;
class QDragLeaveEvent;
class QDragMoveEvent;
class QDropEvent;
class QMimeData;

// A project window as a drop target (points in window coordinates): files from the desktop to
// import or a project folder to open, and row drags, which drop nowhere on the window itself
// except in the scroll zones just above and below a list, which belong to that list.
class CProjectWindowDropTarget {
public:
  explicit CProjectWindowDropTarget(CProjectWindow& window);

  bool ItemIsAcceptable(const QMimeData* mime) const;
  Qt::DropAction EnterDropArea(const QMimeData* mime, const QPoint& point,
                               Qt::KeyboardModifiers modifiers);
  Qt::DropAction InsideDropArea(const QMimeData* mime, const QPoint& point,
                                Qt::KeyboardModifiers modifiers);
  void LeaveDropArea();
  bool DoDragReceive(const QMimeData* mime);
  void HandleDragActivate();
  CBaseTableView* GetDropZoneTable() const { return mDropZoneTable; }
  // True while files that a drop would import or open rest on the window: a frame around the
  // window says so. Row drags show their place in the lists instead.
  bool IsHighlighted() const;
  CDragActivateTask& GetDragActivateTask() { return mDragActivate; }
  // The files being dragged over the window would pass the wave-memory limit.
  bool IsFileDropRefused() const { return mFileDropRefused; }

  // The Qt drag events of the window.
  void DragEnterEvent(QDragEnterEvent* event);
  void DragMoveEvent(QDragMoveEvent* event);
  void DragLeaveEvent(QDragLeaveEvent* event);
  void DropEvent(QDropEvent* event);

private:
  // The list whose frame, widened by its scroll zones, holds the window point.
  CBaseTableView* FindDropZoneTable(const QPoint& point) const;
  void LeaveDropZoneTable();
  // Shows on the window's meter what importing the dragged files would give.
  void ForecastFileDrop(const QMimeData* mime);
  bool WouldTakeFiles(const QMimeData* mime) const;
  void SetHighlighted(bool highlighted);

  CProjectWindow& mWindow;
  CBaseTableView* mDropZoneTable = nullptr;
  CDragActivateTask mDragActivate;
  bool mFileDropRefused = false;
  CDropHighlightFrame* mHighlight = nullptr; // made on the first file drag; the window owns it
};
