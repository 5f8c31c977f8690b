#pragma once

#include <string>

namespace Bris {

// Marks the work folder as in use by this process for as long as the object lives: a file
// ".brisel-session" holding the process id, locked with flock. A marker that is found at start-up
// and that no live process holds was left by a session that did not end cleanly (a crash, a power
// cut): the work folder may then hold the only copy of a sound, and its files are to be kept.
class CWorkFolderLock {
public:
  CWorkFolderLock() = default;
  ~CWorkFolderLock();
  CWorkFolderLock(const CWorkFolderLock&) = delete;
  CWorkFolderLock& operator=(const CWorkFolderLock&) = delete;

  // Takes the work folder; false when another live process holds it or the marker cannot be
  // written (the folder is then still usable, but an unclean exit will go unnoticed).
  bool Acquire(const std::string& workFolder);
  // True when Acquire found the marker of a session that did not end cleanly.
  bool WasLeftByUncleanExit() const { return mUncleanExit; }
  // The session ends cleanly: the marker is removed and the lock released.
  void Release();

private:
  std::string mPath;
  int mFd = -1;
  bool mUncleanExit = false;
};

} // namespace Bris
