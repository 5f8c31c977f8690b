#include "store/CFileOperations.h"

#include "LibMac/Utility/StFileDescriptor.h"
#include "store/CTrash.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <set>
#include <vector>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef __linux__
#include <linux/fs.h>
#endif

namespace Bris {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kCopyChunkBytes = 1 << 20;
// A copy that keeps its bytes for the caller does so only for a file as small as a patch or tone.
constexpr off_t kMaxKeptCopyBytes = 64 * 1024;

bool WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, data, size);
    if (written < 0) {
      if (errno == EINTR) {
        continue;
      }
      return false;
    }
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

// Opens path for writing, created or emptied. Most files a save writes are new, reserved empty
// a moment before: O_TRUNC would still make the file system log a truncation and new times for
// each of them, so only a file that holds bytes is cut.
int OpenEmptied(const std::string& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) {
    return -1;
  }
  struct stat info = {};
  if (::fstat(fd, &info) != 0 || (info.st_size != 0 && ::ftruncate(fd, 0) != 0)) {
    const int error = errno;
    ::close(fd);
    errno = error;
    return -1;
  }
  return fd;
}

// A new file is created in the same call that opens it: nothing to cut, and no other file can
// have taken the name in between.
int OpenForWriting(const std::string& path, bool asNewFile) {
  return asNewFile ? ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666)
                   : OpenEmptied(path);
}

// Removes a file this process created and failed to fill, keeping the errno of the failure.
void RemoveBrokenNewFile(const std::string& path) {
  const int error = errno;
  ::unlink(path.c_str());
  errno = error;
}

enum class ECopied { kWhole, kPartly, kFailed };

// Lets the file system copy: a shared extent where it can (the reflink "cp --reflink=auto"
// makes), else copy_file_range, which copies inside the kernel without passing the bytes through
// this process. kPartly: the kernel cannot do it (another file system, an old kernel, a special
// file); the offsets of both files say how far it got, and reading and writing go on from there.
// tryShared false skips the reflink; noShared tells that the file system holding in has none.
ECopied CopyInKernel(int in, int out, off_t size, bool tryShared, bool& noShared) {
#ifdef __linux__
#ifdef FICLONE
  if (tryShared && size > 0) {
    if (::ioctl(out, FICLONE, in) == 0) {
      return ECopied::kWhole;
    }
    // Another file system (EXDEV) may still share extents with a later target; these may not.
    noShared = errno == EOPNOTSUPP || errno == ENOTTY || errno == ENOSYS;
  }
#else
  (void)tryShared;
  (void)noShared;
#endif
  off_t done = 0;
  while (done < size) {
    const ssize_t copied =
        ::copy_file_range(in, nullptr, out, nullptr, static_cast<std::size_t>(size - done), 0);
    if (copied < 0) {
      if (errno == EINTR) {
        continue;
      }
      const bool unsupported = errno == EXDEV || errno == ENOSYS || errno == EINVAL ||
                               errno == EOPNOTSUPP || errno == EPERM || errno == ETXTBSY;
      return unsupported ? ECopied::kPartly : ECopied::kFailed;
    }
    if (copied == 0) {
      break; // shorter than it said, or a file the kernel reads as empty: read to the end
    }
    done += copied;
  }
  // The copy holds the file as large as it was when opened, as cp makes it: asking once more
  // whether it grew since would cost a system call per file of a project. A file that reads as
  // empty (or shorter than it said) is read to its end.
  return size > 0 && done == size ? ECopied::kWhole : ECopied::kPartly;
#else
  (void)in;
  (void)out;
  (void)size;
  (void)tryShared;
  (void)noShared;
  return ECopied::kPartly;
#endif
}

// The copy through this process, from the current offsets to the end of in. False with errno
// set; sourceFailed tells which side it was.
bool CopyByReading(int in, int out, off_t size, bool& sourceFailed) {
  std::vector<char> buffer(
      std::min<std::size_t>(kCopyChunkBytes, static_cast<std::size_t>(size) + 1));
  for (;;) {
    const ssize_t got = ::read(in, buffer.data(), buffer.size());
    if (got < 0) {
      if (errno == EINTR) {
        continue;
      }
      sourceFailed = true;
      return false;
    }
    if (got == 0) {
      return true;
    }
    if (!WriteAll(out, buffer.data(), static_cast<std::size_t>(got))) {
      return false;
    }
  }
}

