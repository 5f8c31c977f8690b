#include "tools/brisel/CToolTextOut.h"

#include "Zel/Generic/CErrorOut.h"
#include "Zel/Generic/CStringTable.h"

namespace BrisTool {

namespace {

std::string Entry(short listId, int index, int code) {
  std::string text = index > 0 ? CStringTable::Get(listId, static_cast<short>(index)) : "";
  return text.empty() ? "problem " + std::to_string(code) : text;
}

int YesFor(CZelTextOut::EDialogType type) {
  return type == CZelTextOut::kYesNo || type == CZelTextOut::kYesNoCancel ? CZelTextOut::kAnswerYes
                                                                          : CZelTextOut::kAnswerOk;
}

} // namespace

std::string CToolTextOut::ErrorText(int code) {
  return Entry(CStringTable::kErrors, CErrorOut::ErrorIndex(code), code);
}

std::string CToolTextOut::QuestionText(int code) {
  return Entry(CStringTable::kQuestions, CErrorOut::QuestionIndex(code), code);
}

void CToolTextOut::Write(int code) {
  mErrorCodes.push_back(code);
  mErr << "brisel: " << ErrorText(code) << "\n";
}

int CToolTextOut::Dialog(EDialogType type, const std::string& question) {
  if (type == kOk) {
    mErr << "brisel: " << question << "\n";
    return kAnswerOk;
  }
  if (mAnswerYes) {
    return YesFor(type);
  }
  mQuestionRefused = true;
  mErr << "brisel: stopped at a question, nothing was changed: " << question
       << "\nbrisel: give --yes to answer it yes.\n";
  return kAnswerCancel;
}

int CToolTextOut::Dialog(EDialogType type, int code) {
  return Dialog(type, QuestionText(code));
}

void CToolTextOut::DoWrite(const std::string& text) {
  mErr << text;
}

} // namespace BrisTool
