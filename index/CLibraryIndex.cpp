#include "index/CLibraryIndex.h"

#include "domain/CSlotQuery.h"
#include "index/CGramTokenizer.h"
#include "index/CLibraryWalker.h"
#include "index/CProjectFolder.h"
#include "index/CSqliteStatement.h"
#include "index/UTextGrams.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <filesystem>
#include <map>

namespace Bris {

namespace {

constexpr std::int64_t kApplicationId = 0x4272736C; // "Brsl"
// Raised whenever the tables or what the full-text index stores change: an index of another
// version is rebuilt.
constexpr std::int64_t kSchemaVersion = 1;

constexpr const char* kSchema = R"sql(
CREATE TABLE project(id INTEGER PRIMARY KEY, path TEXT NOT NULL UNIQUE, stamp TEXT NOT NULL);
CREATE TABLE slot(id INTEGER PRIMARY KEY, project_id INTEGER NOT NULL, kind INTEGER NOT NULL,
  slot_number INTEGER NOT NULL, name TEXT NOT NULL, memo1 TEXT NOT NULL, memo2 TEXT NOT NULL,
  memo3 TEXT NOT NULL, memo4 TEXT NOT NULL);
CREATE INDEX slot_by_project ON slot(project_id);
CREATE VIRTUAL TABLE slot_text USING fts5(text, tokenize='brisel_grams', detail=none, content='');
)sql";

constexpr const char* kSlotColumns = "s.id, p.path, s.kind, s.slot_number, s.name, s.memo1, "
                                     "s.memo2, s.memo3, s.memo4";

// A field as it is stored: up to its first zero byte, as a memo line is written.
std::string StoredField(const std::string& text) {
  return text.substr(0, text.find('\0'));
}

// What the full-text index is given for a slot: its fields, one per line. Deleting a row of the
// index needs exactly the text it was given, so both go through here.
std::string FullText(const std::string& name, const std::string* memos) {
  std::string text = name;
  for (int line = 0; line < CParameter::kMemoLineCount; ++line) {
    text += '\n';
    text += memos[line];
  }
  return text;
}

// A full-text query that every slot matching query passes: all the grams of all its words.
// Empty when a word can occur nowhere.
std::string MatchExpression(const CSlotQuery& query) {
  std::string expression;
  for (const auto& word : query.GetWords()) {
    const auto terms = UTextGrams::TermsOf(word);
    if (terms.empty()) {
      return std::string();
    }
    for (const auto& term : terms) {
      expression += expression.empty() ? "\"" : " AND \"";
      for (const char c : term) {
        expression += c;
        if (c == '"') {
          expression += '"';
        }
      }
      expression += '"';
    }
  }
  return expression;
}

SIndexedSlot SlotOf(const CSqliteStatement& row) {
  SIndexedSlot slot;
  slot.projectPath = row.ColumnText(1);
  slot.kind = static_cast<CParameter::EDataType>(row.ColumnInt(2));
  slot.slotNumber = static_cast<int>(row.ColumnInt(3));
  slot.name = row.ColumnText(4);
  for (int line = 0; line < CParameter::kMemoLineCount; ++line) {
    slot.memos[line] = row.ColumnText(5 + line);
  }
  return slot;
}

bool IsBusy(int resultCode) {
  return resultCode == SQLITE_BUSY || resultCode == SQLITE_LOCKED;
}

} // namespace

CLibraryIndex::CLibraryIndex(std::string databasePath) : mPath(std::move(databasePath)) {
  EnsureOpen();
}

CLibraryIndex::~CLibraryIndex() = default;

// --- Opening and rebuilding

bool CLibraryIndex::EnsureOpen() {
  if (mDb.IsOpen() && !mDamaged && !IsFileReplaced()) {
    return true;
  }
  if (mDamaged) {
    Rebuild();
    return mDb.IsOpen();
  }
  switch (OpenDatabase(mPath)) {
  case EOpenResult::kOpened:
    return true;
  case EOpenResult::kBusy:
    mDb.Close(); // another connection is creating it: try again next time
    return false;
  case EOpenResult::kDamaged:
    Rebuild();
    return mDb.IsOpen();
  }
  return false;
}

