#include "Zel/Generic/CErrorOut.h"

#include "Zel/Generic/CStringTable.h"
#include "support/ScriptedAlertRunner.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

using BrisTest::ScriptedAlertRunner;

namespace {

constexpr int kItemDefault = SAlertRequest::kItemDefault;
constexpr int kItemCancel = SAlertRequest::kItemCancel;
constexpr int kItemOther = SAlertRequest::kItemOther;

class CErrorOutTest : public ::testing::Test {
protected:
  void SetUp() override { CErrorOut::sIsAlertOpened = false; }
  void TearDown() override { CErrorOut::sIsAlertOpened = false; }

  // The answer of one alert with the given buttons when the user hits `itemHit`.
  int AnswerOf(CZelTextOut::EDialogType type, int itemHit) {
    mRunner.Answer({itemHit});
    return CErrorOut::Alert(type, CErrorOut::kKindNote, std::string("?"));
  }

  ScriptedAlertRunner mRunner;
};

} // namespace

TEST_F(CErrorOutTest, EachButtonSet_ShowsItsButtonsAndMapsItsAnswers) {
  EXPECT_EQ(AnswerOf(CZelTextOut::kOk, kItemDefault), CZelTextOut::kAnswerOk);
  EXPECT_EQ(mRunner.LastRequest().buttonCount, 1);
  EXPECT_EQ(mRunner.LastRequest().defaultButton, ""); // the platform's OK

  EXPECT_EQ(AnswerOf(CZelTextOut::kOkCancel, kItemDefault), CZelTextOut::kAnswerOk);
  EXPECT_EQ(AnswerOf(CZelTextOut::kOkCancel, kItemCancel), CZelTextOut::kAnswerCancel);
  EXPECT_EQ(mRunner.LastRequest().buttonCount, 2);
  EXPECT_EQ(mRunner.LastRequest().cancelButton, ""); // the platform's Cancel

  EXPECT_EQ(AnswerOf(CZelTextOut::kYesNo, kItemDefault), CZelTextOut::kAnswerYes);
  EXPECT_EQ(AnswerOf(CZelTextOut::kYesNo, kItemCancel), CZelTextOut::kAnswerNo);
  EXPECT_EQ(mRunner.LastRequest().buttonCount, 2);
  EXPECT_EQ(mRunner.LastRequest().defaultButton, "Yes");
  EXPECT_EQ(mRunner.LastRequest().cancelButton, "No");

  EXPECT_EQ(AnswerOf(CZelTextOut::kYesNoCancel, kItemDefault), CZelTextOut::kAnswerYes);
  EXPECT_EQ(AnswerOf(CZelTextOut::kYesNoCancel, kItemCancel), CZelTextOut::kAnswerCancel);
  EXPECT_EQ(AnswerOf(CZelTextOut::kYesNoCancel, kItemOther), CZelTextOut::kAnswerNo);
  EXPECT_EQ(mRunner.LastRequest().buttonCount, 3);
  EXPECT_EQ(mRunner.LastRequest().defaultButton, "Yes");
  EXPECT_EQ(mRunner.LastRequest().cancelButton, "Cancel");
  EXPECT_EQ(mRunner.LastRequest().otherButton, "No");
}

TEST_F(CErrorOutTest, UnknownButtonSet_BehavesLikeOk) {
  const auto unknown = static_cast<CZelTextOut::EDialogType>(9);
  EXPECT_EQ(AnswerOf(unknown, kItemDefault), CZelTextOut::kAnswerOk);
  EXPECT_EQ(mRunner.LastRequest().type, CZelTextOut::kOk);
  EXPECT_EQ(mRunner.LastRequest().buttonCount, 1);
}

TEST_F(CErrorOutTest, FailedOrImpossibleItemHits_AnswerCancel) {
  EXPECT_EQ(AnswerOf(CZelTextOut::kYesNo, -1), CZelTextOut::kAnswerCancel);
  EXPECT_EQ(AnswerOf(CZelTextOut::kYesNo, 0), CZelTextOut::kAnswerCancel);
  EXPECT_EQ(AnswerOf(CZelTextOut::kOk, kItemCancel), CZelTextOut::kAnswerCancel);
  EXPECT_EQ(AnswerOf(CZelTextOut::kOkCancel, kItemOther), CZelTextOut::kAnswerCancel);
  EXPECT_EQ(AnswerOf(CZelTextOut::kYesNo, kItemOther), CZelTextOut::kAnswerCancel);
}

