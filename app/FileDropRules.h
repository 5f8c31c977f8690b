#pragma once

#include <functional>
#include <string>
#include <vector>

class QMimeData;

// Files dropped on a project window from the desktop: audio files to import as waves, or a
// single project folder to open. Kept apart from the window so the rules can be checked directly;
// the window posts the result and carries it out once the drop has finished.
namespace FileDropRules {

struct SDroppedItem {
  std::string path; // "/"-separated, UTF-8, no trailing "/"
  bool isFolder = false;
};

struct SPlan {
  std::vector<std::string> importFiles; // in drop order
  std::string projectFolder;            // empty for none
  bool IsEmpty() const { return importFiles.empty() && projectFolder.empty(); }
};

// The local files and folders a drop carries; other URLs are left out.
std::vector<SDroppedItem> LocalItems(const QMimeData* mime);
bool HasLocalItems(const QMimeData* mime);

// A window takes a drag of local files or a row drag, but nothing while files of an earlier drop
// are still waiting to be imported or an alert is open.
bool IsWindowDropAcceptable(bool workPending, bool alertOpen, bool hasLocalItems, bool isRowDrag);

// What a drop of items does. A single folder is the project to open (it opens only when it is a
// project folder). Every other folder is ignored. The files are imported, but only when every
// file's name passes isValidFileName; at the first refused name nothing at all is done, without
// a message.
SPlan PlanFileDrop(const std::vector<SDroppedItem>& items,
                   const std::function<bool(const std::string& name)>& isValidFileName);

} // namespace FileDropRules
