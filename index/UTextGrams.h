#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace Bris {

// The grams the library index stores for a slot's text: every run of one to three characters
// inside one line of the folded text. A word of up to three characters occurs in a text only if
// the text holds it as a gram, and a longer word only if the text holds all of its three-character
// runs, so the grams find a superset of the slots that a CSlotQuery matches, which it then
// confirms. Characters are split as CSlotQuery splits them (a continuation byte never starts one).
class UTextGrams {
public:
  static constexpr std::size_t kMaxGramCharacters = 3;

  // Calls take(gram) once for each distinct gram of folded text ('\n' separates its lines).
  static void ForEachDistinctGram(std::string_view foldedText,
                                  const std::function<void(std::string_view gram)>& take);
  // The grams that every text holding the folded word must hold: the word itself when it is at
  // most three characters long, else its distinct three-character runs. Empty when the word
  // cannot occur anywhere (it starts inside a character).
  static std::vector<std::string> TermsOf(const std::string& foldedWord);
};

} // namespace Bris
