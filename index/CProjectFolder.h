#pragma once

#include "index/SIndexedSlot.h"

#include <array>
#include <list>
#include <string>
#include <vector>

namespace Bris {

// A project folder as the library index sees it: the names of its slot files and its memo
// files, read with the store's naming rules and the memo file reader, without a data set and
// without the domain context, so that it can be read on any thread.
class CProjectFolder {
public:
  // projectPath: the folder, with or without a trailing "/".
  explicit CProjectFolder(const std::string& projectPath);

  // True for a folder whose name ends in ".prj" (any case) holding "Patch/" and "Tone/", the
  // subfolders without which a project does not open.
  static bool IsProjectFolder(const std::string& folderPath);

  // The folder path, ending in "/".
  const std::string& GetPath() const { return mPath; }

  // Lists the slot files of the subfolders and notes what tells a change: the modification
  // times and sizes of the folder, its subfolders and memo files, and the names listed. False
  // when a subfolder could not be listed.
  bool List();
  // What List() noted, as one string: equal stamps mean nothing the index shows has changed.
  const std::string& GetStamp() const { return mStamp; }

  // Every used slot of the listed files, patches, tones, waves, each in slot order, with the
  // memo lines of its memo file.
  std::vector<SIndexedSlot> ReadSlots() const;

private:
  std::string mPath;
  std::array<std::list<std::string>, 3> mFiles; // per kind
  std::string mStamp;
};

} // namespace Bris
