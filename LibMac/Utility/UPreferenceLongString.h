#pragma once

#include <cstddef>
#include <string>
#include <vector>

// A string of any length and any bytes kept in one preferences parameter: a preferences value
// holds at most 255 bytes, no "," and no blanks at its ends, so the string is cut into pieces
// (never inside a UTF-8 character), each piece escaped ("%" and two hex digits) and stored as
// one value of the parameter; an empty value ends the string.
class UPreferenceLongString {
public:
  // A raw piece of at most this many bytes escapes to at most a value's 255 bytes.
  static constexpr std::size_t kRawPieceBytes = 255 / 3;

  // Writes raw into parameter name of the section UPreference::SeekTag chose.
  static void Write(const char* name, const std::string& raw);
  // The string parameter name holds; empty when it is missing.
  static std::string Read(const char* name);

  static std::string Escape(const std::string& raw);
  // Undoes Escape; a "%" not followed by two hex digits stays as it is.
  static std::string Unescape(const std::string& escaped);
  // Pieces of at most kRawPieceBytes bytes, never splitting a UTF-8 character.
  static std::vector<std::string> SplitIntoPieces(const std::string& raw);
};
