#pragma once

#include <set>
#include <string>
#include <vector>

namespace Bris {

// Tells whether anything happened to the entries of a few folders since they were watched: a
// file created, removed, renamed or given other permissions or owners, or a folder itself
// changed, moved or unmounted. Contents written to a file do not count. Where the platform
// cannot watch (or runs out of watches), every question answers "changed", so that a caller that
// skips work on "unchanged" only ever skips it when that is safe.
class CFolderChangeWatch {
public:
  CFolderChangeWatch() = default;
  ~CFolderChangeWatch();
  CFolderChangeWatch(const CFolderChangeWatch&) = delete;
  CFolderChangeWatch& operator=(const CFolderChangeWatch&) = delete;

  // Starts over on folders (paths as the file system takes them), each watched together with the
  // folder that holds it, so that a change to the folder's own entry is seen too. Forgets what
  // happened before.
  void Watch(const std::set<std::string>& folders);
  // True once anything happened in a watched folder since the last Watch, or when nothing could
  // be watched.
  bool HasChanged();

private:
  void Stop();

  int mFd = -1;
  std::vector<int> mWatches; // of mFd
  bool mChanged = true;
};

} // namespace Bris
