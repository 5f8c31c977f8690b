#include "framework/CDragAutoScroll.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

class CDragAutoScrollTest : public ::testing::Test {
protected:
  CDragAutoScrollTest()
      : mScroll([this](bool down, int step) { mSteps.emplace_back(down, step); }) {
    mScroll.SetClock([this] { return mNow; });
  }

  std::int64_t mNow = 10000;
  std::vector<std::pair<bool, int>> mSteps;
  CDragAutoScroll mScroll;
};

TEST_F(CDragAutoScrollTest, ScrollStep_OneRowForTwoSecondsThenOneMorePerSecond) {
  EXPECT_EQ(CDragAutoScroll::ScrollStep(0), 1);
  EXPECT_EQ(CDragAutoScroll::ScrollStep(2000), 1); // 120 ticks
  EXPECT_EQ(CDragAutoScroll::ScrollStep(2017), 2); // 121 ticks
  EXPECT_EQ(CDragAutoScroll::ScrollStep(2999), 2);
  EXPECT_EQ(CDragAutoScroll::ScrollStep(3000), 3); // 180 ticks
  EXPECT_EQ(CDragAutoScroll::ScrollStep(10000), 10);
}

TEST_F(CDragAutoScrollTest, MouseOutside_FirstStepAfterEightTicksThenEveryTwo) {
  mScroll.MouseOutside(true);
  ASSERT_TRUE(mScroll.IsScrolling());
  EXPECT_EQ(mScroll.GetInterval(), 133);

  mNow += 133;
  mScroll.Fire();
  EXPECT_EQ(mScroll.GetInterval(), 33);
  ASSERT_EQ(mSteps.size(), 1u);
  EXPECT_EQ(mSteps[0], std::make_pair(true, 1));
}

TEST_F(CDragAutoScrollTest, TimeOutsideCountsFromTheFirstMoveOutAndSpeedsUp) {
  mScroll.MouseOutside(false);
  mNow += 1500;
  mScroll.MouseOutside(false); // still outside: the count goes on
  mNow += 1600;
  EXPECT_EQ(mScroll.GetOutsideMs(), 3100);
  mScroll.Fire();
  ASSERT_EQ(mSteps.size(), 1u);
  EXPECT_EQ(mSteps[0], std::make_pair(false, 3));
}

TEST_F(CDragAutoScrollTest, MouseBackOverTheRows_StopsAndCountsAfresh) {
  mScroll.MouseOutside(true);
  mNow += 5000;
  mScroll.Stop();
  EXPECT_FALSE(mScroll.IsScrolling());
  EXPECT_EQ(mScroll.GetOutsideMs(), 0);
  mScroll.Fire(); // a firing already queued does nothing now
  EXPECT_TRUE(mSteps.empty());

  mScroll.MouseOutside(true);
  EXPECT_EQ(mScroll.GetInterval(), 133);
  mNow += 100;
  mScroll.Fire();
  ASSERT_EQ(mSteps.size(), 1u);
  EXPECT_EQ(mSteps[0].second, 1);
}

} // namespace
