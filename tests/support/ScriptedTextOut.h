#pragma once

#include "Zel/Generic/CZelTextOut.h"

#include <deque>
#include <vector>

namespace BrisTest {

// An error channel for tests: records every error code and question, and answers questions from
// a queue of scripted answers (then with a default answer, OK unless set).
class ScriptedTextOut : public CZelTextOut {
public:
  using CZelTextOut::Dialog;
  using CZelTextOut::Write;

  // Installs a fresh channel as the domain's error channel (the domain owns it) and returns it.
  static ScriptedTextOut& InstallAsErrorOut();

  void Write(int code) override;
  int Dialog(EDialogType type, int code) override;

  void QueueAnswer(int answer) { mAnswers.push_back(answer); }
  void SetDefaultAnswer(int answer) { mDefaultAnswer = answer; }
  void Forget();

  const std::vector<int>& Errors() const { return mErrors; }
  const std::vector<int>& Questions() const { return mQuestions; }
  const std::vector<EDialogType>& QuestionTypes() const { return mQuestionTypes; }

private:
  std::deque<int> mAnswers;
  int mDefaultAnswer = kAnswerOk;
  std::vector<int> mErrors;
  std::vector<int> mQuestions;
  std::vector<EDialogType> mQuestionTypes;
};

} // namespace BrisTest