// The copy through this process of the size bytes a file had when opened (fewer when it shrank
// since), which stay in bytes. False with errno set; sourceFailed tells which side it was.
bool CopyKeepingBytes(int in, int out, off_t size, std::string& bytes, bool& sourceFailed) {
  bytes.resize(static_cast<std::size_t>(size));
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t got = ::read(in, bytes.data() + done, bytes.size() - done);
    if (got < 0 && errno == EINTR) {
      continue;
    }
    if (got < 0) {
      sourceFailed = true;
      return false;
    }
    if (got == 0) {
      break;
    }
    done += static_cast<std::size_t>(got);
  }
  bytes.resize(done);
  return WriteAll(out, bytes.data(), bytes.size());
}

bool Exists(const std::string& path) {
  struct stat info = {};
  return ::lstat(path.c_str(), &info) == 0;
}

bool SyncPath(const std::string& path) {
  StFileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  return fd.IsOpen() && ::fsync(fd.Get()) == 0;
}

// A name in folder for a file called name that nothing uses yet: name, or "base 2.ext", ...
std::string FreeNameIn(const std::string& folder, const std::string& name) {
  std::string candidate = folder + "/" + name;
  const fs::path asPath(name);
  for (int number = 2; Exists(candidate); ++number) {
    candidate = folder + "/" + asPath.stem().string() + " " + std::to_string(number) +
                asPath.extension().string();
  }
  return candidate;
}

} // namespace

bool CFileOperations::Fail(const char* step, const std::string& path) {
  return ReportFailure(step, path, errno);
}

bool CFileOperations::Fail(const char* step, const std::string& path, const std::string& reason) {
  mLastError = SError{step, path, reason};
  return false;
}

bool CFileOperations::ReportFailure(const char* step, const std::string& path, int error) {
  return Fail(step, path, std::strerror(error));
}

std::string CFileOperations::DescribeLastError() const {
  if (mLastError.step.empty()) {
    return std::string();
  }
  return mLastError.step + ": " + mLastError.path + ": " + mLastError.reason;
}

bool CFileOperations::CopyFile(const std::string& source, const std::string& destination) {
  return Copy(source, destination, false);
}

bool CFileOperations::CopyToNewFile(const std::string& source, const std::string& destination) {
  return Copy(source, destination, true);
}

bool CFileOperations::WriteFile(const std::string& path, const std::string& contents) {
  return Write(path, contents, false);
}

bool CFileOperations::WriteNewFile(const std::string& path, const std::string& contents) {
  return Write(path, contents, true);
}

bool CFileOperations::Copy(const std::string& source, const std::string& destination,
                           bool asNewFile) {
  StFileDescriptor in(::open(source.c_str(), O_RDONLY | O_CLOEXEC));
  struct stat info = {};
  if (!in.IsOpen() || ::fstat(in.Get(), &info) != 0) {
    return Fail("copy", source);
  }
  // A folder or a device opens like a file but has no contents to copy.
  if (!S_ISREG(info.st_mode)) {
    return Fail("copy", source, "not a plain file");
  }
  StFileDescriptor out(OpenForWriting(destination, asNewFile));
  if (!out.IsOpen()) {
    return Fail("copy", destination);
  }
  const bool keepBytes = destination == mKeepBytesFor && info.st_size <= kMaxKeptCopyBytes;
  mKeepBytesFor.clear();
  mKeptFor.clear();
  bool sourceFailed = false;
  const bool copied =
      keepBytes ? CopyKeepingBytes(in.Get(), out.Get(), info.st_size, mKeptBytes, sourceFailed)
                : CopyWhole(in.Get(), out.Get(), info.st_dev, info.st_size, sourceFailed);
  if (copied && out.Close()) {
    if (keepBytes) {
      mKeptFor = destination;
    }
    return true;
  }
  if (asNewFile) {
    RemoveBrokenNewFile(destination);
  }
  return Fail("copy", sourceFailed ? source : destination);
}

bool CFileOperations::CopyWhole(int in, int out, dev_t device, off_t size, bool& sourceFailed) {
  // A file system refuses a reflink of every file alike: after the first refusal, a save of
  // thousands of files does not ask again.
  const bool tryShared = std::find(mDevicesWithoutSharing.begin(), mDevicesWithoutSharing.end(),
                                   device) == mDevicesWithoutSharing.end();
  bool noShared = false;
  const ECopied copied = CopyInKernel(in, out, size, tryShared, noShared);
  if (noShared) {
    mDevicesWithoutSharing.push_back(device);
  }
  if (copied != ECopied::kPartly) {
    return copied == ECopied::kWhole;
  }
  return CopyByReading(in, out, size, sourceFailed);
}

bool CFileOperations::TakeCopiedBytes(const std::string& path, std::string& bytes) {
  if (path.empty() || mKeptFor != path) {
    return false;
  }
  bytes = std::move(mKeptBytes);
  mKeptBytes.clear();
  mKeptFor.clear();
  return true;
}

