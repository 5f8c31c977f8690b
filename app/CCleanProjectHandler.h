#pragma once

class CProjectWindow;

// Clean Project of a project window: asks for the clean options, keeps them in the domain and
// the preferences, and cleans the project after taking an undo copy of its data set.
class CCleanProjectHandler {
public:
  explicit CCleanProjectHandler(CProjectWindow& window) : mWindow(window) {}

  // False when the user cancelled.
  bool HandleCleanProject();

private:
  CProjectWindow& mWindow;
};
