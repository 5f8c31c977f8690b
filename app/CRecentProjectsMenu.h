#pragma once

#include "framework/CommandCodes.h"
#include "framework/SCommandStatus.h"

#include <QObject>

#include <functional>
#include <string>

class QAction;
class QMenu;
class QMenuBar;

// The menu number the Open Recent items' synthetic commands are built from (items from 1), and
// its Clear Menu command.
inline constexpr int kRecentMenuId = 136;
inline constexpr CommandT kCmdClearRecent = FourCharCode("Rclr");

// File > Open Recent: the recent projects (CRecentProjects) as menu items, missing folders
// disabled, and Clear Menu at the end. The items are commands of the command chain (synthetic
// commands of kRecentMenuId); the menu is filled anew, with the states the chain gives, each time
// it is about to show.

class CRecentProjectsMenu : public QObject {
  Q_OBJECT

public:
  using OpenFunction = std::function<bool(const std::string& folderPath)>;

  explicit CRecentProjectsMenu(OpenFunction open, QObject* parent = nullptr);

  // Adds the Open Recent submenu to bar's File menu, just after openAction.
  QMenu* AttachToFileMenu(QMenuBar* bar, QAction* openAction);
  // Rebuilds menu's items from the stored list.
  void FillMenu(QMenu* menu);

  // The command of the recent project at index (0-based).
  static CommandT CommandOfItem(std::size_t index);
  // A recent item opens its project; Clear Menu empties the list. False for any other command.
  bool ObeyCommand(CommandT command);
  // An item is enabled while its folder exists, Clear Menu while the list holds anything.
  bool FindCommandStatus(CommandT command, SCommandStatus& status) const;

  // A project was opened or saved under a new name: it goes first.
  void NoteProject(const std::string& folderPath);
  // The menu text of a folder: "name.prj - parent", the home folder as "~".
  static QString MenuTextOf(const std::string& folderPath);

signals:
  // The stored list changed (a project was noted, or the list cleared).
  void Changed();

private:
  // The index of a recent item's command; -1 for other commands.
  static int IndexOfCommand(CommandT command);

  OpenFunction mOpen;
};
