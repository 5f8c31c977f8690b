#pragma once

#include <string>

class QWidget;

// The project chooser, in its open form (New Project disabled) or its save form (New Project
// enabled). A project is a folder whose name ends with ".prj".
class CProjectChooser {
public:
  explicit CProjectChooser(bool newProjectDisabled);

  // folder: on entry the folder to start from (empty: the last selected project); on a choice
  // the chosen project folder, whose inode number goes to folderId. The chosen folder is also
  // stored as the last selected project. False when the user cancelled.
  bool AskProjectFolder(std::string& folder, long& folderId, const std::string& defaultName,
                        QWidget* parent = nullptr);
  // The chosen project folder's path; empty before a choice.
  void GetResultPath(std::string& path) const { path = mResultPath; }

  // Where the browser starts for a start folder: a project folder is shown selected in its
  // parent, any other existing folder is opened, a missing one is replaced by its parent, and
  // without either the Documents folder is shown. location and selection are set.
  static void FindStartLocation(const std::string& startFolder, std::string& location,
                                std::string& selection);

private:
  bool mNewProjectDisabled;
  std::string mResultPath;
};
