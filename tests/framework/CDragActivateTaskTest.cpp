#include "framework/CDragActivateTask.h"

#include <gtest/gtest.h>

namespace {

// A task watching a scripted mouse on a scripted clock.
class CDragActivateTaskTest : public ::testing::Test {
protected:
  CDragActivateTaskTest() : mTask([this] { ++mActivations; }) {
    mTask.SetClock([this] { return mNow; });
    mTask.SetMouse([this] { return mMouse; });
  }

  // One timer firing after ms more milliseconds.
  void FireAfter(std::int64_t ms) {
    mNow += ms;
    mTask.CheckDragActivate();
  }

  std::int64_t mNow = 5000;
  QPoint mMouse{100, 100};
  int mActivations = 0;
  CDragActivateTask mTask;
};

TEST_F(CDragActivateTaskTest, MouseRestingMoreThanASecond_ActivatesTheWindow) {
  mTask.InstallDragActivateTask();
  EXPECT_TRUE(mTask.IsInstalled());

  FireAfter(500);
  FireAfter(500); // exactly one second: not yet
  EXPECT_EQ(mActivations, 0);
  FireAfter(1);
  EXPECT_EQ(mActivations, 1);
}

TEST_F(CDragActivateTaskTest, MouseMoving_RestartsTheSecondOfRest) {
  mTask.InstallDragActivateTask();
  FireAfter(900);
  mMouse = QPoint(101, 100);
  FireAfter(83); // moved: rest counts from here
  FireAfter(900);
  EXPECT_EQ(mActivations, 0);
  FireAfter(101);
  EXPECT_EQ(mActivations, 1);
}

TEST_F(CDragActivateTaskTest, InstallingAgain_CountsFromThen) {
  mTask.InstallDragActivateTask();
  mNow += 5000;
  mTask.InstallDragActivateTask();
  FireAfter(1000);
  EXPECT_EQ(mActivations, 0);
  mTask.RemoveDragActivateTask();
  EXPECT_FALSE(mTask.IsInstalled());
}

} // namespace
