#pragma once

#include <QObject>
#include <QPoint>
#include <QTimer>

#include <cstdint>
#include <functional>

// Brings a background window to the front when a drag rests over it: while installed, a timer
// watches the mouse every 1/12 s, and once the mouse has not moved for more than a second the
// owner's activation runs (it typically brings its window to the front and removes the task).
// The clock and the mouse position can be replaced, so that the rule runs without real time.
class CDragActivateTask : public QObject {
  Q_OBJECT

public:
  using ClockFn = std::function<std::int64_t()>; // milliseconds, monotonic
  using MouseFn = std::function<QPoint()>;       // global mouse position

  static constexpr int kCheckIntervalMs = 1000 / 12;
  static constexpr std::int64_t kRestMs = 1000;

  explicit CDragActivateTask(std::function<void()> handleDragActivate, QObject* parent = nullptr);
  ~CDragActivateTask() override;

  void SetClock(ClockFn clock) { mClock = std::move(clock); }
  void SetMouse(MouseFn mouse) { mMouse = std::move(mouse); }

  // Starts watching from the current mouse position and time (again, when already installed).
  void InstallDragActivateTask();
  void RemoveDragActivateTask();
  bool IsInstalled() const { return mTimer.isActive(); }

  // One look at the mouse, as each timer firing does.
  void CheckDragActivate();

private:
  // True when the mouse moved since the last look; then its position and the time are kept.
  bool CheckMouseMoved();

  std::function<void()> mHandleDragActivate;
  ClockFn mClock;
  MouseFn mMouse;
  QTimer mTimer;
  QPoint mLastMouse;
  std::int64_t mRestSince = 0;
};
