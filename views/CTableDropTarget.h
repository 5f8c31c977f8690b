#pragma once

#include "framework/CDragActivateTask.h"
#include "framework/CDragAutoScroll.h"

#include <QGuiApplication>
#include <QPoint>
#include <QRect>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <utility>

class CBaseTableView;
class QDragEnterEvent;
class QDragLeaveEvent;
class QDragMoveEvent;
class QDropEvent;
class QMimeData;
struct SDragData;

// A list as the target of a row drag (points in viewport coordinates): whether it takes the
// drag, the drop row under the mouse and its feedback, the insert and copy modes from the keys,
// auto-scrolling in the zones above and below the list, and bringing the window forward when
// the drag rests over it. The drop itself is carried out by the source once the platform drag
// has ended.
class CTableDropTarget {
public:
  // The drop feedback's pen: 2 x 2 pixels.
  static constexpr int kHilitePenWidth = 2;

  using ModifierSource = std::function<Qt::KeyboardModifiers()>;

  explicit CTableDropTarget(CBaseTableView& view);

  bool ItemIsAcceptable(const QMimeData* mime) const;
  Qt::DropAction EnterDropArea(SDragData& drag, Qt::KeyboardModifiers modifiers);
  Qt::DropAction InsideDropArea(SDragData& drag, const QPoint& local,
                                Qt::KeyboardModifiers modifiers);
  void LeaveDropArea();
  bool PointInDropArea(const QPoint& local) const;
  int GetDropRowByPoint(const QPoint& local, std::uint32_t rowsBefore, std::uint32_t count) const;
  void HandleDragScroll(bool down, int step);
  bool ReceiveDragItem(SDragData& drag);
  void HandleDragActivate();
  void PollDropModifiers();

  // The Qt drag events of the list's viewport.
  void DragEnterEvent(QDragEnterEvent* event);
  void DragMoveEvent(QDragMoveEvent* event);
  void DragLeaveEvent(QDragLeaveEvent* event);
  void DropEvent(QDropEvent* event);

  int GetDropRow() const { return mDropRow; }
  std::uint32_t GetDropCount() const { return mDropCount; }
  // The drop under the mouse would pass the wave-memory limit: the list does not take it.
  bool IsDropRefusedForWaveMemory() const { return mWaveMemoryRefused; }
  bool IsHiliteShown() const { return mHiliteShown; }
  bool IsHiliteInsert() const { return mHiliteInsert; }
  QRect GetDropHiliteRect() const;
  CDragAutoScroll& GetDragAutoScroll() { return mDragScroll; }
  const CDragAutoScroll& GetDragAutoScroll() const { return mDragScroll; }
  CDragActivateTask& GetDragActivateTask() { return mDragActivate; }
  const CDragActivateTask& GetDragActivateTask() const { return mDragActivate; }
  void SetModifierSource(ModifierSource source) { mModifierSource = std::move(source); }

private:
  // Drop feedback: shown for the drop row and count in the current mode, or erased.
  void DrawDropHilite(int row, std::uint32_t count);
  void EraseDropHilite();
  // Sets the insert mode and the copy flag from the keys; redraws the feedback when the mode
  // changed.
  void UpdateDropModes(const SDragData& drag, Qt::KeyboardModifiers modifiers);
  Qt::DropAction CurrentDropAction() const;
  // Asks the editing engine what the drop at the drop row in the current modes would do to the
  // wave memory, tells the host and remembers whether the drop would be refused.
  void UpdateWaveMemoryForecast();
  void ClearWaveMemoryForecast();

  CBaseTableView& mView;
  // The row drag over the list: the drop row (0: none) and the records it would drop (0: the
  // list refuses it).
  SDragData* mDropDrag = nullptr;
  int mDropRow = 0;
  std::uint32_t mDropCount = 0;
  bool mHiliteShown = false;
  int mHiliteRow = 0;
  std::uint32_t mHiliteCount = 0;
  bool mHiliteInsert = false;
  CDragAutoScroll mDragScroll;
  CDragActivateTask mDragActivate;
  QTimer mModifierPoll;
  Qt::KeyboardModifiers mPolledModifiers;
  ModifierSource mModifierSource{[] { return QGuiApplication::queryKeyboardModifiers(); }};
  QPoint mLastDropPoint; // where the drag last moved over the list
  bool mWaveMemoryRefused = false;
  // The drop the forecast was made for (row, insert mode, copy flag); -1: none yet.
  int mForecastRow = -1;
  int mForecastModes = -1;
};
