#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace Bris {

// One save as a value: the file operations it performs, in order, computed before anything on disk
// changes. Tests compare plans, a preview can show one and progress can count it.
//
// A save runs in two phases. The prepare steps only add new files (and, for a Save As into empty
// folders, the staging folders that hold them) under temporary names that no slot or system file
// can have (the originals are read, never changed); they are made durable together. The commit
// steps then move those files into place and the replaced files out of the way, one rename each,
// or a whole staging folder at once. Only the commit steps are recorded in the save's journal, so
// that an interrupted save can be finished from the journal and the temporary files alone.
class CWritePlan {
public:
  enum class EStep {
    // --- prepare
    kCopy,        // source -> temporary (a slot's file, a shelter copy, a system file)
    kRewriteCopy, // rewrite the reference blocks of the record at (kind, slotIndex) in temporary
    kRewrite,     // source's bytes with the record's reference blocks rewritten -> temporary
    kWriteMemo,   // the memo file of kind -> temporary
    kStageFolder, // a new folder (temporary) to copy a kind's files into under their final names
    // --- commit
    kPlace,         // temporary -> destination, replacing what is there
    kPlaceNew,      // temporary -> destination, which must not exist (shelter copies)
    kPlaceMemo,     // like kPlace; a failure is the memo file's own and does not stop the save
    kRenameInPlace, // source -> destination inside the project (a renamed slot that stayed)
    kTrash,         // source leaves the project for good: into the Trash
    // The staging folder temporary takes the place of the empty folder destination in one rename;
    // the kPlace steps of its files follow and are done by it. Where the folder cannot be placed
    // so (the destination is no longer empty), those steps place the files one by one.
    kPlaceFolder,
  };

  struct SStep {
    EStep step;
    std::string source;
    std::string temporary;
    std::string destination;
    int kind = -1;             // record kind, -1 when the step is no record's
    std::size_t slotIndex = 0; // 0-based
    // Shelter copies and in-place renames: the records that named source name destination once
    // the step is done.
    bool redirects = false;
    // kRewrite and kWriteMemo: the new file's bytes.
    std::string contents;

    bool operator==(const SStep&) const = default;
  };

  std::vector<SStep> mPrepare;
  std::vector<SStep> mCommit;

  bool IsEmpty() const { return mPrepare.empty() && mCommit.empty(); }
  std::size_t StepCount() const { return mPrepare.size() + mCommit.size(); }
  // Every temporary file the prepare steps create.
  std::vector<std::string> Temporaries() const;
  // The same, with a staging folder standing for the files staged in it: what a journal names.
  std::vector<std::string> TemporariesOutsideStagingFolders() const;
  bool operator==(const CWritePlan&) const = default;
};

} // namespace Bris