TEST_F(CErrorOutTest, AlertKinds_MapToTheirIcons) {
  const std::pair<unsigned short, SAlertRequest::EKind> kinds[] = {
      {CErrorOut::kKindNote, SAlertRequest::kNote},
      {CErrorOut::kKindCaution, SAlertRequest::kCaution},
      {CErrorOut::kKindStop, SAlertRequest::kStop},
      {7, SAlertRequest::kPlain},
  };
  for (const auto& [kind, expected] : kinds) {
    CErrorOut::Alert(CZelTextOut::kOk, kind, std::string("message"));
    EXPECT_EQ(mRunner.LastRequest().kind, expected) << "kind " << kind;
    EXPECT_EQ(mRunner.LastRequest().message, "message");
  }
}

TEST_F(CErrorOutTest, ErrorCodes_ShowTheirEntryOfTheErrorList) {
  const std::pair<int, short> mapping[] = {
      {1, 1},     {2, 2},   {6, 3},     {7, 4},     {8, 8}, {9, 9}, {10, 6},
      {10000, 6}, {11, 10}, {10001, 5}, {10002, 7}, {3, 3}, {5, 5},
  };
  for (const auto& [code, entry] : mapping) {
    EXPECT_EQ(CErrorOut::ErrorAlert(code), CZelTextOut::kAnswerOk) << "code " << code;
    const SAlertRequest& shown = mRunner.LastRequest();
    EXPECT_EQ(shown.message, CStringTable::Get(CStringTable::kErrors, entry)) << "code " << code;
    EXPECT_EQ(shown.type, CZelTextOut::kOk);
    EXPECT_EQ(shown.kind, SAlertRequest::kCaution);
  }
  // 10000 and 10 share an entry, as do 3 and 6.
  CErrorOut::ErrorAlert(10000);
  const std::string shownFor10000 = mRunner.LastRequest().message;
  CErrorOut::ErrorAlert(10);
  EXPECT_EQ(mRunner.LastRequest().message, shownFor10000);
  CErrorOut::ErrorAlert(3);
  const std::string shownFor3 = mRunner.LastRequest().message;
  CErrorOut::ErrorAlert(6);
  EXPECT_EQ(mRunner.LastRequest().message, shownFor3);
}

TEST_F(CErrorOutTest, CodeWithoutAnEntry_StillShowsAMessage) {
  CErrorOut::ErrorAlert(42);
  EXPECT_FALSE(mRunner.LastRequest().message.empty());
  CErrorOut::ErrorAlert(-3);
  EXPECT_FALSE(mRunner.LastRequest().message.empty());
  // A code beyond the range of list indexes must not wrap round onto a real entry.
  CErrorOut::ErrorAlert(65536 + 3);
  EXPECT_NE(mRunner.LastRequest().message, CStringTable::Get(CStringTable::kErrors, 3));
}

TEST_F(CErrorOutTest, QuestionCodes_ShowTheirEntryOfTheQuestionList) {
  const std::pair<int, short> mapping[] = {{7, 1}, {8, 2}, {9, 3}, {10, 4}, {11, 5}, {12, 5}};
  for (const auto& [code, entry] : mapping) {
    CErrorOut::Alert(CZelTextOut::kOkCancel, code);
    EXPECT_EQ(mRunner.LastRequest().message, CStringTable::Get(CStringTable::kQuestions, entry))
        << "code " << code;
    EXPECT_EQ(mRunner.LastRequest().kind, SAlertRequest::kNote);
  }
  EXPECT_EQ(CErrorOut::QuestionIndex(13), 6);
}

