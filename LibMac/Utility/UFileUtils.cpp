#include "LibMac/Utility/UFileUtils.h"

#include "LibMac/Utility/StFileDescriptor.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string_view>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr std::string::size_type kMaxFullPathBytes = 1024;
constexpr std::string::size_type kMaxNameBytes = 255;

char Lowered(char c) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool MatchesAny(std::string_view name, const char* const* patterns) {
  for (const char* const* pattern = patterns; pattern != nullptr && *pattern != nullptr;
       ++pattern) {
    if (UFileUtils::IsEqualExt(name, *pattern)) {
      return true;
    }
  }
  return false;
}

// One allocation per listed file: the path is built in a string of its final size.
std::string JoinFolder(const std::string& folder, std::string_view name) {
  const bool needsSlash = !folder.empty() && folder.back() != '/';
  std::string path;
  path.reserve(folder.size() + (needsSlash ? 1 : 0) + name.size());
  path.append(folder);
  if (needsSlash) {
    path.push_back('/');
  }
  path.append(name);
  return path;
}

// Cuts text to at most maxBytes without leaving the lead bytes of a character behind.
std::string CutToBytes(const std::string& text, std::string::size_type maxBytes) {
  if (text.size() <= maxBytes) {
    return text;
  }
  std::string::size_type end = maxBytes;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
    --end; // text[end] continues the character that starts before it
  }
  return text.substr(0, end);
}

// Flushes a written file to the disk, so that the rename that follows never exposes an empty one.
bool SyncFile(const std::string& path) {
  const StFileDescriptor file(::open(path.c_str(), O_RDONLY));
  return file.IsOpen() && ::fsync(file.Get()) == 0;
}

void SyncFolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  const StFileDescriptor folderFile(::open(folder.c_str(), O_RDONLY | O_DIRECTORY));
  if (folderFile.IsOpen()) {
    ::fsync(folderFile.Get()); // best effort: the rename itself has already succeeded
  }
}

} // namespace

int UFileUtils::SearchFiles(const std::string& folder, const char* const* patterns,
                            std::list<std::string>* paths) {
  std::list<std::string> found;
  std::error_code error;
  if (!ListFiles(folder, patterns, found, error)) {
    throw fs::filesystem_error("cannot list folder", folder, error);
  }
  if (paths != nullptr) {
    paths->splice(paths->end(), found);
  }
  return kEndOfListing;
}

bool UFileUtils::ListFiles(const std::string& folder, const char* const* patterns,
                           std::list<std::string>& paths, std::error_code& error) {
  error.clear();
  // readdir itself: the entry's type comes with its name, so a listing costs no call per file.
  std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), &::closedir);
  if (dir == nullptr) {
    error.assign(errno, std::generic_category());
    return false;
  }
  for (;;) {
    errno = 0;
    const dirent* entry = ::readdir(dir.get());
    if (entry == nullptr) {
      if (errno != 0) {
        error.assign(errno, std::generic_category());
      }
      break;
    }
    const char* name = entry->d_name;
    if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0 ||
        !MatchesAny(name, patterns)) {
      continue;
    }
    std::string path = JoinFolder(folder, name);
    // Links are followed, as for any other file; a file system without types needs a stat.
    bool isFile = entry->d_type == DT_REG;
    if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
      struct stat info = {};
      isFile = ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
    }
    if (isFile) {
      paths.push_back(std::move(path));
    }
  }
  return !error;
}

int UFileUtils::DeleteSubFiles(const std::string& folder, const char* const* patterns,
                               bool countOnly) {
  std::list<std::string> found;
  SearchFiles(folder, patterns, &found);
  if (!countOnly) {
    for (const auto& path : found) {
      ::unlink(path.c_str());
    }
  }
  return static_cast<int>(found.size());
}