CLibraryIndex::EOpenResult CLibraryIndex::OpenDatabase(const std::string& path) {
  mChecked = false;
  mDamaged = false;
  if (!mDb.Open(path) || !CGramTokenizer::Register(mDb.Handle())) {
    return EOpenResult::kDamaged;
  }
  {
    CSqliteStatement walMode(mDb.Handle(), "PRAGMA journal_mode = WAL");
    if (!walMode.Step()) {
      return IsBusy(walMode.ResultCode()) ? EOpenResult::kBusy : EOpenResult::kDamaged;
    }
  }
  // A cache may lose its last transactions in a power cut, never its consistency.
  mDb.Execute("PRAGMA synchronous = NORMAL");
  const EOpenResult result = CreateSchemaIfEmpty();
  struct stat status {};
  if (result == EOpenResult::kOpened && path != ":memory:" && ::stat(path.c_str(), &status) == 0) {
    mFileId[0] = status.st_dev;
    mFileId[1] = status.st_ino;
  }
  return result;
}

CLibraryIndex::EOpenResult CLibraryIndex::CreateSchemaIfEmpty() {
  const auto readVersion = [this](std::int64_t& applicationId, std::int64_t& version,
                                  std::int64_t& tables) {
    CSqliteStatement id(mDb.Handle(), "PRAGMA application_id");
    CSqliteStatement user(mDb.Handle(), "PRAGMA user_version");
    CSqliteStatement count(mDb.Handle(), "SELECT count(*) FROM sqlite_master");
    if (!id.Step() || !user.Step() || !count.Step()) {
      const int code =
          !id.IsValid() || id.ResultCode() != SQLITE_ROW ? id.ResultCode() : count.ResultCode();
      return IsBusy(code) || IsBusy(user.ResultCode()) ? EOpenResult::kBusy : EOpenResult::kDamaged;
    }
    applicationId = id.ColumnInt(0);
    version = user.ColumnInt(0);
    tables = count.ColumnInt(0);
    return EOpenResult::kOpened;
  };
  std::int64_t applicationId = 0, version = 0, tables = 0;
  EOpenResult result = readVersion(applicationId, version, tables);
  if (result != EOpenResult::kOpened) {
    return result;
  }
  if (applicationId == kApplicationId && version == kSchemaVersion) {
    return EOpenResult::kOpened;
  }
  if (applicationId != 0 || version != 0 || tables != 0) {
    return EOpenResult::kDamaged; // another version, or not ours
  }
  // Empty: create the tables, unless another connection did so first.
  if (!mDb.Execute("BEGIN IMMEDIATE")) {
    return IsBusy(mDb.LastErrorCode()) ? EOpenResult::kBusy : EOpenResult::kDamaged;
  }
  result = readVersion(applicationId, version, tables);
  if (result == EOpenResult::kOpened && tables == 0 &&
      !(mDb.Execute(kSchema) &&
        mDb.Execute("PRAGMA application_id = " + std::to_string(kApplicationId)) &&
        mDb.Execute("PRAGMA user_version = " + std::to_string(kSchemaVersion)))) {
    result = EOpenResult::kDamaged;
  }
  if (result != EOpenResult::kOpened || !mDb.Execute("COMMIT")) {
    mDb.Execute("ROLLBACK");
    return result == EOpenResult::kBusy ? result : EOpenResult::kDamaged;
  }
  return tables == 0 || (applicationId == kApplicationId && version == kSchemaVersion)
             ? EOpenResult::kOpened
             : EOpenResult::kDamaged;
}

void CLibraryIndex::Rebuild() {
  mDb.Close();
  ++mRebuildCount;
  RemoveDatabaseFiles();
  if (OpenDatabase(mPath) == EOpenResult::kOpened) {
    mPersistent = true;
    return;
  }
  // Nothing can be written there (a folder in the way, no room): keep the index in memory.
  mDb.Close();
  mPersistent = false;
  OpenDatabase(":memory:");
}

void CLibraryIndex::RemoveDatabaseFiles() const {
  // Only files: a folder at the path is not ours to take away.
  for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
    const std::filesystem::path file(mPath + suffix);
    std::error_code error;
    if (!std::filesystem::is_directory(file, error)) {
      std::filesystem::remove(file, error);
    }
  }
}