TEST_F(CErrorOutTest, NoteAlert_IsTrueForOkAndYesOnly) {
  mRunner.Answer({kItemDefault, kItemCancel, kItemDefault, kItemCancel, -1});
  EXPECT_TRUE(CErrorOut::NoteAlert(CZelTextOut::kYesNo, 7));
  EXPECT_FALSE(CErrorOut::NoteAlert(CZelTextOut::kYesNo, 7));
  EXPECT_TRUE(CErrorOut::NoteAlert(CZelTextOut::kOkCancel, 9));
  EXPECT_FALSE(CErrorOut::NoteAlert(CZelTextOut::kOkCancel, 9));
  EXPECT_FALSE(CErrorOut::NoteAlert(CZelTextOut::kOkCancel, 9));
}

TEST_F(CErrorOutTest, AlertRequestedWhileOneIsOpen_AnswersCancelWithoutShowing) {
  int nestedAnswer = -100;
  bool openWhileShowing = false;
  mRunner.WhileShowing([&](const SAlertRequest&) {
    openWhileShowing = CErrorOut::sIsAlertOpened;
    if (nestedAnswer == -100) {
      nestedAnswer = CErrorOut::Alert(CZelTextOut::kOkCancel, 9);
    }
  });

  EXPECT_EQ(CErrorOut::ErrorAlert(1), CZelTextOut::kAnswerOk);

  EXPECT_TRUE(openWhileShowing);
  EXPECT_EQ(nestedAnswer, CZelTextOut::kAnswerCancel);
  EXPECT_EQ(mRunner.Requests().size(), 1u);
  EXPECT_FALSE(CErrorOut::sIsAlertOpened);
}

TEST_F(CErrorOutTest, RunnerThatThrows_LeavesNoAlertOpen) {
  mRunner.WhileShowing([](const SAlertRequest&) { throw std::runtime_error("no display"); });

  EXPECT_THROW(CErrorOut::ErrorAlert(2), std::runtime_error);

  EXPECT_FALSE(CErrorOut::sIsAlertOpened);
  mRunner.WhileShowing(nullptr);
  EXPECT_EQ(CErrorOut::Alert(CZelTextOut::kYesNo, 7), CZelTextOut::kAnswerYes);
}

TEST_F(CErrorOutTest, WithoutARunner_AlertsAnswerCancel) {
  CAlertRunner* installed = CErrorOut::SetAlertRunner(nullptr);
  EXPECT_EQ(installed, &mRunner);

  EXPECT_EQ(CErrorOut::ErrorAlert(1), CZelTextOut::kAnswerCancel);
  EXPECT_FALSE(CErrorOut::NoteAlert(CZelTextOut::kYesNo, 7));
  EXPECT_FALSE(CErrorOut::sIsAlertOpened);

  CErrorOut::SetAlertRunner(installed);
  EXPECT_TRUE(mRunner.Requests().empty());
}

TEST_F(CErrorOutTest, AsTheDomainsChannel_ReportsCodesAndAsksQuestions) {
  std::unique_ptr<CZelTextOut> channel = std::make_unique<CErrorOut>();
  mRunner.Answer({kItemDefault, kItemCancel});

  channel->Write(6);
  EXPECT_EQ(mRunner.LastRequest().message, CStringTable::Get(CStringTable::kErrors, 3));
  EXPECT_EQ(mRunner.LastRequest().kind, SAlertRequest::kCaution);

  EXPECT_EQ(channel->Dialog(CZelTextOut::kOkCancel, 11), CZelTextOut::kAnswerCancel);
  EXPECT_EQ(mRunner.LastRequest().message, CStringTable::Get(CStringTable::kQuestions, 5));
}

TEST_F(CErrorOutTest, QuestionText_IsCutTo255BytesWithoutSplittingACharacter) {
  CErrorOut channel;
  // 254 ASCII bytes, then a two-byte character that would end at byte 256.
  const std::string question = std::string(254, 'a') + "\xC3\xA9" + "tail";

  channel.Dialog(CZelTextOut::kOkCancel, question);

  EXPECT_EQ(mRunner.LastRequest().message, std::string(254, 'a'));
  EXPECT_EQ(mRunner.LastRequest().kind, SAlertRequest::kNote);

  channel.Dialog(CZelTextOut::kOk, std::string("short"));
  EXPECT_EQ(mRunner.LastRequest().message, "short");
}
