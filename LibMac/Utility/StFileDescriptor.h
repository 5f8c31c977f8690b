#pragma once

// A POSIX file descriptor closed on every path out of the scope that opened it.
class StFileDescriptor {
public:
  explicit StFileDescriptor(int fd) : mFd(fd) {}
  ~StFileDescriptor();
  StFileDescriptor(const StFileDescriptor&) = delete;
  StFileDescriptor& operator=(const StFileDescriptor&) = delete;

  int Get() const { return mFd; }
  bool IsOpen() const { return mFd >= 0; }
  // Closes now; false when the close reported a failure (a delayed write error).
  bool Close();

private:
  int mFd;
};
