#include "index/CLibraryWalker.h"

#include "LibMac/Utility/Ux.h"
#include "index/CProjectFolder.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <utility>

namespace Bris {

namespace {

namespace fs = std::filesystem;

using FolderId = std::pair<dev_t, ino_t>;

// The identity of the folder at path (links followed); false when it is no folder.
bool FolderIdOf(const std::string& path, FolderId& id) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0 || !S_ISDIR(status.st_mode)) {
    return false;
  }
  id = {status.st_dev, status.st_ino};
  return true;
}

// The folders directly inside folder, by name; empty when it cannot be listed.
std::vector<std::string> SubfoldersOf(const std::string& folder) {
  std::vector<std::string> subfolders;
  std::error_code error;
  fs::directory_iterator entries(folder, fs::directory_options::skip_permission_denied, error);
  for (; !error && entries != fs::directory_iterator(); entries.increment(error)) {
    std::error_code ignored;
    if (entries->is_directory(ignored)) {
      subfolders.push_back(entries->path().filename().string());
    }
  }
  std::sort(subfolders.begin(), subfolders.end()); // the same order on every run
  return subfolders;
}

} // namespace

std::vector<std::string>
CLibraryWalker::FindProjects(const std::vector<std::string>& libraryFolders) const {
  std::vector<std::string> projects;
  std::set<FolderId> visited;
  // Depth first, each folder with its depth; children are pushed in reverse to keep name order.
  std::vector<std::pair<std::string, int>> pending;
  for (auto folder = libraryFolders.rbegin(); folder != libraryFolders.rend(); ++folder) {
    if (!folder->empty()) {
      pending.emplace_back(Ux::WithoutTrailingSlash(*folder), 0);
    }
  }
  while (!pending.empty()) {
    if (mStop != nullptr && mStop->load()) {
      break;
    }
    auto [folder, depth] = std::move(pending.back());
    pending.pop_back();
    FolderId id;
    if (!FolderIdOf(folder, id) || !visited.insert(id).second) {
      continue;
    }
    if (CProjectFolder::IsProjectFolder(folder)) {
      projects.push_back(folder + "/");
      continue;
    }
    if (depth >= kMaxDepth) {
      continue;
    }
    const std::string prefix = folder == "/" ? folder : folder + "/";
    const auto subfolders = SubfoldersOf(folder);
    for (auto name = subfolders.rbegin(); name != subfolders.rend(); ++name) {
      pending.emplace_back(prefix + *name, depth + 1);
    }
  }
  return projects;
}

} // namespace Bris
