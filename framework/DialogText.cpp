#include "framework/DialogText.h"

#include "LibMac/Utility/UFileUtils.h"
#include "LibMac/Utility/Ux.h"
#include "LibMac/Utility/ZelString.h"

#include <filesystem>

namespace DialogText {

namespace {

bool IsLineBreak(char32_t c) {
  return c == '\n' || c == '\r' || c == 0x2028 || c == 0x2029;
}

int Utf8LengthOf(char32_t c) {
  if (c < 0x80) {
    return 1;
  }
  if (c < 0x800) {
    return 2;
  }
  return c < 0x10000 ? 3 : 4;
}

// Visits the code points of text with the position and length (in UTF-16 units) of each.
template <typename Visit> void ForEachCodePoint(const QString& text, Visit visit) {
  for (qsizetype i = 0; i < text.size();) {
    char32_t c = text[i].unicode();
    qsizetype units = 1;
    if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      c = QChar::surrogateToUcs4(text[i], text[i + 1]);
      units = 2;
    }
    if (!visit(c, i, units)) {
      return;
    }
    i += units;
  }
}

} // namespace

bool IsRefusedNameChar(QChar c) {
  switch (c.unicode()) {
  case '"':
  case '*':
  case '/':
  case ':':
  case '<':
  case '>':
  case '?':
  case '\\':
  case '|':
    return true;
  default:
    break;
  }
  // Surrogate halves are parts of printing characters; the rest must print.
  return !c.isSurrogate() && !c.isPrint();
}

QString FilterNameInput(const QString& input) {
  QString filtered;
  filtered.reserve(input.size());
  for (QChar c : input) {
    if (!IsRefusedNameChar(c)) {
      filtered.append(c);
    }
  }
  return filtered;
}

int Utf8Length(const QString& text) {
  int length = 0;
  ForEachCodePoint(text, [&length](char32_t c, qsizetype, qsizetype) {
    length += Utf8LengthOf(c);
    return true;
  });
  return length;
}

QString FitToByteLimit(const QString& input, int roomBytes) {
  qsizetype end = 0;
  int used = 0;
  ForEachCodePoint(input, [&](char32_t c, qsizetype position, qsizetype units) {
    if (used + Utf8LengthOf(c) > roomBytes) {
      return false;
    }
    used += Utf8LengthOf(c);
    end = position + units;
    return true;
  });
  return input.left(end);
}

QString SanitizeMemoInput(const QString& input) {
  QString text;
  text.reserve(input.size());
  for (qsizetype i = 0; i < input.size(); ++i) {
    const QChar c = input[i];
    if (c == QLatin1Char('\r') && i + 1 < input.size() && input[i + 1] == QLatin1Char('\n')) {
      continue; // the LF that follows stands for the pair
    }
    const bool control = IsLineBreak(c.unicode()) || c.category() == QChar::Other_Control;
    text.append(control ? QChar(QLatin1Char(' ')) : c);
  }
  return text;
}

QString WithProjectExtension(const QString& name) {
  std::string text = name.toStdString();
  AddFileExtention(text, "prj");
  return QString::fromStdString(text);
}

QString FromSystemEncoding(const std::string& text) {
  return QString::fromStdString(UFileUtils::SystemEncodingToUTF8(text));
}

std::string ToSystemEncoding(const QString& text) {
  return UFileUtils::UTF8ToSystemEncoding(text.toStdString());
}

QString FileNameOf(const std::string& path) {
  return FromSystemEncoding(
      std::filesystem::path(Ux::WithoutTrailingSlash(path)).filename().string());
}

} // namespace DialogText
