#pragma once

#include <QString>

#include <string>

// Text rules of the dialogs' edit fields, kept apart from the widgets so they can be checked
// directly.
namespace DialogText {

// Names of files and folders refuse these characters, and every non-printing one.
bool IsRefusedNameChar(QChar c);
// input without its refused characters.
QString FilterNameInput(const QString& input);

// Bytes the text takes in UTF-8.
int Utf8Length(const QString& text);
// The longest start of input that fits into roomBytes of UTF-8 without splitting a character;
// the rest is dropped.
QString FitToByteLimit(const QString& input, int roomBytes);
// A memo is one line: every line break or other control character in input becomes a blank (a
// CR LF pair one blank).
QString SanitizeMemoInput(const QString& input);

// name with the project extension ".prj" appended unless it already ends with it.
QString WithProjectExtension(const QString& name);

// The conversion between the core's byte strings and the user interface's text.
QString FromSystemEncoding(const std::string& text);
std::string ToSystemEncoding(const QString& text);
// The last part of a path (a file's or a folder's name, a trailing "/" ignored), as shown.
QString FileNameOf(const std::string& path);

} // namespace DialogText
