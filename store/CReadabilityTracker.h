#pragma once

#include "store/CFolderChangeWatch.h"

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace Bris {

class CZelData;

// Remembers the answer of a project's readability check (every record's file can be opened for
// reading) and gives it again while nothing it depends on changed: the same files are named and
// no folder holding one of them saw a file created, removed, renamed or given other permissions.
// The check itself costs a system call or two per file, too much for every activation of a
// window on a large project or a slow disk.
class CReadabilityTracker {
public:
  // check: the full check of data's files, run when the remembered answer may be stale.
  bool IsReadable(const CZelData& data, const std::function<bool()>& check);
  // True while the last check found every file readable and nothing it depends on changed since:
  // a write may then skip asking about each of data's files again.
  bool IsKnownReadable(const CZelData& data);

  // Opening a project opens every record's file for reading, which answers the check as well as
  // the check itself would. WatchBeforeReading(folders) starts watching the folders about to be
  // read (before any file in them is opened, so that nothing done after the open goes unseen);
  // RememberRead(data), once the read opened every file of data, takes that as the answer. Files
  // outside the watched folders leave the question open for a full check.
  void WatchBeforeReading(const std::set<std::string>& folders);
  void RememberRead(const CZelData& data);

private:
  bool NamesTheSameFiles(const CZelData& data) const;
  // Takes data's file paths and returns the folders that hold them.
  std::set<std::string> TakePaths(const CZelData& data);
  void Remember(const CZelData& data);

  CFolderChangeWatch mWatch;
  std::set<std::string> mWatchedBeforeReading;
  std::vector<std::string> mPaths; // of the non-blank records, in slot order
  bool mHasAnswer = false;
  bool mAnswer = false;
};

} // namespace Bris
