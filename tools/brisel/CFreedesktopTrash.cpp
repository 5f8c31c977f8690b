#include "tools/brisel/CFreedesktopTrash.h"

#include "LibMac/Utility/Ux.h"

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace BrisTool {

namespace fs = std::filesystem;

namespace {

std::string DeletionDate() {
  char stamp[32] = {};
  const std::time_t now = std::time(nullptr);
  std::tm local = {};
  localtime_r(&now, &local);
  std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H:%M:%S", &local);
  return stamp;
}

// "name", "name.2", "name.3", ...: the extension stays last so the file keeps its type.
std::string Candidate(const std::string& fileName, int attempt) {
  if (attempt == 1) {
    return fileName;
  }
  const fs::path name(fileName);
  return name.stem().string() + "." + std::to_string(attempt) + name.extension().string();
}

bool WriteAll(int fd, const std::string& contents) {
  std::size_t written = 0;
  while (written < contents.size()) {
    const ssize_t n = ::write(fd, contents.data() + written, contents.size() - written);
    if (n <= 0) {
      return false;
    }
    written += static_cast<std::size_t>(n);
  }
  return ::fsync(fd) == 0;
}

} // namespace

CFreedesktopTrash::CFreedesktopTrash() {
  const std::string dataHome = Ux::GetSpecialFolderName(Ux::kApplicationSupportFolder);
  if (!dataHome.empty()) {
    mTrashFolder = Ux::WithoutTrailingSlash(dataHome) + "/Trash";
  }
}

std::string CFreedesktopTrash::EncodePath(const std::string& path) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  for (unsigned char c : path) {
    const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                       c == '-' || c == '_' || c == '.' || c == '~' || c == '/';
    if (plain) {
      encoded += static_cast<char>(c);
    } else {
      encoded += '%';
      encoded += kHex[c >> 4];
      encoded += kHex[c & 0x0F];
    }
  }
  return encoded;
}

std::string CFreedesktopTrash::ReserveName(const std::string& fileName,
                                           const std::string& contents) {
  for (int attempt = 1; attempt < 10000; ++attempt) {
    const std::string name = Candidate(fileName, attempt);
    const std::string infoPath = mTrashFolder + "/info/" + name + ".trashinfo";
    // The info file is the reservation: created exclusively, so two programs trashing files of
    // the same name at once never take the same entry.
    const int fd = ::open(infoPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
      if (errno == EEXIST) {
        continue;
      }
      return std::string();
    }
    const bool written = WriteAll(fd, contents);
    ::close(fd);
    if (!written) {
      ::unlink(infoPath.c_str());
      return std::string();
    }
    std::error_code error;
    if (fs::exists(fs::symlink_status(mTrashFolder + "/files/" + name, error))) {
      ::unlink(infoPath.c_str()); // a file without its info entry holds this name
      continue;
    }
    return name;
  }
  return std::string();
}

bool CFreedesktopTrash::MoveToTrash(const std::string& path) {
  if (mTrashFolder.empty() || path.empty()) {
    return false;
  }
  std::error_code error;
  const fs::path absolute = fs::absolute(path, error);
  if (error || !fs::exists(fs::symlink_status(absolute, error))) {
    return false;
  }
  const bool trashExisted = fs::exists(mTrashFolder, error);
  for (const char* sub : {"/files", "/info"}) {
    fs::create_directories(mTrashFolder + sub, error);
    if (!fs::is_directory(mTrashFolder + sub, error)) {
      return false;
    }
  }
  if (!trashExisted) {
    fs::permissions(mTrashFolder, fs::perms::owner_all, error); // the user's eyes only
  }
  const std::string contents = "[Trash Info]\nPath=" + EncodePath(absolute.string()) +
                               "\nDeletionDate=" + DeletionDate() + "\n";
  const std::string name = ReserveName(absolute.filename().string(), contents);
  if (name.empty()) {
    return false;
  }
  // One rename, never a copy: a file on another file system stays where it is.
  if (std::rename(absolute.c_str(), (mTrashFolder + "/files/" + name).c_str()) != 0) {
    ::unlink((mTrashFolder + "/info/" + name + ".trashinfo").c_str());
    return false;
  }
  return true;
}

} // namespace BrisTool
