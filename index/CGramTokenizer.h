#pragma once

struct sqlite3;

namespace Bris {

// The full-text tokenizer of the library index, registered on one connection under kName: a
// document is folded (CSlotQuery::Fold) and split into its distinct grams (UTextGrams); a query
// string is folded and taken whole as one term. Holds no state of its own, so every connection
// of every thread may use it.
class CGramTokenizer {
public:
  static constexpr const char* kName = "brisel_grams";

  // True when the tokenizer is now known to the connection (FTS5 must be built in).
  static bool Register(sqlite3* db);
};

} // namespace Bris
