#include "Zel/Generic/CZelTextOut.h"

#include <cstdarg>
#include <cstdio>

void CZelTextOut::Write(const char* format, ...) {
  // Formatted text is meant for short trace lines; anything longer is cut, never overrun.
  char buffer[510];
  va_list args;
  va_start(args, format);
  std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  Write(std::string(buffer));
}

void CZelTextOut::Write(const std::string& text) {
  std::string out;
  out.reserve(text.size() + mIndent.size());
  for (char c : text) {
    if (mAtStartOfLine) {
      out += mIndent;
    }
    out += c;
    mAtStartOfLine = (c == '\n');
  }
  DoWrite(out);
}

void CZelTextOut::Indent(int n) {
  long length = static_cast<long>(mIndent.size()) + n;
  mIndent.assign(length > 0 ? static_cast<size_t>(length) : 0, ' ');
}

void CZelTextOut::Write(int) {}

int CZelTextOut::Dialog(EDialogType, const std::string&) { return kAnswerOk; }

int CZelTextOut::Dialog(EDialogType, int) { return kAnswerOk; }

void CZelTextOut::DoWrite(const std::string&) {}
