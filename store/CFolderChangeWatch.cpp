#include "store/CFolderChangeWatch.h"

#include <cerrno>
#include <cstdint>

#include <unistd.h>
#ifdef __linux__
#include <sys/inotify.h>
#endif

namespace Bris {

namespace {

std::string ParentOf(const std::string& folder) {
  std::string path = folder;
  while (path.size() > 1 && path.back() == '/') {
    path.pop_back();
  }
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) {
    return std::string();
  }
  return slash == 0 ? std::string("/") : path.substr(0, slash);
}

} // namespace

CFolderChangeWatch::~CFolderChangeWatch() {
  Stop();
}

void CFolderChangeWatch::Stop() {
  if (mFd >= 0) {
    ::close(mFd);
    mFd = -1;
  }
  mChanged = true;
}

void CFolderChangeWatch::Watch(const std::set<std::string>& folders) {
  Stop();
#ifdef __linux__
  mFd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (mFd < 0) {
    return;
  }
  constexpr std::uint32_t kEvents = IN_ATTRIB | IN_CREATE | IN_DELETE | IN_DELETE_SELF |
                                    IN_MOVE_SELF | IN_MOVED_FROM | IN_MOVED_TO;
  std::set<std::string> watched;
  for (const std::string& folder : folders) {
    for (const std::string& path : {folder, ParentOf(folder)}) {
      if (path.empty() || !watched.insert(path).second) {
        continue;
      }
      // A folder that is not there (yet) cannot be watched; nothing can be known about it.
      if (::inotify_add_watch(mFd, path.c_str(), kEvents | IN_ONLYDIR) < 0) {
        Stop();
        return;
      }
    }
  }
  mChanged = false;
#else
  (void)folders;
#endif
}

bool CFolderChangeWatch::HasChanged() {
  if (mFd < 0 || mChanged) {
    return true;
  }
#ifdef __linux__
  alignas(inotify_event) char events[4096];
  for (;;) {
    const ssize_t got = ::read(mFd, events, sizeof events);
    if (got > 0) {
      mChanged = true; // every event asked for is a change; an overflow is one too
      continue;
    }
    if (got < 0 && errno == EINTR) {
      continue;
    }
    if (got < 0 && errno != EAGAIN) {
      mChanged = true;
    }
    break;
  }
#endif
  return mChanged;
}

} // namespace Bris
