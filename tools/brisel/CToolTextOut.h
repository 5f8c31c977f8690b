#pragma once

#include "Zel/Generic/CZelTextOut.h"

#include <ostream>
#include <string>
#include <vector>

namespace BrisTool {

// The error channel of the command-line tool. Nobody sits at a screen to answer, so a question
// is answered yes when the user gave --yes, and otherwise refused: its text goes to the error
// stream and the operation that asked is abandoned (every caller treats Cancel as "change
// nothing"). Error codes become their English texts on the error stream.
class CToolTextOut : public CZelTextOut {
public:
  using CZelTextOut::Dialog;
  using CZelTextOut::Write;

  CToolTextOut(std::ostream& err, bool answerYes) : mErr(err), mAnswerYes(answerYes) {}

  void Write(int code) override;
  int Dialog(EDialogType type, const std::string& question) override;
  int Dialog(EDialogType type, int code) override;

  // True once a question was refused; the operation that asked changed nothing.
  bool WasQuestionRefused() const { return mQuestionRefused; }
  const std::vector<int>& GetErrorCodes() const { return mErrorCodes; }

  // The English text of error code, or of question code.
  static std::string ErrorText(int code);
  static std::string QuestionText(int code);

protected:
  void DoWrite(const std::string& text) override;

private:
  std::ostream& mErr;
  bool mAnswerYes;
  bool mQuestionRefused = false;
  std::vector<int> mErrorCodes;
};

} // namespace BrisTool
