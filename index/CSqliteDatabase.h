#pragma once

#include <string>
#include <string_view>

struct sqlite3;

namespace Bris {

// One SQLite connection, closed with the object. Belongs to one thread at a time.
class CSqliteDatabase {
public:
  CSqliteDatabase() = default;
  ~CSqliteDatabase();
  CSqliteDatabase(const CSqliteDatabase&) = delete;
  CSqliteDatabase& operator=(const CSqliteDatabase&) = delete;

  // Opens (creating when missing) the database file at path; false when it cannot be opened.
  bool Open(const std::string& path);
  void Close();
  bool IsOpen() const { return mDb != nullptr; }
  sqlite3* Handle() const { return mDb; }

  // Runs one or more statements without results; true on success.
  bool Execute(std::string_view sql);
  // The result code of the last failed call on the connection (SQLITE_CORRUPT, SQLITE_NOTADB...).
  int LastErrorCode() const;

private:
  sqlite3* mDb = nullptr;
};

} // namespace Bris
