#pragma once

#include "domain/CParameter.h"
#include "domain/CParameterArray.h"

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

namespace Bris {

// The memo file of one list: plain text, one memo per line ended by a line feed, four lines per
// slot in slot order (memos 1..4 of slot 1, then of slot 2, ...). No header, no quoting.
class CMemoFile {
public:
  // The longest line a reader takes; the rest of a longer line is skipped.
  static constexpr std::size_t kMaxLineBytes = 1023;

  // "PatchMemo.txt", "ToneMemo.txt", "WaveMemo.txt"; null for any other kind.
  static const char* FileName(CParameter::EDataType kind);

  // Line k goes to memo k mod 4 of record k div 4. Reading stops at the end of the input or after
  // the last record's fourth memo; a last line without a line feed is taken. Never fails.
  static void Read(std::istream& in, CParameterArray& records);
  // Read from the whole file's bytes, the lines cut out in place: a project's memo files are read
  // with one system call each instead of a stream's line-by-line extraction.
  static void ReadText(std::string_view text, CParameterArray& records);
  // The same reading without records: take(slotIndex, memoLine, text) for every line of the
  // first slotCount slots that the input holds.
  static void ReadLines(std::istream& in, std::size_t slotCount,
                        const std::function<void(std::size_t slotIndex, int memoLine,
                                                 const std::string& text)>& take);
  // Writes four lines per record (null records give empty lines).
  static void Write(std::ostream& out, const CParameterArray& records);

  // A memo as one line of the file: up to its first zero byte, with every line feed turned into a
  // blank so that it can never shift the memos after it.
  static std::string ToLine(const std::string& memo);
};

} // namespace Bris
