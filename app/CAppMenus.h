#pragma once

#include "framework/CCommander.h"

#include <QKeySequence>
#include <QString>

#include <map>

class CLibrarianApp;
class CWindowMenu;
class QAction;
class QMenuBar;

// The application's menu commands: one action per command, run through the command chain, the
// menus every window's menu bar gets, and their enabled and checked states asked along the chain.
class CAppMenus {
public:
  explicit CAppMenus(CLibrarianApp& app) : mApp(app) {}

  void CreateActions();
  QAction* AddAction(CommandT command, const QString& text, const QKeySequence& shortcut);
  // Fills bar with the menus; the Window menu gets the window items, the Help menu helpCommand.
  void BuildMenuBar(QMenuBar* bar, CWindowMenu& windowMenuItems, CommandT helpCommand);
  QAction* GetCommandAction(CommandT command) const;
  void UpdateCommandStatus(const CWindowMenu& windowMenuItems) const;
  // The one undo buffer toggles: the item reads Redo while the next Undo would redo, and then
  // also answers the platform's Redo keys.
  void UpdateUndoItem(bool redoNext) const;

private:
  CLibrarianApp& mApp;
  std::map<CommandT, QAction*> mActions;
};
