#include "support/ScriptedTextOut.h"

#include "domain/CDomain.h"

namespace BrisTest {

ScriptedTextOut& ScriptedTextOut::InstallAsErrorOut() {
  auto* out = new ScriptedTextOut;
  Bris::Domain().SetErrorOut(out);
  return *out;
}

void ScriptedTextOut::Write(int code) {
  mErrors.push_back(code);
}

int ScriptedTextOut::Dialog(EDialogType type, int code) {
  mQuestions.push_back(code);
  mQuestionTypes.push_back(type);
  if (mAnswers.empty()) {
    return mDefaultAnswer;
  }
  const int answer = mAnswers.front();
  mAnswers.pop_front();
  return answer;
}

void ScriptedTextOut::Forget() {
  mErrors.clear();
  mQuestions.clear();
  mQuestionTypes.clear();
}

} // namespace BrisTest
