#include "LibMac/Utility/CFileDescriptorStreamBuf.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

CFileDescriptorStreamBuf::~CFileDescriptorStreamBuf() {
  Close();
}

bool CFileDescriptorStreamBuf::Open(const std::string& path) {
  Close();
  return Attach(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
}

bool CFileDescriptorStreamBuf::Attach(int fd) {
  // errno still tells why the open of fd failed; closing the file before must not change it.
  const int openError = errno;
  Close();
  errno = openError;
  mReadError = 0;
  mFd = fd;
  return mFd >= 0;
}

bool CFileDescriptorStreamBuf::Close() {
  setg(nullptr, nullptr, nullptr);
  if (mFd < 0) {
    return true;
  }
  const int fd = mFd;
  mFd = -1;
  return ::close(fd) == 0;
}

std::streamsize CFileDescriptorStreamBuf::ReadSome(char* bytes, std::streamsize count) {
  for (;;) {
    const ssize_t read = ::read(mFd, bytes, static_cast<std::size_t>(count));
    if (read >= 0) {
      return read;
    }
    if (errno != EINTR) {
      mReadError = errno;
      return -1;
    }
  }
}

CFileDescriptorStreamBuf::int_type CFileDescriptorStreamBuf::underflow() {
  if (gptr() != nullptr && gptr() < egptr()) {
    return traits_type::to_int_type(*gptr());
  }
  if (mFd < 0) {
    return traits_type::eof();
  }
  const std::streamsize read =
      ReadSome(mBuffer.data(), static_cast<std::streamsize>(mBuffer.size()));
  if (read <= 0) {
    return traits_type::eof();
  }
  setg(mBuffer.data(), mBuffer.data(), mBuffer.data() + read);
  return traits_type::to_int_type(*gptr());
}

std::streamsize CFileDescriptorStreamBuf::xsgetn(char_type* bytes, std::streamsize count) {
  std::streamsize done = 0;
  // Bytes a character-wise read left in the buffer come first.
  const std::streamsize buffered = egptr() - gptr();
  if (buffered > 0) {
    done = std::min(buffered, count);
    std::memcpy(bytes, gptr(), static_cast<std::size_t>(done));
    gbump(static_cast<int>(done));
  }
  while (done < count && mFd >= 0) {
    const std::streamsize read = ReadSome(bytes + done, count - done);
    if (read <= 0) {
      break; // end of file, or a failure whose errno the caller can read
    }
    done += read;
  }
  return done;
}
