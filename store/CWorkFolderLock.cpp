#include "store/CWorkFolderLock.h"

#include <string>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Bris {

CWorkFolderLock::~CWorkFolderLock() {
  Release();
}

bool CWorkFolderLock::Acquire(const std::string& workFolder) {
  Release();
  mUncleanExit = false;
  std::string folder = workFolder;
  if (!folder.empty() && folder.back() != '/') {
    folder += '/';
  }
  mPath = folder + ".brisel-session";
  struct stat info = {};
  const bool markerFound = ::stat(mPath.c_str(), &info) == 0;
  mFd = ::open(mPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (mFd < 0) {
    return false;
  }
  if (::flock(mFd, LOCK_EX | LOCK_NB) != 0) {
    ::close(mFd);
    mFd = -1;
    return false;
  }
  // A clean exit removes the marker; one still there, that nobody holds, outlived its session.
  mUncleanExit = markerFound;
  const std::string pid = std::to_string(::getpid()) + "\n";
  return ::ftruncate(mFd, 0) == 0 &&
         ::write(mFd, pid.data(), pid.size()) == static_cast<ssize_t>(pid.size()) &&
         ::fsync(mFd) == 0;
}

void CWorkFolderLock::Release() {
  if (mFd < 0) {
    return;
  }
  ::unlink(mPath.c_str());
  ::close(mFd);
  mFd = -1;
}

} // namespace Bris
