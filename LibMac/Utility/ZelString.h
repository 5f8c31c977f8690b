#pragma once

#include <string>

// Free string helpers that take the store's "/"-separated UTF-8 paths apart. They never fail on
// the paths the system builds; on odd input they return what the rules below give.

bool IsEqualNoCase(const std::string& a, const std::string& b);
// The last n characters, or the whole string when shorter. The result is a shared static string
// that the next call overwrites.
const std::string& RightString(const std::string& text, int n);
// Appends ext (a "." is put in front when missing) unless the name already ends with it.
std::string& AddFileExtention(std::string& name, const std::string& ext);
// Every "/" replaced by the delimiter; unchanged when the delimiter is "/".
std::string ReplacePathDelimiter(std::string path, const std::string& delimiter);
// The slot number: the three characters after the last "/" read like atoi; 0 when not digits.
int GetFileIndex(const std::string& path);
// The record name of a slot path: base name without the index string and without the extension.
std::string GetFileName(std::string path);
// The base name of an outside file, without its extension.
std::string GetImportFileName(std::string path);
// The part from the last "." on, dot included; empty when the file name itself has no ".".
std::string GetExtensionName(std::string path);
// The part before the last "/"; the whole path when there is none.
std::string GetFolderName(std::string path);
// A slot path with its record name replaced; the index string and the extension stay.
std::string ReplaceFileName(std::string path, std::string name);
