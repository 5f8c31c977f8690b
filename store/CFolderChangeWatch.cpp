#include "store/CFolderChangeWatch.h"

#include <array>
#include <atomic>
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

#ifdef __linux__
// Closing an inotify instance waits for a grace period of the kernel's, several milliseconds,
// once for every project closed and every watch started over. An instance whose watches were
// removed is kept for the next watch instead; those still kept at exit go with the process.
constexpr int kNoInstance = -1;
std::array<std::atomic<int>, 8> sKeptInstances = {kNoInstance, kNoInstance, kNoInstance,
                                                  kNoInstance, kNoInstance, kNoInstance,
                                                  kNoInstance, kNoInstance};

// Reads away what a kept instance still holds: events of the watches it had before.
void Drain(int fd) {
  alignas(inotify_event) char events[4096];
  while (::read(fd, events, sizeof events) > 0) {
  }
}

int TakeInstance() {
  for (std::atomic<int>& kept : sKeptInstances) {
    const int fd = kept.exchange(kNoInstance);
    if (fd != kNoInstance) {
      Drain(fd);
      return fd;
    }
  }
  return ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
}

void GiveBack(int fd, const std::vector<int>& watches) {
  for (int watch : watches) {
    // A watch the kernel already dropped (its folder went) is no error.
    if (::inotify_rm_watch(fd, watch) != 0 && errno != EINVAL) {
      ::close(fd);
      return;
    }
  }
  for (std::atomic<int>& kept : sKeptInstances) {
    int empty = kNoInstance;
    if (kept.compare_exchange_strong(empty, fd)) {
      return;
    }
  }
  ::close(fd);
}
#endif

} // namespace

CFolderChangeWatch::~CFolderChangeWatch() {
  Stop();
}

void CFolderChangeWatch::Stop() {
  if (mFd >= 0) {
#ifdef __linux__
    GiveBack(mFd, mWatches);
#else
    ::close(mFd);
#endif
    mFd = -1;
  }
  mWatches.clear();
  mChanged = true;
}

void CFolderChangeWatch::Watch(const std::set<std::string>& folders) {
  Stop();
#ifdef __linux__
  mFd = TakeInstance();
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
      const int watch = ::inotify_add_watch(mFd, path.c_str(), kEvents | IN_ONLYDIR);
      if (watch < 0) {
        Stop();
        return;
      }
      mWatches.push_back(watch);
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
