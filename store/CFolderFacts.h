#pragma once

#include <map>
#include <string>
#include <unordered_map>

namespace Bris {

// What a check learns about the folders it asks about, each asked once: whether a new file can
// be created there and, for a folder asked about many times, which entries it holds and of what
// type. A check of hundreds of files in one folder (a Save As into an empty folder, the
// readability check before a save) then costs one listing instead of a system call per file.
class CFolderFacts {
public:
  // True when the folder of path (a path as the file system takes it) exists and new files can
  // be created in it.
  bool CanCreateBeside(const std::string& path);
  // False only when a listing of path's folder showed no entry of that name; true when it did,
  // or while the folder was not listed (it is listed once enough paths in it were asked about).
  bool MayExist(const std::string& path);
  // True when a listing of path's folder showed a plain file (not a link) of that name; false
  // when it did not or the folder was not listed: the caller then asks the file system itself.
  bool IsListedAsPlainFile(const std::string& path);

private:
  struct SFolder {
    bool askedCreatable = false;
    bool creatable = false;
    unsigned questions = 0;
    bool listed = false;
    std::unordered_map<std::string, bool> entries; // name -> is a plain file
  };

  static std::string FolderOf(const std::string& path);
  // The folder's facts, listed once it has been asked about often enough.
  SFolder& Asked(const std::string& folder);
  static void List(const std::string& folder, SFolder& facts);

  std::map<std::string, SFolder> mFolders;
};

} // namespace Bris
