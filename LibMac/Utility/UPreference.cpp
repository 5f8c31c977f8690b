#include "LibMac/Utility/UPreference.h"

#include "LibMac/Utility/UFileUtils.h"
#include "LibMac/Utility/Ux.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <new>
#include <system_error>

std::unique_ptr<std::vector<char>> UPreference::sDataH;
UPreference::Pos UPreference::sDataSize = 0;
UPreference::Pos UPreference::sCurrPos = 0;
UPreference::Pos UPreference::sTagPos = 0;
UPreference::Pos UPreference::sParamPos = 0;
std::string UPreference::sWorkString;

namespace {

constexpr char kCR = '\r';
constexpr char kLF = '\n';
const std::string kLineEnd = "\r\n";

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

// Strings are held to 255 bytes, cut before a character that would not fit whole.
std::string Limited(const std::string& text) {
  if (text.size() <= UPreference::kMaxStringBytes) {
    return text;
  }
  std::size_t cut = UPreference::kMaxStringBytes;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
    --cut;
  }
  return text.substr(0, cut);
}

// Signed decimal like strtol: optional sign, then digits up to the first other character.
long StringToNum(const std::string& text) {
  return std::strtol(text.c_str(), nullptr, 10);
}

} // namespace

// --- File ---

std::string UPreference::GetPreferencesFilePath(const std::string& name) {
  const std::string folder = Ux::GetSpecialFolderName(Ux::kPreferencesFolder);
  return folder.empty() ? std::string() : folder + "/" + name;
}

int UPreference::LoadFile(const std::string& name) {
  const std::string path = GetPreferencesFilePath(name);
  if (path.empty()) {
    CleanUp();
    return kFolderNotFoundErr;
  }
  return LoadFile(std::filesystem::path(path));
}

int UPreference::LoadFile(const std::filesystem::path& file) {
  CleanUp();
  std::error_code error;
  if (!std::filesystem::exists(file, error)) {
    return kFileNotFoundErr;
  }
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    return kIOErr;
  }
  auto data = std::make_unique<std::vector<char>>(std::istreambuf_iterator<char>(in),
                                                  std::istreambuf_iterator<char>());
  if (in.bad() || data->size() > static_cast<std::size_t>(INT32_MAX)) {
    return kIOErr;
  }
  sDataSize = static_cast<Pos>(data->size());
  sDataH = std::move(data);
  return kNoErr;
}

int UPreference::SaveFile(const std::string& name, std::uint32_t creator, std::uint32_t type) {
  const std::string path = GetPreferencesFilePath(name);
  if (path.empty()) {
    return kFolderNotFoundErr;
  }
  return SaveFile(std::filesystem::path(path), creator, type);
}

int UPreference::SaveFile(const std::filesystem::path& file, std::uint32_t /*creator*/,
                          std::uint32_t /*type*/) {
  const bool saved = UFileUtils::ReplaceFileContents(file.string(), [](std::ostream& out) {
    if (sDataH != nullptr) {
      out.write(sDataH->data(), sDataSize);
    }
  });
  return saved ? kNoErr : kIOErr;
}

void UPreference::CleanUp() {
  sDataH.reset();
  sDataSize = 0;
  sCurrPos = 0;
  sTagPos = 0;
  sParamPos = 0;
  sWorkString.clear();
}

std::string UPreference::GetData() {
  return sDataH == nullptr ? std::string() : std::string(sDataH->data(), sDataSize);
}

// --- Scanning ---

// CR, LF and CR LF all end a line. The program writes CR LF only, but a hand-edited file may
// end its lines with LF alone; read as an ordinary character, such an LF would put a section's
// start at some later CR, and a value set in that section would not read back.
bool UPreference::IsLineEnd(Pos pos) {
  return pos >= sDataSize || At(pos) == kCR || At(pos) == kLF;
}

UPreference::Pos UPreference::SkipBlanks(Pos pos) {
  while (pos < sDataSize && IsBlank(At(pos))) {
    ++pos;
  }
  return pos;
}

UPreference::Pos UPreference::NextLineStart(Pos pos) {
  while (!IsLineEnd(pos)) {
    ++pos;
  }
  if (pos < sDataSize) {
    const bool isCR = At(pos) == kCR;
    ++pos;
    if (isCR && pos < sDataSize && At(pos) == kLF) {
      ++pos;
    }
  }
  return pos;
}

