#include "LibMac/Utility/Ux.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <pwd.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string Normalised(const std::string& path) {
  if (path.empty()) {
    return path;
  }
  return fs::path(path).lexically_normal().string(); // keeps a trailing "/"
}

std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] == '/') {
    return home;
  }
  const passwd* user = ::getpwuid(::getuid());
  return (user != nullptr && user->pw_dir != nullptr) ? user->pw_dir : "";
}

// An XDG base folder: the variable when it holds an absolute path, else home + fallback.
std::string XdgFolder(const char* variable, const char* fallback) {
  const char* value = std::getenv(variable);
  if (value != nullptr && value[0] == '/') {
    return value;
  }
  const std::string home = HomeFolder();
  return home.empty() ? std::string() : home + fallback;
}

// XDG_DOCUMENTS_DIR of the user's user-dirs.dirs ("$HOME/..." or an absolute path), the way the
// desktop and Qt read it; empty when the file or the line is missing.
std::string UserDirsDocumentsFolder(const std::string& home) {
  std::ifstream file(XdgFolder("XDG_CONFIG_HOME", "/.config") + "/user-dirs.dirs");
  const std::string key = "XDG_DOCUMENTS_DIR=";
  std::string line;
  while (std::getline(file, line)) {
    if (line.compare(0, key.size(), key) != 0) {
      continue;
    }
    std::string value = line.substr(key.size());
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
      value = value.substr(1, value.size() - 2);
    }
    if (value.compare(0, 5, "$HOME") == 0) {
      value = home + value.substr(5);
    }
    return value.empty() || value.front() != '/' ? std::string() : value;
  }
  return std::string();
}

} // namespace

namespace Ux {

std::string GetDocumentsFolderPath() {
  const std::string home = HomeFolder();
  if (home.empty()) {
    return std::string();
  }
  const std::string configured = UserDirsDocumentsFolder(home);
  return WithoutTrailingSlash(configured.empty() ? home + "/Documents" : configured);
}

bool ToFSSpec(const std::string& path, std::string& fileRef) {
  fileRef = Normalised(path);
  return !fileRef.empty();
}

bool ToPathName(const std::string& fileRef, std::string& path) {
  path = Normalised(fileRef);
  return !path.empty();
}

std::string FSRefGetPath(const std::string& ref) {
  return Normalised(ref);
}

std::string GetSpecialFolderName(EFolderType folderType) {
  std::string folder;
  switch (folderType) {
  case kApplicationSupportFolder:
    folder = XdgFolder("XDG_DATA_HOME", "/.local/share");
    break;
  case kPreferencesFolder:
    folder = XdgFolder("XDG_CONFIG_HOME", "/.config");
    break;
  case kDocumentsFolder:
    folder = GetDocumentsFolderPath();
    break;
  }
  if (folder.empty()) {
    return folder;
  }
  folder = WithoutTrailingSlash(folder);
  std::error_code error;
  fs::create_directories(folder, error);
  return fs::is_directory(folder, error) ? folder : std::string();
}

std::string WithoutTrailingSlash(std::string path) {
  while (path.size() > 1 && path.back() == '/') {
    path.pop_back();
  }
  return path;
}

bool IsSameFolder(const std::string& a, const std::string& b) {
  std::error_code error;
  const std::filesystem::path first =
      std::filesystem::weakly_canonical(WithoutTrailingSlash(a), error);
  const std::filesystem::path second =
      std::filesystem::weakly_canonical(WithoutTrailingSlash(b), error);
  return !first.empty() && first == second;
}

} // namespace Ux
