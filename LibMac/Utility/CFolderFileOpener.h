#pragma once

#include <string>
#include <string_view>

// Opens files for reading relative to a descriptor of their folder, kept for as long as the
// files asked for lie in the same folder. Each open then looks up the file's own name only,
// instead of walking every folder of its path again: for the thousands of slot files of a
// project, that walk is most of what an open costs.
class CFolderFileOpener {
public:
  CFolderFileOpener() = default;
  ~CFolderFileOpener();
  CFolderFileOpener(const CFolderFileOpener&) = delete;
  CFolderFileOpener& operator=(const CFolderFileOpener&) = delete;

  // A new descriptor open for reading on path (the caller closes it), or -1 with errno set, as
  // open(2) of the whole path would give.
  int OpenForReading(const std::string& path);

private:
  // True when the folder's descriptor is open, opening it when the folder differs from the last.
  bool UseFolder(std::string_view folder);
  void CloseFolder();

  int mFolderFd = -1;
  std::string mFolderPath;
};