// The position of the "," or line end that closes the value starting at pos.
UPreference::Pos UPreference::ValueEnd(Pos pos) {
  while (!IsLineEnd(pos) && At(pos) != ',') {
    ++pos;
  }
  return pos;
}

std::string UPreference::TrimmedText(Pos from, Pos to) {
  while (to > from && IsBlank(At(to - 1))) {
    --to;
  }
  return Limited(std::string(sDataH->data() + from, static_cast<std::size_t>(to - from)));
}

bool UPreference::SeekTag(const std::string& tag, bool create) {
  const std::string wanted = Limited(tag);
  const Pos length = static_cast<Pos>(wanted.size());
  if (sDataH != nullptr) {
    for (Pos pos = 0; pos + length + 1 < sDataSize; ++pos) {
      if (At(pos) == '[' && At(pos + length + 1) == ']' &&
          std::memcmp(sDataH->data() + pos + 1, wanted.data(), wanted.size()) == 0) {
        sTagPos = NextLineStart(pos + 1);
        sCurrPos = sTagPos;
        return true;
      }
    }
  }
  if (!create) {
    return false;
  }
  // A last line without its line end would otherwise swallow the new tag into its value.
  std::string section;
  if (sDataSize > 0 && !IsLineEnd(sDataSize - 1)) {
    section = kLineEnd;
  }
  const Pos tagLineStart = sDataSize + static_cast<Pos>(section.size());
  section += "[" + wanted + "]" + kLineEnd + kLineEnd;
  if (!Insert(sDataSize, section)) {
    return false;
  }
  sTagPos = tagLineStart + length + 2 + 2;
  sCurrPos = sTagPos;
  return true;
}

bool UPreference::SeekParam(const std::string& name, bool create) {
  const std::string wanted = Limited(name);
  if (sDataH != nullptr) {
    Pos pos = sTagPos;
    while (true) {
      pos = SkipBlanks(pos);
      if (pos >= sDataSize || At(pos) == '[') {
        break;
      }
      Pos equals = pos;
      while (!IsLineEnd(equals) && At(equals) != '=') {
        ++equals;
      }
      if (IsLineEnd(equals)) {
        pos = NextLineStart(equals);
        continue;
      }
      sWorkString = TrimmedText(pos, equals);
      if (sWorkString == wanted) {
        sParamPos = equals + 1;
        sCurrPos = sParamPos;
        return true;
      }
      pos = NextLineStart(equals);
    }
  }
  if (!create) {
    return false;
  }
  if (sTagPos > sDataSize) {
    return false;
  }
  // A tag on a last line without its line end: the parameter needs a line of its own.
  if (sTagPos == sDataSize && sDataSize > 0 && !IsLineEnd(sDataSize - 1)) {
    if (!Insert(sDataSize, kLineEnd)) {
      return false;
    }
    sTagPos = sDataSize;
  }
  if (!Insert(sTagPos, wanted + " = " + kLineEnd)) {
    return false;
  }
  sParamPos = sTagPos + static_cast<Pos>(wanted.size()) + 2;
  sCurrPos = sParamPos;
  return true;
}

// Finds the start of value index of name (before its leading blanks); false when the parameter
// is missing or its line ends before that value.
bool UPreference::FindValue(const std::string& name, unsigned short index, Pos& valuePos) {
  if (sDataH == nullptr || !SeekParam(name, false)) {
    return false;
  }
  Pos pos = sParamPos;
  for (unsigned short skipped = 0; skipped < index; ++skipped) {
    pos = ValueEnd(pos);
    if (IsLineEnd(pos)) {
      return false;
    }
    ++pos; // the ","
  }
  valuePos = pos;
  return true;
}

// Reads the value at pos and moves pos past its closing ","; lineEnded tells that no "," closed
// it.
std::string UPreference::ReadValue(Pos& pos, bool& lineEnded) {
  const Pos start = SkipBlanks(pos);
  const Pos end = ValueEnd(start);
  sWorkString = TrimmedText(start, end);
  lineEnded = IsLineEnd(end);
  pos = lineEnded ? end : end + 1;
  sCurrPos = pos;
  return sWorkString;
}

long UPreference::GetParamValue(const std::string& name, long defaultValue, unsigned short index) {
  Pos pos = 0;
  if (!FindValue(name, index, pos)) {
    return defaultValue;
  }
  bool lineEnded = false;
  const std::string text = ReadValue(pos, lineEnded);
  return text.empty() ? defaultValue : StringToNum(text);
}

