#include "index/UTextGrams.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace Bris {

namespace {

bool IsContinuationByte(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Byte offsets of the characters of text[begin, end), followed by end.
void CharacterStarts(std::string_view text, std::size_t begin, std::size_t end,
                     std::vector<std::uint32_t>& starts) {
  starts.clear();
  for (std::size_t i = begin; i < end; ++i) {
    if (!IsContinuationByte(text[i])) {
      starts.push_back(static_cast<std::uint32_t>(i));
    }
  }
  starts.push_back(static_cast<std::uint32_t>(end));
}

// A set of grams of one text, kept as (offset, length) into that text: open addressing with
// room for twice the grams it can get, so that it never fills.
class CGramSet {
public:
  CGramSet(std::string_view text, std::size_t maxGrams) : mText(text) {
    std::size_t capacity = 16;
    while (capacity < 2 * maxGrams) {
      capacity *= 2;
    }
    mSlots.assign(capacity, kEmpty);
  }

  // True when the gram was not in the set yet.
  bool Insert(std::uint32_t offset, std::uint32_t length) {
    const std::size_t mask = mSlots.size() - 1;
    for (std::size_t i = Hash(offset, length) & mask;; i = (i + 1) & mask) {
      const std::uint32_t slot = mSlots[i];
      if (slot == kEmpty) {
        mSlots[i] = offset << kLengthBits | length;
        return true;
      }
      const std::uint32_t slotLength = slot & kLengthMask;
      if (slotLength == length &&
          std::memcmp(mText.data() + (slot >> kLengthBits), mText.data() + offset, length) == 0) {
        return false;
      }
    }
  }

private:
  static constexpr std::uint32_t kEmpty = 0xFFFFFFFFu;
  static constexpr unsigned kLengthBits = 8;

public:
  static constexpr std::uint32_t kLengthMask = (1u << kLengthBits) - 1;
  static constexpr std::size_t kMaxTextBytes = std::size_t{1} << (32 - kLengthBits);

private:
  std::size_t Hash(std::uint32_t offset, std::uint32_t length) const {
    std::uint64_t hash = 14695981039346656037ull; // FNV-1a
    for (std::uint32_t i = 0; i < length; ++i) {
      hash = (hash ^ static_cast<unsigned char>(mText[offset + i])) * 1099511628211ull;
    }
    return static_cast<std::size_t>(hash ^ (hash >> 29));
  }

  std::string_view mText;
  std::vector<std::uint32_t> mSlots;
};

} // namespace

void UTextGrams::ForEachDistinctGram(std::string_view foldedText,
                                     const std::function<void(std::string_view gram)>& take) {
  // Longer texts do not occur in a slot (five lines of at most 1023 bytes); offsets must fit.
  if (foldedText.size() >= CGramSet::kMaxTextBytes) {
    return;
  }
  CGramSet seen(foldedText, kMaxGramCharacters * foldedText.size());
  std::vector<std::uint32_t> starts;
  std::size_t lineBegin = 0;
  while (lineBegin <= foldedText.size()) {
    std::size_t lineEnd = foldedText.find('\n', lineBegin);
    if (lineEnd == std::string_view::npos) {
      lineEnd = foldedText.size();
    }
    CharacterStarts(foldedText, lineBegin, lineEnd, starts);
    const std::size_t characterCount = starts.size() - 1;
    for (std::size_t k = 0; k < characterCount; ++k) {
      const std::size_t longest = std::min(kMaxGramCharacters, characterCount - k);
      for (std::size_t n = 1; n <= longest; ++n) {
        const std::uint32_t length = starts[k + n] - starts[k];
        // Only broken UTF-8 makes a gram this long; it is passed on without the check.
        if (length > CGramSet::kLengthMask || seen.Insert(starts[k], length)) {
          take(foldedText.substr(starts[k], length));
        }
      }
    }
    lineBegin = lineEnd + 1;
  }
}

std::vector<std::string> UTextGrams::TermsOf(const std::string& foldedWord) {
  std::vector<std::string> terms;
  if (foldedWord.empty() || IsContinuationByte(foldedWord[0])) {
    return terms;
  }
  std::vector<std::uint32_t> starts;
  CharacterStarts(foldedWord, 0, foldedWord.size(), starts);
  const std::size_t characterCount = starts.size() - 1;
  if (characterCount <= kMaxGramCharacters) {
    terms.push_back(foldedWord);
    return terms;
  }
  for (std::size_t k = 0; k + kMaxGramCharacters <= characterCount; ++k) {
    std::string term = foldedWord.substr(starts[k], starts[k + kMaxGramCharacters] - starts[k]);
    if (std::find(terms.begin(), terms.end(), term) == terms.end()) {
      terms.push_back(std::move(term));
    }
  }
  return terms;
}

} // namespace Bris
