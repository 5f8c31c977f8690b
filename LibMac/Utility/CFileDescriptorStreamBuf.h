#pragma once

#include <array>
#include <streambuf>
#include <string>

// A read-only stream buffer straight on a POSIX file descriptor, for reading the heads of many
// small files through std::istream. A std::filebuf opens through stdio (a FILE allocated and
// freed per file) and allocates its buffer on every open; this one keeps its small buffer for
// its whole life, and reads of a block go straight into the caller's memory with one read(2).
class CFileDescriptorStreamBuf : public std::streambuf {
public:
  CFileDescriptorStreamBuf() = default;
  ~CFileDescriptorStreamBuf() override;
  CFileDescriptorStreamBuf(const CFileDescriptorStreamBuf&) = delete;
  CFileDescriptorStreamBuf& operator=(const CFileDescriptorStreamBuf&) = delete;

  // Closes the file open before, if any; false (errno set) when path does not open for reading.
  bool Open(const std::string& path);
  // Closes the file open before, if any, and reads fd from now on (its owner from now on); false
  // when fd is negative (a failed open, errno left as it set it).
  bool Attach(int fd);
  bool IsOpen() const { return mFd >= 0; }
  // False (errno set) when the close reported a failure.
  bool Close();
  // The errno of a read that failed since Open, 0 when none did. A stream sees a failed read as
  // an early end of file; this tells a broken file (or a folder) from a short one.
  int GetReadError() const { return mReadError; }

protected:
  int_type underflow() override;
  std::streamsize xsgetn(char_type* bytes, std::streamsize count) override;

private:
  // One read(2), retried when a signal interrupts it; -1 on failure.
  std::streamsize ReadSome(char* bytes, std::streamsize count);

  int mFd = -1;
  int mReadError = 0;
  std::array<char, 512> mBuffer{};
};