std::string UPreference::GetParamString(const std::string& name, const std::string& defaultValue,
                                        unsigned short index) {
  Pos pos = 0;
  if (!FindValue(name, index, pos)) {
    return defaultValue;
  }
  bool lineEnded = false;
  return ReadValue(pos, lineEnded);
}

namespace {

// Reads up to count values from pos into the coordinates, stopping after the value that ends the
// line; an empty value gives 0.
template <typename ReadFn>
void ReadCoordinates(long* const* coordinates, int count, ReadFn readValue) {
  for (int i = 0; i < count; ++i) {
    bool lineEnded = false;
    const std::string text = readValue(lineEnded);
    *coordinates[i] = text.empty() ? 0 : StringToNum(text);
    if (lineEnded) {
      return;
    }
  }
}

} // namespace

void UPreference::GetParamPoint(const std::string& name, Point& point, const Point* defaultPoint,
                                unsigned short index) {
  point = defaultPoint != nullptr ? *defaultPoint : Point{};
  Pos pos = 0;
  if (!FindValue(name, index, pos)) {
    return;
  }
  long* const coordinates[] = {&point.v, &point.h};
  ReadCoordinates(coordinates, 2, [&pos](bool& lineEnded) { return ReadValue(pos, lineEnded); });
}

void UPreference::GetParamRect(const std::string& name, Rect& rect, const Rect* defaultRect,
                               unsigned short index) {
  rect = defaultRect != nullptr ? *defaultRect : Rect{};
  Pos pos = 0;
  if (!FindValue(name, index, pos)) {
    return;
  }
  long* const coordinates[] = {&rect.top, &rect.left, &rect.bottom, &rect.right};
  ReadCoordinates(coordinates, 4, [&pos](bool& lineEnded) { return ReadValue(pos, lineEnded); });
}

// --- Editing ---

bool UPreference::Insert(Pos pos, const std::string& text) {
  if (text.empty()) {
    return true;
  }
  const std::size_t newSize = static_cast<std::size_t>(sDataSize) + text.size();
  if (newSize > static_cast<std::size_t>(INT32_MAX)) {
    return false;
  }
  try {
    if (sDataH == nullptr) {
      sDataH = std::make_unique<std::vector<char>>();
    }
    sDataH->resize(newSize);
  } catch (const std::bad_alloc&) {
    return false;
  }
  char* data = sDataH->data();
  std::memmove(data + pos + text.size(), data + pos, static_cast<std::size_t>(sDataSize - pos));
  std::memcpy(data + pos, text.data(), text.size());
  sDataSize = static_cast<Pos>(newSize);
  return true;
}

void UPreference::Delete(Pos pos, Pos count) {
  if (count <= 0) {
    return;
  }
  char* data = sDataH->data();
  std::memmove(data + pos, data + pos + count, static_cast<std::size_t>(sDataSize - pos - count));
  sDataSize -= count;
}

void UPreference::WriteValue(const std::string& name, const std::string& text,
                             unsigned short index) {
  if (!SeekParam(name, true)) {
    return;
  }
  Pos pos = sParamPos;
  for (unsigned short skipped = 0; skipped < index; ++skipped) {
    pos = ValueEnd(pos);
    if (IsLineEnd(pos)) {
      if (!Insert(pos, ", ")) {
        return;
      }
      pos += 2;
    } else {
      ++pos; // the ","
    }
  }
  pos = SkipBlanks(pos);
  Delete(pos, ValueEnd(pos) - pos);
  Insert(pos, text);
  sCurrPos = pos;
}

void UPreference::SetParamValue(const std::string& name, long value, unsigned short index) {
  WriteValue(name, std::to_string(value), index);
}

void UPreference::SetParamString(const std::string& name, const std::string& value,
                                 unsigned short index) {
  WriteValue(name, Limited(value), index);
}

void UPreference::SetParamPoint(const std::string& name, const Point& point, unsigned short index) {
  SetParamValue(name, point.v, index);
  SetParamValue(name, point.h, static_cast<unsigned short>(index + 1));
}

void UPreference::SetParamRect(const std::string& name, const Rect& rect, unsigned short index) {
  SetParamValue(name, rect.top, index);
  SetParamValue(name, rect.left, static_cast<unsigned short>(index + 1));
  SetParamValue(name, rect.bottom, static_cast<unsigned short>(index + 2));
  SetParamValue(name, rect.right, static_cast<unsigned short>(index + 3));
}
