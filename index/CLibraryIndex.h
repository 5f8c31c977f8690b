#pragma once

#include "index/CSqliteDatabase.h"
#include "index/SIndexedSlot.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace Bris {

class CProjectFolder;

// The library index: the slot names and memo lines of every project folder under the library
// folders, in an SQLite database with a full-text index, so that a search need not open a
// project. The database is a cache: one that is missing, damaged or of another version is
// rebuilt, never a reason to fail; where none can be written, the index lives in memory.
//
// One object is one connection and belongs to one thread at a time; any number of objects may
// use the same database at once (write-ahead log: a search does not wait for an update). No
// state is shared between objects. Nothing here touches the domain context.
class CLibraryIndex {
public:
  // What one Update found and did.
  struct SUpdateReport {
    bool completed = false; // every folder was looked at (not stopped, no database failure)
    std::size_t projectsFound = 0;
    std::size_t projectsRead = 0; // new or changed since the last update, so read again
    std::size_t projectsRemoved = 0;
  };

  // databasePath: the database file, created when missing (its folder must exist).
  explicit CLibraryIndex(std::string databasePath);
  ~CLibraryIndex();
  CLibraryIndex(const CLibraryIndex&) = delete;
  CLibraryIndex& operator=(const CLibraryIndex&) = delete;

  // Brings the index in line with the project folders found under libraryFolders: a project is
  // read again only when its stamp (CProjectFolder::GetStamp) changed; projects no longer found
  // (deleted, or under a folder no longer listed) are removed. Each project is written in a
  // transaction of its own, so a search sees every project either before or after its update.
  SUpdateReport Update(const std::vector<std::string>& libraryFolders);
  // Asks a running Update (on another thread) to stop after the project it is reading; the
  // index then keeps what it had for the rest. Cleared by the next Update.
  void RequestStop() { mStopRequested = true; }

  // At most limit used slots that CSlotQuery(text) matches, in index order (project by project,
  // each in the order patch, tone, wave and slot number). Empty text gives every slot.
  std::vector<SIndexedSlot> Search(const std::string& text, std::size_t limit);

  // How many projects this object has read in all, and how often it found the database damaged
  // and started a new one.
  std::size_t GetProjectReadCount() const { return mProjectReadCount; }
  std::size_t GetRebuildCount() const { return mRebuildCount; }
  // False when the database could not be kept in its file and lives in memory instead.
  bool IsPersistent() const { return mPersistent; }

private:
  enum class EOpenResult { kOpened, kBusy, kDamaged };

  bool EnsureOpen();
  EOpenResult OpenDatabase(const std::string& path);
  EOpenResult CreateSchemaIfEmpty();
  void Rebuild();
  void RemoveDatabaseFiles() const;
  bool IsFileReplaced() const;
  bool PassesQuickCheck();
  bool Failed(int resultCode);

  bool UpdateOnce(const std::vector<std::string>& libraryFolders, SUpdateReport& report);
  bool WriteProject(std::int64_t projectId, const CProjectFolder& folder);
  bool DeleteSlotsOf(std::int64_t projectId);
  bool DeleteProject(std::int64_t projectId);
  bool InTransaction(const std::function<bool()>& work);

  std::string mPath;
  CSqliteDatabase mDb;
  bool mPersistent = true;
  bool mChecked = false;                  // the quick check passed on this connection
  bool mDamaged = false;                  // a statement found the database damaged
  unsigned long long mFileId[2] = {0, 0}; // device and inode of the file opened
  std::atomic<bool> mStopRequested = false;
  std::size_t mProjectReadCount = 0;
  std::size_t mRebuildCount = 0;
};

} // namespace Bris
