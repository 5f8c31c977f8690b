#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace Bris {

// One prepared statement of a connection, finalised with the object. Bind indexes are 1-based,
// column indexes 0-based, as SQLite counts them.
class CSqliteStatement {
public:
  CSqliteStatement(sqlite3* db, std::string_view sql);
  ~CSqliteStatement();
  CSqliteStatement(const CSqliteStatement&) = delete;
  CSqliteStatement& operator=(const CSqliteStatement&) = delete;

  // False when the statement could not be prepared (see ResultCode()).
  bool IsValid() const { return mStatement != nullptr; }
  int ResultCode() const { return mResultCode; }

  CSqliteStatement& Bind(int index, std::int64_t value);
  CSqliteStatement& Bind(int index, std::string_view text);

  // True while a row is there; false at the end or on an error (ResultCode() tells which).
  bool Step();
  // Runs the statement to its end; true unless it failed.
  bool Run();
  // Ready to run again, bindings kept.
  void Reset();

  std::int64_t ColumnInt(int column) const;
  std::string ColumnText(int column) const;

private:
  sqlite3_stmt* mStatement = nullptr;
  int mResultCode = 0;
};

} // namespace Bris
