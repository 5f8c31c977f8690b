#include "LibMac/Utility/ZelString.h"

#include <cctype>
#include <cstdlib>

namespace {

std::string Lowered(std::string text) {
  for (char& c : text) {
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return text;
}

std::string AfterLastSlash(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string BeforeLastDot(const std::string& name) {
  const auto dot = name.rfind('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

} // namespace

bool IsEqualNoCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && Lowered(a) == Lowered(b);
}

const std::string& RightString(const std::string& text, int n) {
  static std::string result;
  if (n < 0) {
    n = 0;
  }
  const auto count = static_cast<std::string::size_type>(n);
  result = text.size() <= count ? text : text.substr(text.size() - count);
  return result;
}

std::string& AddFileExtention(std::string& name, const std::string& ext) {
  if (name.empty()) {
    return name;
  }
  const std::string dotted = (!ext.empty() && ext[0] == '.') ? ext : "." + ext;
  if (IsEqualNoCase(RightString(name, static_cast<int>(dotted.size())), dotted)) {
    return name;
  }
  while (!name.empty() && name.back() == '.') {
    name.pop_back();
  }
  name += dotted;
  return name;
}

std::string ReplacePathDelimiter(std::string path, const std::string& delimiter) {
  if (delimiter == "/") {
    return path;
  }
  std::string result;
  result.reserve(path.size());
  for (char c : path) {
    if (c == '/') {
      result += delimiter;
    } else {
      result += c;
    }
  }
  return result;
}

int GetFileIndex(const std::string& path) {
  // The first three bytes of the base name, copied where no allocation is needed.
  const auto slash = path.rfind('/');
  const std::size_t start = slash == std::string::npos ? 0 : slash + 1;
  char digits[4] = {};
  path.copy(digits, 3, start);
  return std::atoi(digits);
}

std::string GetFileName(std::string path) {
  std::string name = AfterLastSlash(path);
  const auto blank = name.find(' ');
  if (blank != std::string::npos) {
    name.erase(0, blank + 1);
  }
  return BeforeLastDot(name);
}

std::string GetImportFileName(std::string path) {
  return BeforeLastDot(AfterLastSlash(path));
}

std::string GetExtensionName(std::string path) {
  // A "." in a folder name (every project folder ends in ".prj") is no extension of the file.
  const auto dot = path.rfind('.');
  const auto slash = path.rfind('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
    return std::string();
  }
  return path.substr(dot);
}

std::string GetFolderName(std::string path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(0, slash);
}

std::string ReplaceFileName(std::string path, std::string name) {
  const auto slash = path.rfind('/');
  const std::string::size_type nameStart = (slash == std::string::npos ? 0 : slash + 1) + 4;
  const auto dot = path.rfind('.');
  if (nameStart > path.size()) {
    return path;
  }
  const auto nameEnd = (dot == std::string::npos || dot < nameStart) ? path.size() : dot;
  return path.substr(0, nameStart) + name + path.substr(nameEnd);
}
