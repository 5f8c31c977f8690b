#pragma once

class CLibrarianApp;

// Quitting the application: every modified document is asked first, front window first, and a
// Cancel keeps them all open; a quit signal cancels an open modal dialog before it quits.
class CQuitHandler {
public:
  explicit CQuitHandler(CLibrarianApp& app) : mApp(app) {}

  void DoQuit();
  void HandleQuitSignal();
  bool IsQuitting() const { return mQuitting; }

private:
  CLibrarianApp& mApp;
  bool mQuitting = false;
};
