#pragma once

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>

// Scrolls a list while a drag holds the mouse above or below its rows: the first step comes after
// 8/60 s, then one every 2/60 s, each of one row for the first two seconds outside and one row
// more for every further second. The owner's scroll function moves the rows and the drop row.
// The clock can be replaced, so that the speed-up runs without real time.
class CDragAutoScroll : public QObject {
  Q_OBJECT

public:
  using ClockFn = std::function<std::int64_t()>; // milliseconds, monotonic
  using ScrollFn = std::function<void(bool down, int step)>;

  static constexpr int kFirstDelayMs = 8 * 1000 / 60;
  static constexpr int kRepeatMs = 2 * 1000 / 60;

  explicit CDragAutoScroll(ScrollFn scroll, QObject* parent = nullptr);
  ~CDragAutoScroll() override;

  void SetClock(ClockFn clock) { mClock = std::move(clock); }

  // The mouse is above (down false) or below (down true) the rows: time outside counts from the
  // first call, and the timer runs.
  void MouseOutside(bool down);
  // The mouse is back over the rows or the drag has left: counting stops, the timer is removed.
  void Stop();
  bool IsScrolling() const { return mTimer.isActive(); }
  bool IsDown() const { return mDown; }
  int GetInterval() const { return mTimer.interval(); }

  // Time since the mouse left the rows, 0 while inside.
  std::int64_t GetOutsideMs() const;
  // Rows per step after outsideMs outside: 1 up to 120 ticks (1/60 s), then
  // (ticks - 120) / 60 + 2.
  static int ScrollStep(std::int64_t outsideMs);

  // One timer firing: scrolls by the current step.
  void Fire();

private:
  ScrollFn mScroll;
  ClockFn mClock;
  QTimer mTimer;
  bool mOutside = false;
  bool mDown = false;
  std::int64_t mOutsideSince = 0;
};
