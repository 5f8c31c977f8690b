#include "support/TestHome.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <sys/stat.h>
#include <vector>

namespace BrisTest {

namespace {

std::string MakeFolder(const std::string& path) {
  std::filesystem::create_directories(path);
  ::chmod(path.c_str(), 0700);
  return path;
}

} // namespace

TestHome::TestHome() {
  std::string pattern = (std::filesystem::temp_directory_path() / "brisel-test-XXXXXX").string();
  std::vector<char> buffer(pattern.begin(), pattern.end());
  buffer.push_back('\0');
  if (::mkdtemp(buffer.data()) == nullptr) {
    throw std::runtime_error("cannot create a temporary home folder");
  }
  mPath = buffer.data();
  ::setenv("HOME", MakeFolder(mPath + "/home").c_str(), 1);
  ::setenv("XDG_CONFIG_HOME", MakeFolder(mPath + "/home/.config").c_str(), 1);
  ::setenv("XDG_DATA_HOME", MakeFolder(mPath + "/home/.local/share").c_str(), 1);
  ::setenv("XDG_RUNTIME_DIR", MakeFolder(mPath + "/runtime").c_str(), 1);
}

TestHome::~TestHome() {
  std::error_code ignored;
  std::filesystem::remove_all(mPath, ignored);
}

} // namespace BrisTest
