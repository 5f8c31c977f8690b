#include "Zel/Generic/CErrorOut.h"
#include "Zel/Generic/CStringTable.h"
#include "gui_support/GuiTestSupport.h"

#include <gtest/gtest.h>

namespace {

using BrisTest::CScriptedAlertRunner;

int Ask(CScriptedAlertRunner& runner, CZelTextOut::EDialogType type, const char* press) {
  runner.mAnswers.push_back(QString::fromLatin1(press));
  return CErrorOut::Alert(type, CErrorOut::kKindNote, std::string("Question?"));
}

TEST(CQtAlertRunnerTest, EveryButtonSet_ShowsItsButtonsAndAnswersByTheButtonPressed) {
  CScriptedAlertRunner runner;

  EXPECT_EQ(CZelTextOut::kAnswerOk, Ask(runner, CZelTextOut::kOk, "OK"));
  EXPECT_EQ(QStringList{"OK"}, runner.mShown.back().buttons);

  EXPECT_EQ(CZelTextOut::kAnswerOk, Ask(runner, CZelTextOut::kOkCancel, "OK"));
  EXPECT_EQ(CZelTextOut::kAnswerCancel, Ask(runner, CZelTextOut::kOkCancel, "Cancel"));
  EXPECT_EQ("OK", runner.mShown.back().defaultButton);
  EXPECT_EQ("Cancel", runner.mShown.back().escapeButton);

  EXPECT_EQ(CZelTextOut::kAnswerYes, Ask(runner, CZelTextOut::kYesNo, "Yes"));
  EXPECT_EQ(CZelTextOut::kAnswerNo, Ask(runner, CZelTextOut::kYesNo, "No"));
  EXPECT_EQ((QStringList{"Yes", "No"}), runner.mShown.back().buttons);
  EXPECT_EQ("Yes", runner.mShown.back().defaultButton);
  EXPECT_EQ("No", runner.mShown.back().escapeButton) << "No stands in the cancel position";

  EXPECT_EQ(CZelTextOut::kAnswerYes, Ask(runner, CZelTextOut::kYesNoCancel, "Yes"));
  EXPECT_EQ(CZelTextOut::kAnswerCancel, Ask(runner, CZelTextOut::kYesNoCancel, "Cancel"));
  EXPECT_EQ(CZelTextOut::kAnswerNo, Ask(runner, CZelTextOut::kYesNoCancel, "No"));
  EXPECT_EQ((QStringList{"Yes", "Cancel", "No"}), runner.mShown.back().buttons);
  EXPECT_EQ("Cancel", runner.mShown.back().escapeButton);

  // Any other type shows the single OK button.
  EXPECT_EQ(CZelTextOut::kAnswerOk, Ask(runner, static_cast<CZelTextOut::EDialogType>(9), "OK"));
  EXPECT_EQ(QStringList{"OK"}, runner.mShown.back().buttons);
}

TEST(CQtAlertRunnerTest, BoxClosedWithoutAButton_AnswersCancelForEveryButtonSet) {
  CScriptedAlertRunner runner;
  for (auto type :
       {CZelTextOut::kOk, CZelTextOut::kOkCancel, CZelTextOut::kYesNo, CZelTextOut::kYesNoCancel}) {
    EXPECT_EQ(CZelTextOut::kAnswerCancel, Ask(runner, type, "")) << "type " << type;
  }
  EXPECT_FALSE(CErrorOut::NoteAlert(CZelTextOut::kYesNo, 7));
}

TEST(CQtAlertRunnerTest, WhileAnAlertIsOpen_AFurtherAlertAnswersCancelWithoutShowing) {
  CScriptedAlertRunner runner;
  int nestedAnswer = -1;
  bool flagDuringAlert = false;
  runner.mDuringAlert = [&] {
    flagDuringAlert = CErrorOut::sIsAlertOpened;
    runner.mDuringAlert = nullptr;
    nestedAnswer = CErrorOut::Alert(CZelTextOut::kYesNo, 7);
  };
  runner.mAnswers.push_back(QStringLiteral("OK"));

  EXPECT_EQ(CZelTextOut::kAnswerOk, CErrorOut::ErrorAlert(2));
  EXPECT_TRUE(flagDuringAlert);
  EXPECT_EQ(CZelTextOut::kAnswerCancel, nestedAnswer);
  EXPECT_EQ(1u, runner.mShown.size()) << "the nested alert was never shown";
  EXPECT_FALSE(CErrorOut::sIsAlertOpened);
}

TEST(CQtAlertRunnerTest, ErrorsAndQuestions_ShowTheirListTextWithTheirIcon) {
  CScriptedAlertRunner runner;
  runner.mAnswers = {"OK", "Yes", "OK"};

  CErrorOut::ErrorAlert(7);
  EXPECT_EQ(QString::fromStdString(CStringTable::Get(CStringTable::kErrors, 4)),
            runner.mShown.back().text);
  EXPECT_EQ(QMessageBox::Warning, runner.mShown.back().icon);

  EXPECT_TRUE(CErrorOut::NoteAlert(CZelTextOut::kYesNo, 7));
  EXPECT_EQ(QString::fromStdString(CStringTable::Get(CStringTable::kQuestions, 1)),
            runner.mShown.back().text);
  EXPECT_EQ(QMessageBox::Information, runner.mShown.back().icon);

  CErrorOut::Alert(CZelTextOut::kOk, CErrorOut::kKindStop, std::string("<b>not markup</b>"));
  EXPECT_EQ(QMessageBox::Critical, runner.mShown.back().icon);
  EXPECT_EQ(Qt::PlainText, runner.mShown.back().textFormat) << "names must never be markup";
}

} // namespace
