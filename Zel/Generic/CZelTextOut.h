#pragma once

#include <string>

// An output channel: the domain reports error codes and asks questions through it, and
// text written to it is indented line by line before it reaches DoWrite.
class CZelTextOut {
public:
  // The button set of a question and, in the comments, the answers it can give.
  enum EDialogType {
    kOk = 0,          // OK -> 0
    kOkCancel = 1,    // OK -> 0, Cancel -> 1
    kYesNo = 2,       // Yes -> 2, No -> 3
    kYesNoCancel = 3, // Yes -> 2, Cancel -> 1, No -> 3
  };

  // Answers of Dialog(); every caller treats kAnswerCancel as "abandon the operation".
  static constexpr int kAnswerOk = 0;
  static constexpr int kAnswerCancel = 1;
  static constexpr int kAnswerYes = 2;
  static constexpr int kAnswerNo = 3;

  CZelTextOut() = default;
  CZelTextOut(const CZelTextOut&) = delete;
  CZelTextOut& operator=(const CZelTextOut&) = delete;
  virtual ~CZelTextOut() = default;

  virtual void Write(const char* format, ...) __attribute__((format(printf, 2, 3)));
  virtual void Write(const std::string& text);
  virtual void Indent(int n);
  virtual void Write(int code);
  // Error `code` with a paragraph saying what it is about (figures, names); a channel that shows
  // no detail reports the code alone.
  virtual void WriteError(int code, const std::string& detail) {
    (void)detail;
    Write(code);
  }
  virtual int Dialog(EDialogType type, const std::string& question);
  virtual int Dialog(EDialogType type, int code);

protected:
  virtual void DoWrite(const std::string& text);

private:
  std::string mIndent;
  bool mAtStartOfLine = true;
};
