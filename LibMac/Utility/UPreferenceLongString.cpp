#include "LibMac/Utility/UPreferenceLongString.h"

#include "LibMac/Utility/UPreference.h"

#include <algorithm>

static_assert(UPreferenceLongString::kRawPieceBytes * 3 <= UPreference::kMaxStringBytes);

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') {
    return c - '0';
  }
  if (c >= 'A' && c <= 'F') {
    return c - 'A' + 10;
  }
  if (c >= 'a' && c <= 'f') {
    return c - 'a' + 10;
  }
  return -1;
}

} // namespace

std::string UPreferenceLongString::Escape(const std::string& raw) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string escaped;
  for (std::size_t i = 0; i < raw.size(); ++i) {
    const auto byte = static_cast<unsigned char>(raw[i]);
    const bool edgeBlank = (byte == ' ' || byte == '\t') && (i == 0 || i + 1 == raw.size());
    if (byte == '%' || byte == ',' || byte < 0x20 || byte == 0x7F || edgeBlank) {
      escaped += '%';
      escaped += kHex[byte >> 4];
      escaped += kHex[byte & 0x0F];
    } else {
      escaped += static_cast<char>(byte);
    }
  }
  return escaped;
}

std::string UPreferenceLongString::Unescape(const std::string& escaped) {
  std::string raw;
  for (std::size_t i = 0; i < escaped.size(); ++i) {
    if (escaped[i] == '%' && i + 2 < escaped.size() && HexDigit(escaped[i + 1]) >= 0 &&
        HexDigit(escaped[i + 2]) >= 0) {
      raw += static_cast<char>(HexDigit(escaped[i + 1]) * 16 + HexDigit(escaped[i + 2]));
      i += 2;
    } else {
      raw += escaped[i];
    }
  }
  return raw;
}

std::vector<std::string> UPreferenceLongString::SplitIntoPieces(const std::string& raw) {
  std::vector<std::string> pieces;
  std::size_t start = 0;
  while (start < raw.size()) {
    std::size_t end = std::min(raw.size(), start + kRawPieceBytes);
    while (end < raw.size() && end > start + 1 &&
           (static_cast<unsigned char>(raw[end]) & 0xC0) == 0x80) {
      --end;
    }
    pieces.push_back(raw.substr(start, end - start));
    start = end;
  }
  return pieces;
}

void UPreferenceLongString::Write(const char* name, const std::string& raw) {
  const std::vector<std::string> pieces = SplitIntoPieces(raw);
  unsigned short index = 0;
  for (const std::string& piece : pieces) {
    UPreference::SetParamString(name, Escape(piece), index++);
  }
  // An older, longer value may follow: an empty value ends the string.
  if (!UPreference::GetParamString(name, std::string(), index).empty() || pieces.empty()) {
    UPreference::SetParamString(name, std::string(), index);
  }
}

std::string UPreferenceLongString::Read(const char* name) {
  std::string raw;
  for (unsigned short index = 0;; ++index) {
    const std::string piece = UPreference::GetParamString(name, std::string(), index);
    if (piece.empty()) {
      return raw;
    }
    raw += Unescape(piece);
  }
}
