#pragma once

#include <atomic>
#include <string>
#include <vector>

namespace Bris {

// Finds the project folders under the library folders: every folder below them (links
// followed, each folder visited once, so a link back up cannot loop) that
// CProjectFolder::IsProjectFolder accepts. A project folder is not searched further; folders
// that cannot be listed are skipped.
class CLibraryWalker {
public:
  // Deeper folders are not searched: no library is nested this far, a runaway link chain is.
  static constexpr int kMaxDepth = 64;

  // stop (may be null) is polled between folders; once true the walk ends early.
  explicit CLibraryWalker(const std::atomic<bool>* stop = nullptr) : mStop(stop) {}

  // The project folders (each ending in "/") in the order found, each once.
  std::vector<std::string> FindProjects(const std::vector<std::string>& libraryFolders) const;

private:
  const std::atomic<bool>* mStop;
};

} // namespace Bris
