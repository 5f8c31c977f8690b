#include "index/CSqliteStatement.h"

#include <sqlite3.h>

namespace Bris {

CSqliteStatement::CSqliteStatement(sqlite3* db, std::string_view sql) {
  mResultCode = db == nullptr ? SQLITE_MISUSE
                              : sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()),
                                                   &mStatement, nullptr);
  if (mResultCode != SQLITE_OK) {
    sqlite3_finalize(mStatement);
    mStatement = nullptr;
  }
}

CSqliteStatement::~CSqliteStatement() {
  sqlite3_finalize(mStatement);
}

CSqliteStatement& CSqliteStatement::Bind(int index, std::int64_t value) {
  if (mStatement != nullptr) {
    sqlite3_bind_int64(mStatement, index, value);
  }
  return *this;
}

CSqliteStatement& CSqliteStatement::Bind(int index, std::string_view text) {
  if (mStatement != nullptr) {
    sqlite3_bind_text(mStatement, index, text.data(), static_cast<int>(text.size()),
                      SQLITE_TRANSIENT);
  }
  return *this;
}

bool CSqliteStatement::Step() {
  if (mStatement == nullptr) {
    return false;
  }
  mResultCode = sqlite3_step(mStatement);
  return mResultCode == SQLITE_ROW;
}

bool CSqliteStatement::Run() {
  while (Step()) {
  }
  const bool done = mResultCode == SQLITE_DONE;
  Reset();
  return done;
}

void CSqliteStatement::Reset() {
  if (mStatement != nullptr) {
    sqlite3_reset(mStatement);
  }
}

std::int64_t CSqliteStatement::ColumnInt(int column) const {
  return sqlite3_column_int64(mStatement, column);
}

std::string CSqliteStatement::ColumnText(int column) const {
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(mStatement, column));
  return text == nullptr
             ? std::string()
             : std::string(text,
                           static_cast<std::size_t>(sqlite3_column_bytes(mStatement, column)));
}

} // namespace Bris