bool UFileUtils::IsAccessibleFile(const std::string& path, int mode) {
  struct stat info = {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
         ::access(path.c_str(), mode) == 0;
}

bool UFileUtils::ReadWholeFile(const std::string& path, std::string& contents) {
  const StFileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  struct stat info = {};
  if (!file.IsOpen() || ::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
    return false;
  }
  contents.resize(static_cast<std::size_t>(info.st_size));
  std::size_t done = 0;
  while (done < contents.size()) {
    const ssize_t got = ::read(file.Get(), contents.data() + done, contents.size() - done);
    if (got < 0 && errno == EINTR) {
      continue;
    }
    if (got < 0) {
      return false;
    }
    if (got == 0) {
      break; // shorter than it was a moment ago
    }
    done += static_cast<std::size_t>(got);
  }
  contents.resize(done);
  return true;
}

bool UFileUtils::IsEqualExt(std::string_view name, std::string_view pattern) {
  if (CheckFileExtension(name, pattern)) {
    return true;
  }
  const auto dot = name.rfind('.');
  if (dot == std::string_view::npos) {
    return false;
  }
  const std::string_view extension = name.substr(dot);
  std::string_view::size_type i = 0;
  for (; i < pattern.size(); ++i) {
    if (pattern[i] == '*') {
      return true;
    }
    if (i >= extension.size() || extension[i] != pattern[i]) {
      return false;
    }
  }
  return i == extension.size();
}

bool UFileUtils::CheckFileExtension(std::string_view name, std::string_view ext) {
  if (ext.size() > name.size()) {
    return false;
  }
  const auto start = name.size() - ext.size();
  for (std::string_view::size_type i = 0; i < ext.size(); ++i) {
    if (Lowered(name[start + i]) != Lowered(ext[i])) {
      return false;
    }
  }
  return true;
}

void UFileUtils::GetFullPathString(const std::string& fileRef, std::string& path, bool /*utf8*/) {
  path.clear();
  if (fileRef.empty()) {
    return;
  }
  std::error_code error;
  const fs::path absolute = fs::absolute(fs::path(fileRef), error);
  if (error) {
    return;
  }
  std::string full = absolute.lexically_normal().string();
  if (full.size() <= kMaxFullPathBytes) {
    path = std::move(full);
  }
}

bool UFileUtils::IsFolder(const std::string& fileRef) {
  return fs::is_directory(fs::path(fileRef));
}

std::string UFileUtils::UTF8ToSystemEncoding(const std::string& utf8) {
  return CutToBytes(utf8, kMaxNameBytes);
}

std::string UFileUtils::SystemEncodingToUTF8(const std::string& system) {
  return CutToBytes(system, kMaxNameBytes);
}

bool UFileUtils::Is2byteChar(unsigned char byte) {
  return byte >= 0x80;
}

std::string::size_type UFileUtils::FindChar(const std::string& text, char c,
                                            std::string::size_type from) {
  const char wanted = Lowered(c);
  for (auto i = from; i < text.size(); ++i) {
    if (Lowered(text[i]) == wanted) {
      return i;
    }
  }
  return std::string::npos;
}

std::string::size_type UFileUtils::ReverseFindChar(const std::string& text, char c) {
  const char wanted = Lowered(c);
  for (auto i = text.size(); i > 0; --i) {
    if (Lowered(text[i - 1]) == wanted) {
      return i - 1;
    }
  }
  return std::string::npos;
}

bool UFileUtils::ReplaceFileContents(const std::string& path,
                                     const std::function<void(std::ostream&)>& writer) {
  const std::string newPath = path + ".new";
  bool written = false;
  {
    std::ofstream out(newPath, std::ios::out | std::ios::trunc);
    if (out) {
      writer(out);
      out.close();
      written = !out.fail();
    }
  }
  if (written && SyncFile(newPath) && ::rename(newPath.c_str(), path.c_str()) == 0) {
    SyncFolderOf(path);
    return true;
  }
  ::unlink(newPath.c_str());
  return false;
}
