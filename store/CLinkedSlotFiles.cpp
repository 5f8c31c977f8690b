#include "store/CLinkedSlotFiles.h"

#include "LibMac/Utility/UFileUtils.h"
#include "store/CZelFileDocument.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <unistd.h>

namespace Bris {

namespace fs = std::filesystem;

namespace {

bool IsLinkToAFile(const std::string& systemPath) {
  std::error_code error;
  return fs::is_symlink(fs::symlink_status(systemPath, error)) &&
         fs::is_regular_file(systemPath, error);
}

std::string FolderOf(const std::string& systemPath) {
  const auto slash = systemPath.rfind('/');
  return slash == std::string::npos ? "." : systemPath.substr(0, slash + 1);
}

// Writes the bytes of the file the link points at; a failed read fails the stream.
void CopyLinkedBytes(const std::string& systemPath, std::ostream& out) {
  std::ifstream in(systemPath, std::ios::binary);
  if (!in) {
    out.setstate(std::ios::failbit);
    return;
  }
  const std::vector<char> bytes{std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>()};
  if (in.bad()) {
    out.setstate(std::ios::failbit);
    return;
  }
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

} // namespace

CLinkedSlotFiles::CLinkedSlotFiles(const std::vector<std::string>& paths) {
  for (const auto& path : paths) {
    if (!path.empty() && IsLinkToAFile(CZelFileDocument::SystemPath(path)) &&
        std::find(mPaths.begin(), mPaths.end(), path) == mPaths.end()) {
      mPaths.push_back(path);
    }
  }
}

bool CLinkedSlotFiles::IsEnableReplaceByCopies() const {
  for (const auto& path : mPaths) {
    const std::string systemPath = CZelFileDocument::SystemPath(path);
    if (!std::ifstream(systemPath, std::ios::binary).is_open() ||
        ::access(FolderOf(systemPath).c_str(), W_OK | X_OK) != 0) {
      return false;
    }
  }
  return true;
}

bool CLinkedSlotFiles::ReplaceByCopies() const {
  for (const auto& path : mPaths) {
    const std::string systemPath = CZelFileDocument::SystemPath(path);
    // The new file is renamed over the link itself, which rename never follows.
    if (!UFileUtils::ReplaceFileContents(
            systemPath, [&systemPath](std::ostream& out) { CopyLinkedBytes(systemPath, out); })) {
      return false;
    }
  }
  return true;
}

} // namespace Bris
