#pragma once

#include "store/CWritePlan.h"

#include <cstddef>
#include <string>
#include <vector>

namespace Bris {

// What a save will do to the files, as a user reads it, counted from its write plan:
//   written    files rewritten where they are (reference blocks, memo files)
//   moved      files copied under a new slot name (moved, pasted or imported records)
//   renamed    files renamed in place (a slot that only got a new name or number)
//   sheltered  copies kept in the work folder for another open project that still names a file
//   trashed    files that leave the project for good, into the Trash
class CWritePlanSummary {
public:
  struct STrashedFile {
    int kind = -1;      // record kind from the subfolder; -1 outside Patch/Tone/Wave
    int slotNumber = 0; // 1-based from the "NNN " prefix; 0 when the name has none
    std::string name;   // the file name without the number and the extension
    std::string path;

    bool operator==(const STrashedFile&) const = default;
  };

  explicit CWritePlanSummary(const CWritePlan& plan);

  std::size_t GetWrittenCount() const { return mWritten; }
  std::size_t GetMovedCount() const { return mMoved; }
  std::size_t GetRenamedCount() const { return mRenamed; }
  std::size_t GetShelteredCount() const { return mSheltered; }
  const std::vector<STrashedFile>& GetTrashedFiles() const { return mTrashed; }
  bool RemovesFiles() const { return !mTrashed.empty(); }
  // The trashed files that lie in folder (with or without its trailing "/").
  std::vector<STrashedFile> TrashedFilesIn(const std::string& folder) const;

  static STrashedFile DescribeFile(const std::string& path);

private:
  std::size_t mWritten = 0;
  std::size_t mMoved = 0;
  std::size_t mRenamed = 0;
  std::size_t mSheltered = 0;
  std::vector<STrashedFile> mTrashed;
};

} // namespace Bris
