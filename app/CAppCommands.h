#pragma once

#include "framework/CCommander.h"

class CLibrarianApp;

// The application-wide commands of the menus: which of the application's handlers each runs and
// when it is enabled, and the handlers of Undo, Font and Grid.
class CAppCommands {
public:
  explicit CAppCommands(CLibrarianApp& app) : mApp(app) {}

  // True when command is one of the application's; it has then been carried out.
  bool Obey(CommandT command);
  // True when command is one of the application's; status then holds its state.
  bool FindStatus(CommandT command, SCommandStatus& status);

  void HandleUndo();
  // The list font or grid state from its dialog; false when the user cancelled.
  bool HandleFont();
  bool HandleGrid();

private:
  CLibrarianApp& mApp;
};
