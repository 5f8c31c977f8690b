#include "framework/CSingleInstance.h"
#include "gui_support/GuiTestSupport.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

TEST(CSingleInstanceTest, ALaterStartFindsTheLockTakenAndItsFoldersAndRaiseRequestArrive) {
  CSingleInstance first(QStringLiteral("TEST"));
  ASSERT_TRUE(first.Claim());
  ASSERT_TRUE(first.Listen());
  int raiseRequests = 0;
  QStringList opened;
  QObject::connect(&first, &CSingleInstance::RaiseRequested, [&raiseRequests] { ++raiseRequests; });
  QObject::connect(&first, &CSingleInstance::OpenRequested,
                   [&opened](const QString& folder) { opened << folder; });

  CSingleInstance later(QStringLiteral("TEST"));
  EXPECT_FALSE(later.Claim());
  // Names with a line break, a percent sign and non-ASCII letters must arrive as they are.
  const QStringList folders = {QStringLiteral("/m/Set 1.prj"),
                               QStringLiteral("/m/odd\nname 100%.prj"),
                               QStringLiteral("/m/Çello ♪.prj")};
  EXPECT_TRUE(later.AskRunningInstanceToRaise(folders));
  EXPECT_TRUE(BrisTest::WaitUntil([&raiseRequests] { return raiseRequests == 1; }));
  EXPECT_EQ(opened, folders);
}

TEST(CSingleInstanceTest, WithNobodyListening_TheRequestGivesUpAndTheLockIsFree) {
  CSingleInstance alone(QStringLiteral("ALONE"));
  EXPECT_FALSE(alone.AskRunningInstanceToRaise({}, 300));
  EXPECT_TRUE(alone.Claim());
  EXPECT_TRUE(QFileInfo::exists(alone.GetLockPath()));
}

} // namespace
