#include "domain/CParameter.h"

#include <cctype>
#include <string_view>

namespace Bris {

namespace {

const std::string kNoMemo;

bool IsMemoLine(int line) {
  return line >= 0 && line < CParameter::kMemoLineCount;
}

// A data-file path "<folder>/NNN name.ext" reduced to "name", as a view into the path: every slot
// file read asks for its name, and a copy of the whole path only to cut it cost an allocation.
std::string_view NameFromFilePath(std::string_view path) {
  auto slash = path.rfind('/');
  if (slash != std::string_view::npos) {
    path.remove_prefix(slash + 1);
  }
  auto blank = path.find(' ');
  if (blank != std::string_view::npos) {
    path.remove_prefix(blank + 1);
  }
  auto dot = path.rfind('.');
  if (dot != std::string_view::npos) {
    path = path.substr(0, dot);
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
  const std::string_view finalName = fromFileName ? NameFromFilePath(name) : name;
  // The cut counts bytes; the list views deal with a character split at the end.
  return std::string(finalName.substr(0, kMaxNameBytes));
}

const std::string& CParameter::GetMemo(int line) const {
  return IsMemoLine(line) ? mMemos[line] : kNoMemo;
}

void CParameter::SetMemo(int line, std::string_view text) {
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
