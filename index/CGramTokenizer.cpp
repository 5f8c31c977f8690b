#include "index/CGramTokenizer.h"

#include "domain/CSlotQuery.h"
#include "index/UTextGrams.h"

#include <sqlite3.h>

#include <new>
#include <string>

namespace Bris {

namespace {

using TokenCallback = int (*)(void* context, int flags, const char* token, int tokenBytes,
                              int start, int end);

// FTS5 wants a tokenizer object; this one has no state, so any pointer that is not null serves.
int CreateTokenizer(void* userData, const char** /*arguments*/, int /*argumentCount*/,
                    Fts5Tokenizer** tokenizer) {
  *tokenizer = static_cast<Fts5Tokenizer*>(userData);
  return SQLITE_OK;
}

void DeleteTokenizer(Fts5Tokenizer* /*tokenizer*/) {}

int EmitGrams(const std::string& folded, void* context, TokenCallback token) {
  int result = SQLITE_OK;
  UTextGrams::ForEachDistinctGram(folded, [&](std::string_view gram) {
    if (result == SQLITE_OK) {
      const int start = static_cast<int>(gram.data() - folded.data());
      result = token(context, 0, gram.data(), static_cast<int>(gram.size()), start,
                     start + static_cast<int>(gram.size()));
    }
  });
  return result;
}

int Tokenize(Fts5Tokenizer* /*tokenizer*/, void* context, int flags, const char* text,
             int textBytes, TokenCallback token) {
  if (text == nullptr || textBytes <= 0) {
    return SQLITE_OK;
  }
  try {
    const std::string folded =
        CSlotQuery::Fold(std::string(text, static_cast<std::size_t>(textBytes)));
    if ((flags & FTS5_TOKENIZE_QUERY) != 0) {
      return token(context, 0, folded.data(), textBytes, 0, textBytes);
    }
    return EmitGrams(folded, context, token);
  } catch (const std::bad_alloc&) {
    return SQLITE_NOMEM; // nothing may unwind into SQLite
  }
}

fts5_api* Fts5Api(sqlite3* db) {
  fts5_api* api = nullptr;
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(db, "SELECT fts5(?1)", -1, &statement, nullptr) == SQLITE_OK) {
    sqlite3_bind_pointer(statement, 1, &api, "fts5_api_ptr", nullptr);
    sqlite3_step(statement);
  }
  sqlite3_finalize(statement);
  return api;
}

} // namespace

bool CGramTokenizer::Register(sqlite3* db) {
  fts5_api* api = db == nullptr ? nullptr : Fts5Api(db);
  if (api == nullptr || api->iVersion < 2) {
    return false;
  }
  fts5_tokenizer tokenizer{&CreateTokenizer, &DeleteTokenizer, &Tokenize};
  return api->xCreateTokenizer(api, kName, api, &tokenizer, nullptr) == SQLITE_OK;
}

} // namespace Bris
