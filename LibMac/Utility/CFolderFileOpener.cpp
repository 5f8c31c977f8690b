#include "LibMac/Utility/CFolderFileOpener.h"

#include <fcntl.h>
#include <unistd.h>

CFolderFileOpener::~CFolderFileOpener() {
  CloseFolder();
}

int CFolderFileOpener::OpenForReading(const std::string& path) {
  constexpr int kFlags = O_RDONLY | O_CLOEXEC;
  const auto slash = path.rfind('/');
  // A bare name, or a path ending in "/", is opened as it stands.
  if (slash == std::string::npos || slash + 1 == path.size()) {
    return ::open(path.c_str(), kFlags);
  }
  const std::string_view folder =
      slash == 0 ? std::string_view("/") : std::string_view(path).substr(0, slash);
  if (!UseFolder(folder)) {
    // The whole path then says why it does not open.
    return ::open(path.c_str(), kFlags);
  }
  return ::openat(mFolderFd, path.c_str() + slash + 1, kFlags);
}

bool CFolderFileOpener::UseFolder(std::string_view folder) {
  if (mFolderFd >= 0 && folder == mFolderPath) {
    return true;
  }
  CloseFolder();
  mFolderPath.assign(folder);
  // O_PATH: the descriptor only names the folder; reading it needs no permission of its own.
  mFolderFd = ::open(mFolderPath.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
  return mFolderFd >= 0;
}

void CFolderFileOpener::CloseFolder() {
  if (mFolderFd >= 0) {
    ::close(mFolderFd);
    mFolderFd = -1;
  }
}