bool CFileOperations::Write(const std::string& path, const std::string& contents, bool asNewFile) {
  StFileDescriptor out(OpenForWriting(path, asNewFile));
  if (!out.IsOpen()) {
    return Fail("write", path);
  }
  if (WriteAll(out.Get(), contents.data(), contents.size()) && out.Close()) {
    return true;
  }
  if (asNewFile) {
    RemoveBrokenNewFile(path);
  }
  return Fail("write", path);
}

bool CFileOperations::Rename(const std::string& from, const std::string& to, bool replace) {
  if (replace) {
    return std::rename(from.c_str(), to.c_str()) == 0 || Fail("rename", to);
  }
#ifdef RENAME_NOREPLACE
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
    return true;
  }
  if (errno != EINVAL && errno != ENOSYS) {
    return Fail("rename", to);
  }
#endif
  // A hard link never replaces anything; folders on media without links get the plain check.
  if (::link(from.c_str(), to.c_str()) == 0) {
    ::unlink(from.c_str());
    return true;
  }
  if (errno == EEXIST || Exists(to)) {
    return Fail("rename", to, std::strerror(EEXIST));
  }
  return std::rename(from.c_str(), to.c_str()) == 0 || Fail("rename", to);
}

bool CFileOperations::RemoveOwnFile(const std::string& path) {
  return ::unlink(path.c_str()) == 0 || Fail("remove", path);
}

bool CFileOperations::MoveToTrash(const std::string& path, const std::string& fallbackFolder) {
  if (sTrash != nullptr && sTrash->MoveToTrash(path)) {
    return true;
  }
  if (fallbackFolder.empty() || !CreateFolder(fallbackFolder)) {
    return Fail("trash", path, "no Trash and no folder to keep the file in");
  }
  const std::string kept = FreeNameIn(fallbackFolder, fs::path(path).filename().string());
  if (Rename(path, kept, false)) {
    return SyncPath(fallbackFolder) || Fail("flush", fallbackFolder);
  }
  if (errno != EXDEV) {
    return Fail("trash", path);
  }
  // Another disk: the file is moved by copying, and only removed once its copy is durable.
  if (!CopyToNewFile(path, kept)) {
    return Fail("trash", path);
  }
  if (!SyncPath(kept) || !SyncPath(fallbackFolder)) {
    RemoveBrokenNewFile(kept);
    return Fail("trash", path);
  }
  return ::unlink(path.c_str()) == 0 || Fail("trash", path);
}

bool CFileOperations::CreateFolder(const std::string& path) {
  std::error_code error;
  fs::create_directories(path, error);
  if (fs::is_directory(path, error)) {
    return true;
  }
  return Fail("create folder", path, error ? error.message() : std::string("not a folder"));
}

bool CFileOperations::CreateNewFolder(const std::string& path, mode_t mode) {
  // mkdir applies the process's umask; the permissions asked for are set as they stand.
  if (::mkdir(path.c_str(), 0700) != 0) {
    return Fail("create folder", path);
  }
  if (::chmod(path.c_str(), mode) != 0) {
    Fail("create folder", path);
    ::rmdir(path.c_str());
    return false;
  }
  return true;
}

bool CFileOperations::RemoveOwnFolder(const std::string& path) {
  return ::rmdir(path.c_str()) == 0 || Fail("remove", path);
}

bool CFileOperations::ReplaceEmptyFolder(const std::string& from, const std::string& to) {
  // rename(2) replaces only an empty folder; a link would be replaced whatever it points to.
  struct stat info = {};
  return ::lstat(to.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
         std::rename(from.c_str(), to.c_str()) == 0;
}

bool CFileOperations::Flush(const std::vector<std::string>& paths) {
#ifdef __linux__
  // One sync per file system covers every file and folder entry written on it, which costs far
  // less than one fsync per file when a save writes hundreds of them. Each path is looked at,
  // even beside others of the same folder: a subfolder may be a link to another disk.
  std::set<dev_t> synced;
  for (const std::string& path : paths) {
    struct stat info = {};
    if (::stat(path.c_str(), &info) != 0) {
      return Fail("flush", path);
    }
    if (!synced.insert(info.st_dev).second) {
      continue;
    }
    StFileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.IsOpen() || ::syncfs(fd.Get()) != 0) {
      return Fail("flush", path);
    }
  }
  return true;
#else
  for (const std::string& path : paths) {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(path, error)) {
      if (entry.is_regular_file(error) && !SyncPath(entry.path().string())) {
        return Fail("flush", entry.path().string());
      }
    }
    if (!SyncPath(path)) {
      return Fail("flush", path);
    }
  }
  return true;
#endif
}

} // namespace Bris
