#include "framework/CDragAutoScroll.h"

#include <algorithm>
#include <chrono>

namespace {

std::int64_t SteadyMilliseconds() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

constexpr std::int64_t kTicksPerSecond = 60;
constexpr std::int64_t kSlowTicks = 120;

} // namespace

CDragAutoScroll::CDragAutoScroll(ScrollFn scroll, QObject* parent)
    : QObject(parent), mScroll(std::move(scroll)), mClock(SteadyMilliseconds) {
  connect(&mTimer, &QTimer::timeout, this, &CDragAutoScroll::Fire);
}

CDragAutoScroll::~CDragAutoScroll() = default;

void CDragAutoScroll::MouseOutside(bool down) {
  if (!mOutside) {
    mOutside = true;
    mOutsideSince = mClock();
  }
  mDown = down;
  if (!mTimer.isActive()) {
    mTimer.start(kFirstDelayMs);
  }
}

void CDragAutoScroll::Stop() {
  mTimer.stop();
  mOutside = false;
  mOutsideSince = 0;
}

std::int64_t CDragAutoScroll::GetOutsideMs() const {
  return mOutside ? std::max<std::int64_t>(0, mClock() - mOutsideSince) : 0;
}

int CDragAutoScroll::ScrollStep(std::int64_t outsideMs) {
  const std::int64_t ticks = outsideMs * kTicksPerSecond / 1000;
  if (ticks <= kSlowTicks) {
    return 1;
  }
  return static_cast<int>((ticks - kSlowTicks) / kTicksPerSecond + 2);
}

void CDragAutoScroll::Fire() {
  if (!mOutside) {
    return;
  }
  if (mTimer.isActive() && mTimer.interval() != kRepeatMs) {
    mTimer.setInterval(kRepeatMs);
  }
  if (mScroll) {
    mScroll(mDown, ScrollStep(GetOutsideMs()));
  }
}