// True when the file was replaced since it was opened (another connection rebuilt the index):
// this connection would go on reading the old, deleted one.
bool CLibraryIndex::IsFileReplaced() const {
  if (!mPersistent) {
    return false;
  }
  struct stat status {};
  return ::stat(mPath.c_str(), &status) != 0 ||
         static_cast<unsigned long long>(status.st_dev) != mFileId[0] ||
         static_cast<unsigned long long>(status.st_ino) != mFileId[1];
}

bool CLibraryIndex::PassesQuickCheck() {
  CSqliteStatement check(mDb.Handle(), "PRAGMA quick_check");
  if (!check.Step()) {
    return IsBusy(check.ResultCode()); // busy proves nothing either way
  }
  return check.ColumnText(0) == "ok";
}

// Notes a result that shows a damaged database; true for every failure.
bool CLibraryIndex::Failed(int resultCode) {
  if (resultCode == SQLITE_CORRUPT || resultCode == SQLITE_NOTADB) {
    mDamaged = true;
  }
  return true;
}

// --- Updating

CLibraryIndex::SUpdateReport CLibraryIndex::Update(const std::vector<std::string>& libraryFolders) {
  mStopRequested = false;
  SUpdateReport report;
  for (int attempt = 0; attempt < 2; ++attempt) {
    if (!EnsureOpen()) {
      return report;
    }
    if (!mChecked) {
      mChecked = PassesQuickCheck();
      if (!mChecked) {
        mDamaged = true;
        continue;
      }
    }
    report = SUpdateReport();
    if (UpdateOnce(libraryFolders, report) || !mDamaged) {
      break;
    }
  }
  return report;
}

bool CLibraryIndex::UpdateOnce(const std::vector<std::string>& libraryFolders,
                               SUpdateReport& report) {
  std::map<std::string, std::pair<std::int64_t, std::string>> known; // path -> id, stamp
  {
    CSqliteStatement projects(mDb.Handle(), "SELECT id, path, stamp FROM project");
    while (projects.Step()) {
      known[projects.ColumnText(1)] = {projects.ColumnInt(0), projects.ColumnText(2)};
    }
    if (projects.ResultCode() != SQLITE_DONE && Failed(projects.ResultCode())) {
      return false;
    }
  }
  const auto found = CLibraryWalker(&mStopRequested).FindProjects(libraryFolders);
  for (const auto& path : found) {
    if (mStopRequested) {
      return false;
    }
    ++report.projectsFound;
    CProjectFolder folder(path);
    const auto entry = known.find(folder.GetPath());
    const std::int64_t projectId = entry == known.end() ? 0 : entry->second.first;
    const bool listed = folder.List();
    if (entry != known.end()) {
      const bool unchanged = !listed || entry->second.second == folder.GetStamp();
      known.erase(entry); // still there
      if (unchanged) {
        continue; // an unreadable listing keeps what the index had
      }
    } else if (!listed) {
      continue;
    }
    if (!InTransaction([&] { return WriteProject(projectId, folder); })) {
      return false;
    }
    ++report.projectsRead;
    ++mProjectReadCount;
  }
  if (mStopRequested) {
    return false; // the walk may have ended early: what it did not find may still be there
  }
  for (const auto& [path, entry] : known) {
    if (!InTransaction([&, id = entry.first] { return DeleteProject(id); })) {
      return false;
    }
    ++report.projectsRemoved;
  }
  report.completed = true;
  return true;
}

bool CLibraryIndex::InTransaction(const std::function<bool()>& work) {
  if (!mDb.Execute("BEGIN IMMEDIATE")) {
    Failed(mDb.LastErrorCode());
    return false;
  }
  if (work() && mDb.Execute("COMMIT")) {
    return true;
  }
  Failed(mDb.LastErrorCode());
  mDb.Execute("ROLLBACK");
  return false;
}

