#include "domain/CSlotQuery.h"

#include <algorithm>

namespace Bris {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool IsContinuationByte(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Calls take(begin) for every occurrence of word in folded that starts and ends on a character
// boundary; false from take stops the search. Returns whether any occurrence was found.
template <typename TTake>
bool FindOccurrences(const std::string& folded, const std::string& word, TTake take) {
  bool found = false;
  for (auto at = folded.find(word); at != std::string::npos; at = folded.find(word, at + 1)) {
    if (CSlotQuery::IsCharacterBoundary(folded, at) &&
        CSlotQuery::IsCharacterBoundary(folded, at + word.size())) {
      found = true;
      if (!take(at)) {
        break;
      }
    }
  }
  return found;
}

void MergeOverlaps(std::vector<CSlotQuery::SMatchRange>& ranges) {
  std::sort(ranges.begin(), ranges.end(), [](const auto& a, const auto& b) {
    return a.field != b.field ? a.field < b.field : a.begin < b.begin;
  });
  std::vector<CSlotQuery::SMatchRange> merged;
  for (const auto& range : ranges) {
    if (!merged.empty() && merged.back().field == range.field && range.begin <= merged.back().end) {
      merged.back().end = std::max(merged.back().end, range.end);
    } else {
      merged.push_back(range);
    }
  }
  ranges = std::move(merged);
}

} // namespace

CSlotQuery::CSlotQuery(const std::string& text) {
  const std::string folded = Fold(text);
  std::size_t at = 0;
  while (at < folded.size()) {
    while (at < folded.size() && IsBlank(folded[at])) {
      ++at;
    }
    std::size_t end = at;
    while (end < folded.size() && !IsBlank(folded[end])) {
      ++end;
    }
    if (end > at) {
      std::string word = folded.substr(at, end - at);
      if (std::find(mWords.begin(), mWords.end(), word) == mWords.end()) {
        mWords.push_back(std::move(word));
      }
    }
    at = end;
  }
}

bool CSlotQuery::Matches(const std::string& name, std::span<const std::string> memoLines,
                         std::vector<SMatchRange>* ranges) const {
  if (mWords.empty()) {
    if (ranges != nullptr) {
      ranges->clear();
    }
    return true;
  }
  std::vector<std::string> fields;
  fields.reserve(memoLines.size() + 1);
  fields.push_back(Fold(name));
  for (const auto& memo : memoLines) {
    fields.push_back(Fold(memo));
  }
  std::vector<SMatchRange> found;
  for (const auto& word : mWords) {
    bool wordFound = false;
    for (std::size_t i = 0; i < fields.size(); ++i) {
      const int field = static_cast<int>(i) - 1; // kName first, then memo 0..
      wordFound |= FindOccurrences(fields[i], word, [&](std::size_t at) {
        if (ranges == nullptr) {
          return false; // one occurrence is enough to know
        }
        found.push_back({field, at, at + word.size()});
        return true;
      });
      if (wordFound && ranges == nullptr) {
        break;
      }
    }
    if (!wordFound) {
      return false;
    }
  }
  if (ranges != nullptr) {
    MergeOverlaps(found);
    *ranges = std::move(found);
  }
  return true;
}

bool CSlotQuery::Matches(const CParameter& record, std::vector<SMatchRange>* ranges) const {
  const std::string memos[CParameter::kMemoLineCount] = {record.GetMemo(0), record.GetMemo(1),
                                                         record.GetMemo(2), record.GetMemo(3)};
  return Matches(record.GetName(), memos, ranges);
}

std::string CSlotQuery::Fold(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') {
      c = static_cast<char>(c - 'A' + 'a');
    }
  }
  return text;
}

bool CSlotQuery::IsCharacterBoundary(const std::string& text, std::size_t position) {
  return position >= text.size() || !IsContinuationByte(text[position]);
}

} // namespace Bris
