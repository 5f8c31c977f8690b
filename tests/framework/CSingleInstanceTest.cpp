#include "framework/CSingleInstance.h"
#include "gui_support/GuiTestSupport.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

TEST(CSingleInstanceTest, ALaterStartFindsTheLockTakenAndItsRaiseRequestArrives) {
  CSingleInstance first(QStringLiteral("TEST"));
  ASSERT_TRUE(first.Claim());
  ASSERT_TRUE(first.Listen());
  int raiseRequests = 0;
  QObject::connect(&first, &CSingleInstance::RaiseRequested, [&raiseRequests] { ++raiseRequests; });

  CSingleInstance later(QStringLiteral("TEST"));
  EXPECT_FALSE(later.Claim());
  EXPECT_TRUE(later.AskRunningInstanceToRaise());
  EXPECT_TRUE(BrisTest::WaitUntil([&raiseRequests] { return raiseRequests == 1; }));
}

TEST(CSingleInstanceTest, WithNobodyListening_TheRequestGivesUpAndTheLockIsFree) {
  CSingleInstance alone(QStringLiteral("ALONE"));
  EXPECT_FALSE(alone.AskRunningInstanceToRaise(300));
  EXPECT_TRUE(alone.Claim());
  EXPECT_TRUE(QFileInfo::exists(alone.GetLockPath()));
}

} // namespace
