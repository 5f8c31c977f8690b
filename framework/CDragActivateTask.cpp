#include "framework/CDragActivateTask.h"

#include <QCursor>

#include <chrono>

namespace {

std::int64_t SteadyMilliseconds() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

} // namespace

CDragActivateTask::CDragActivateTask(std::function<void()> handleDragActivate, QObject* parent)
    : QObject(parent), mHandleDragActivate(std::move(handleDragActivate)),
      mClock(SteadyMilliseconds), mMouse([] { return QCursor::pos(); }) {
  mTimer.setInterval(kCheckIntervalMs);
  connect(&mTimer, &QTimer::timeout, this, &CDragActivateTask::CheckDragActivate);
}

CDragActivateTask::~CDragActivateTask() = default;

void CDragActivateTask::InstallDragActivateTask() {
  mLastMouse = mMouse();
  mRestSince = mClock();
  mTimer.start();
}

void CDragActivateTask::RemoveDragActivateTask() {
  mTimer.stop();
}

bool CDragActivateTask::CheckMouseMoved() {
  const QPoint mouse = mMouse();
  if (mouse == mLastMouse) {
    return false;
  }
  mLastMouse = mouse;
  mRestSince = mClock();
  return true;
}

void CDragActivateTask::CheckDragActivate() {
  if (CheckMouseMoved()) {
    return;
  }
  if (mClock() - mRestSince > kRestMs && mHandleDragActivate) {
    mHandleDragActivate();
  }
}
