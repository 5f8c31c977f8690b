#pragma once

#include "store/CFolderChangeWatch.h"

#include <functional>
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

private:
  bool NamesTheSameFiles(const CZelData& data) const;
  void Remember(const CZelData& data);

  CFolderChangeWatch mWatch;
  std::vector<std::string> mPaths; // of the non-blank records, in slot order
  bool mHasAnswer = false;
  bool mAnswer = false;
};

} // namespace Bris
