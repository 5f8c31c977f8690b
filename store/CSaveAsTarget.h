#pragma once

#include <functional>
#include <list>
#include <string>

namespace Bris {

// The folder a project is saved into under a new name: its old system and data files removed,
// its "Patch", "Tone" and "Wave" folders made or emptied, and what it made taken away again when
// the save as cannot go on.
class CSaveAsTarget {
public:
  enum class EResult {
    kReady,
    kDeclined, // the caller's confirmation said no; nothing of the target was deleted
    kFailed,   // a subfolder could not be made or emptied, or a file stands in its place
  };

  // folder: the target ("/"-separated, with or without its trailing "/").
  explicit CSaveAsTarget(const std::string& folder);

  // Deletes the target's system files and the data files of its existing subfolders, and makes
  // the missing subfolders. confirmDeletingFiles is asked once, just before the first file would
  // be deleted (when the target holds system files, else when the first existing subfolder is
  // reached); answering false stops with kDeclined.
  EResult Prepare(const std::function<bool()>& confirmDeletingFiles);
  // The files Prepare would delete, in its order: the system files, then the data files of the
  // existing subfolders. Nothing on disk changes.
  std::list<std::string> FilesToDelete() const;
  // Empties and removes every subfolder Prepare made (a declined or failed Prepare included).
  void RemoveCreatedSubFolders();
  // RemoveCreatedSubFolders, then the target folder itself if it is empty by then.
  void RemoveCreated();

  const std::string& Folder() const { return mFolder; }

private:
  std::list<std::string> SystemFiles() const;
  std::string SubFolder(int kind) const;
  bool DeleteSystemFiles(const std::function<bool()>& confirm);
  EResult PrepareSubFolder(int kind, const std::function<bool()>& confirm);

  std::string mFolder; // without the trailing "/"
  bool mAskFirst = true;
  bool mCreated[3] = {false, false, false};
};

} // namespace Bris
