#include "index/CSqliteDatabase.h"

#include <sqlite3.h>

#include <string>

namespace Bris {

namespace {

// How long a statement waits for another connection's lock before it fails.
constexpr int kBusyTimeoutMilliseconds = 5000;

} // namespace

CSqliteDatabase::~CSqliteDatabase() {
  Close();
}

bool CSqliteDatabase::Open(const std::string& path) {
  Close();
  const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
  if (sqlite3_open_v2(path.c_str(), &mDb, flags, nullptr) != SQLITE_OK) {
    Close(); // a handle comes back even on failure
    return false;
  }
  sqlite3_extended_result_codes(mDb, 0);
  sqlite3_busy_timeout(mDb, kBusyTimeoutMilliseconds);
  return true;
}

void CSqliteDatabase::Close() {
  if (mDb != nullptr) {
    sqlite3_close_v2(mDb);
    mDb = nullptr;
  }
}

bool CSqliteDatabase::Execute(std::string_view sql) {
  if (mDb == nullptr) {
    return false;
  }
  const std::string text(sql);
  return sqlite3_exec(mDb, text.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

int CSqliteDatabase::LastErrorCode() const {
  return mDb == nullptr ? SQLITE_CANTOPEN : sqlite3_errcode(mDb);
}

} // namespace Bris
