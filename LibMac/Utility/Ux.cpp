#include "LibMac/Utility/Ux.h"

#include <cstdlib>
#include <filesystem>
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

} // namespace

namespace Ux {

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
  case kDocumentsFolder: {
    const std::string home = HomeFolder();
    folder = home.empty() ? std::string() : home + "/Documents";
    break;
  }
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
