#include "LibMac/Utility/StFileDescriptor.h"

#include <unistd.h>

StFileDescriptor::~StFileDescriptor() {
  if (mFd >= 0) {
    ::close(mFd);
  }
}

bool StFileDescriptor::Close() {
  const int fd = mFd;
  mFd = -1;
  return fd >= 0 && ::close(fd) == 0;
}
