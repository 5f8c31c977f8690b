#include "domain/CParameter.h"

#include <cctype>

namespace Bris {

namespace {

const std::string kNoMemo;

bool IsMemoLine(int line) {
  return line >= 0 && line < CParameter::kMemoLineCount;
}

// A data-file path "<folder>/NNN name.ext" reduced to "name".
std::string NameFromFilePath(std::string path) {
  auto slash = path.rfind('/');
  if (slash != std::string::npos) {
    path.erase(0, slash + 1);
  }
  auto blank = path.find(' ');
  if (blank != std::string::npos) {
    path.erase(0, blank + 1);
  }
  auto dot = path.rfind('.');
  if (dot != std::string::npos) {
    path.erase(dot);
  }
  return path;
}

} // namespace

void CParameter::Initialize() {
  mFilePath.clear();
  mName.clear();
  for (auto& memo : mMemos) {
    memo.clear();
  }
}

void CParameter::SetFinalName(const std::string& name, bool fromFileName) {
  mName = FinalName(name, fromFileName);
}

std::string CParameter::FinalName(const std::string& name, bool fromFileName) {
  std::string finalName = fromFileName ? NameFromFilePath(name) : name;
  // The cut counts bytes; the list views deal with a character split at the end.
  if (finalName.size() > kMaxNameBytes) {
    finalName.resize(kMaxNameBytes);
  }
  return finalName;
}

const std::string& CParameter::GetMemo(int line) const {
  return IsMemoLine(line) ? mMemos[line] : kNoMemo;
}

void CParameter::SetMemo(int line, const std::string& text) {
  if (IsMemoLine(line)) {
    mMemos[line] = text;
  }
}

bool CParameter::IsPresetWave() const {
  auto dot = mFilePath.rfind('.');
  if (dot == std::string::npos) {
    return false;
  }
  std::string extension = mFilePath.substr(dot);
  for (auto& c : extension) {
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return extension == ".w00";
}

} // namespace Bris
