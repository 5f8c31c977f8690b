#include "framework/CCommander.h"

#include <QApplication>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

constexpr CommandT kCmdLocal = FourCharCode("Locl");
constexpr CommandT kCmdShared = FourCharCode("Shrd");
constexpr CommandT kCmdDisabled = FourCharCode("Dsbl");

// Handles its own command and records every command that reached it.
class CRecordingCommander : public CCommander {
public:
  CRecordingCommander(CommandT own, CCommander* super) : CCommander(super), mOwn(own) {}

  bool ObeyCommand(CommandT command, void* param) override {
    mReached.push_back(command);
    if (command == mOwn) {
      return true;
    }
    return CCommander::ObeyCommand(command, param);
  }
  void FindCommandStatus(CommandT command, SCommandStatus& status) override {
    if (command == mOwn) {
      status.enabled = true;
      return;
    }
    CCommander::FindCommandStatus(command, status);
  }

  CommandT mOwn;
  std::vector<CommandT> mReached;
};

// A widget that is a link of the chain, like a table or a project window.
class CCommanderWidget : public QWidget, public CRecordingCommander {
public:
  CCommanderWidget(CommandT own, CCommander* super) : CRecordingCommander(own, super) {}
};

class CCommanderTest : public ::testing::Test {
protected:
  void SetUp() override {
    mPreviousTop = CCommander::GetTopCommander();
    CCommander::SetTopCommander(&mTop);
  }
  void TearDown() override { CCommander::SetTopCommander(mPreviousTop); }

  CRecordingCommander mTop{kCmdShared, nullptr};
  CCommander* mPreviousTop = nullptr;
};

TEST_F(CCommanderTest, CommandsTravelUpTheChainUntilALinkHandlesThem) {
  CRecordingCommander document(kCmdLocal, &mTop);
  CRecordingCommander window(kCmdNothing, &document);

  EXPECT_TRUE(window.ObeyCommand(kCmdLocal, nullptr));
  EXPECT_EQ(std::vector<CommandT>{}, mTop.mReached) << "the document handled it";
  EXPECT_TRUE(window.ObeyCommand(kCmdShared, nullptr));
  EXPECT_EQ(std::vector<CommandT>{kCmdShared}, mTop.mReached);
  EXPECT_FALSE(window.ObeyCommand(kCmdDisabled, nullptr)) << "nobody knows it";

  SCommandStatus status;
  window.FindCommandStatus(kCmdLocal, status);
  EXPECT_TRUE(status.enabled);
  status = SCommandStatus{true, true, true};
  window.FindCommandStatus(kCmdDisabled, status);
  EXPECT_FALSE(status.enabled) << "an unknown command is disabled at the top";
}

TEST_F(CCommanderTest, ALinkWhoseSuperWentAway_PassesToTheTop) {
  auto document = std::make_unique<CRecordingCommander>(kCmdLocal, &mTop);
  CRecordingCommander window(kCmdNothing, document.get());
  document.reset();

  EXPECT_EQ(nullptr, window.GetSuperCommander());
  EXPECT_TRUE(window.ObeyCommand(kCmdShared, nullptr));
  EXPECT_FALSE(window.ObeyCommand(kCmdLocal, nullptr));
}

TEST_F(CCommanderTest, TheTargetIsTheNearestCommanderOfTheFocusedWidget) {
  CCommanderWidget window(kCmdLocal, &mTop);
  auto* layout = new QVBoxLayout(&window);
  auto* field = new QLineEdit(&window);
  layout->addWidget(field);
  window.show();
  window.activateWindow();
  field->setFocus();
  QApplication::processEvents();
  ASSERT_EQ(field, QApplication::focusWidget());

  EXPECT_EQ(&window, CCommander::FindTarget());
  EXPECT_TRUE(CCommander::GetCommandStatus(kCmdLocal).enabled);
  EXPECT_TRUE(CCommander::ProcessCommand(kCmdLocal));
  EXPECT_FALSE(CCommander::ProcessCommand(kCmdDisabled));
  EXPECT_EQ(std::vector<CommandT>{kCmdLocal}, window.mReached)
      << "a disabled command is never sent";

  window.hide();
  QApplication::processEvents();
  EXPECT_EQ(&mTop, CCommander::FindTarget()) << "without a focused link the top is the target";
}

} // namespace
