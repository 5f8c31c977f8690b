#pragma once

#include "domain/CParameter.h"

#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace Bris {

// What the user typed to find slots: words separated by blanks, each of which must occur in the
// slot's name or in one of its memo lines, without regard to the case of ASCII letters. Text
// without words matches every slot. Matching works on bytes of UTF-8 text and never starts or
// ends inside a character that takes more than one byte.
class CSlotQuery {
public:
  // Where a field of a slot is matched: the name, or memo line 0..3.
  enum EField : int { kName = -1, kMemo0 = 0 };

  // One occurrence of a word: bytes [begin, end) of the field.
  struct SMatchRange {
    int field; // kName, or the memo line number
    std::size_t begin;
    std::size_t end;
    bool operator==(const SMatchRange&) const = default;
  };

  explicit CSlotQuery(const std::string& text);

  // The words, folded (see Fold), each once, in the order typed.
  const std::vector<std::string>& GetWords() const { return mWords; }
  bool IsEmpty() const { return mWords.empty(); }

  // True when every word occurs in the name or a memo line. When true and ranges is given, it
  // receives every occurrence of every word, per field in ascending order, overlaps merged.
  bool Matches(const std::string& name, std::span<const std::string> memoLines,
               std::vector<SMatchRange>* ranges = nullptr) const;
  bool Matches(const CParameter& record, std::vector<SMatchRange>* ranges = nullptr) const;

  // The text with ASCII capitals lowered; every other byte kept, so offsets stay the same.
  static std::string Fold(std::string text);
  // True when byte position of text starts a character (or is the end): no continuation byte.
  static bool IsCharacterBoundary(const std::string& text, std::size_t position);

private:
  std::vector<std::string> mWords;
};

} // namespace Bris