bool CLibraryIndex::WriteProject(std::int64_t projectId, const CProjectFolder& folder) {
  sqlite3* db = mDb.Handle();
  if (projectId != 0) {
    CSqliteStatement stamp(db, "UPDATE project SET stamp = ?1 WHERE id = ?2");
    if (!DeleteSlotsOf(projectId) || !stamp.Bind(1, folder.GetStamp()).Bind(2, projectId).Run()) {
      return !Failed(stamp.ResultCode());
    }
  } else {
    CSqliteStatement insert(db, "INSERT INTO project(path, stamp) VALUES(?1, ?2)");
    if (!insert.Bind(1, folder.GetPath()).Bind(2, folder.GetStamp()).Run()) {
      return !Failed(insert.ResultCode());
    }
    projectId = sqlite3_last_insert_rowid(db);
  }
  CSqliteStatement slot(db, "INSERT INTO slot(project_id, kind, slot_number, name, memo1, "
                            "memo2, memo3, memo4) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)");
  CSqliteStatement text(db, "INSERT INTO slot_text(rowid, text) VALUES(?1, ?2)");
  for (const auto& indexed : folder.ReadSlots()) {
    const std::string name = StoredField(indexed.name);
    std::string memos[CParameter::kMemoLineCount];
    slot.Bind(1, projectId).Bind(2, indexed.kind).Bind(3, indexed.slotNumber).Bind(4, name);
    for (int line = 0; line < CParameter::kMemoLineCount; ++line) {
      memos[line] = StoredField(indexed.memos[line]);
      slot.Bind(5 + line, memos[line]);
    }
    if (!slot.Run()) {
      return !Failed(slot.ResultCode());
    }
    if (!text.Bind(1, sqlite3_last_insert_rowid(db)).Bind(2, FullText(name, memos)).Run()) {
      return !Failed(text.ResultCode());
    }
  }
  return true;
}

bool CLibraryIndex::DeleteSlotsOf(std::int64_t projectId) {
  sqlite3* db = mDb.Handle();
  // A row of a full-text index without stored content is deleted by giving its text again.
  CSqliteStatement rows(db, "SELECT id, name, memo1, memo2, memo3, memo4 FROM slot "
                            "WHERE project_id = ?1");
  CSqliteStatement forget(db, "INSERT INTO slot_text(slot_text, rowid, text) "
                              "VALUES('delete', ?1, ?2)");
  rows.Bind(1, projectId);
  while (rows.Step()) {
    const std::string memos[CParameter::kMemoLineCount] = {rows.ColumnText(2), rows.ColumnText(3),
                                                           rows.ColumnText(4), rows.ColumnText(5)};
    if (!forget.Bind(1, rows.ColumnInt(0)).Bind(2, FullText(rows.ColumnText(1), memos)).Run()) {
      return !Failed(forget.ResultCode());
    }
  }
  if (rows.ResultCode() != SQLITE_DONE) {
    return !Failed(rows.ResultCode());
  }
  CSqliteStatement remove(db, "DELETE FROM slot WHERE project_id = ?1");
  return remove.Bind(1, projectId).Run() || !Failed(remove.ResultCode());
}

bool CLibraryIndex::DeleteProject(std::int64_t projectId) {
  CSqliteStatement remove(mDb.Handle(), "DELETE FROM project WHERE id = ?1");
  return DeleteSlotsOf(projectId) &&
         (remove.Bind(1, projectId).Run() || !Failed(remove.ResultCode()));
}

// --- Searching

std::vector<SIndexedSlot> CLibraryIndex::Search(const std::string& text, std::size_t limit) {
  std::vector<SIndexedSlot> results;
  if (limit == 0 || !EnsureOpen()) {
    return results;
  }
  const CSlotQuery query(text);
  const std::string from = " FROM slot s JOIN project p ON p.id = s.project_id";
  std::string sql = std::string("SELECT ") + kSlotColumns + from + " ORDER BY s.id";
  const std::string match = MatchExpression(query);
  if (!query.IsEmpty()) {
    if (match.empty()) {
      return results;
    }
    // The full-text index finds the candidates in row order; the query confirms each.
    sql = std::string("SELECT ") + kSlotColumns +
          " FROM slot_text JOIN slot s ON s.id = slot_text.rowid"
          " JOIN project p ON p.id = s.project_id WHERE slot_text MATCH ?1";
  }
  CSqliteStatement rows(mDb.Handle(), sql);
  if (!query.IsEmpty()) {
    rows.Bind(1, match);
  }
  while (results.size() < limit && rows.Step()) {
    SIndexedSlot slot = SlotOf(rows);
    if (query.Matches(slot.name, slot.memos)) {
      results.push_back(std::move(slot));
    }
  }
  if (rows.ResultCode() != SQLITE_ROW && rows.ResultCode() != SQLITE_DONE) {
    Failed(rows.ResultCode());
  }
  return results;
}

} // namespace Bris
