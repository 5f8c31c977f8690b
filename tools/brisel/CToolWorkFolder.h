#pragma once

#include "store/CWorkFolderLock.h"

#include <set>
#include <string>

namespace BrisTool {

// The librarian's work folder as the tool uses it: the same folder as the application's, so that
// a save the tool did not live to finish is found by either program, and the shelter and import
// copies of one run beside those of the other. The tool takes the folder's session lock while it
// changes projects (the application holds it while it runs, so the two never save at once), keeps
// what a session that did not end cleanly left, and at the end removes only the files it made
// itself (all of them are kept after a save that stopped part-way).
class CToolWorkFolder {
public:
  enum class EAcquire {
    kAcquired,
    kInUse,    // another live process holds the lock, or the marker cannot be written
    kNoFolder, // the folder cannot be made
  };

  // $XDG_DATA_HOME/Taveno/Brisel Librarian/BrisWork/ (with the trailing "/"); empty when the
  // data folder is unknown.
  static std::string DefaultPath();

  CToolWorkFolder() = default;
  // Release().
  ~CToolWorkFolder();
  CToolWorkFolder(const CToolWorkFolder&) = delete;
  CToolWorkFolder& operator=(const CToolWorkFolder&) = delete;

  // Makes the folder and remembers what is in it. With lock, takes the session lock too; after
  // an unclean exit of the session before, its files move to "Kept <date time>".
  EAcquire Acquire(const std::string& path, bool lock);
  // Removes the data files that appeared directly in the folder since Acquire, unless keepAll or
  // the folder was not locked; then gives the lock back. Harmless when nothing was acquired.
  void Release(bool keepAll);

  const std::string& GetPath() const { return mPath; }

  // Moves the patch, tone and wave files directly in folder into a new "Kept <date time>"
  // subfolder, which no clean-up reaches; returns how many moved.
  static int KeepWorkFiles(const std::string& folder);

private:
  std::set<std::string> DataFiles() const;

  std::string mPath;
  Bris::CWorkFolderLock mLock;
  std::set<std::string> mFilesBefore;
  bool mAcquired = false;
  bool mLocked = false;
};

} // namespace BrisTool
