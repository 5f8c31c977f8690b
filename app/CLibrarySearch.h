#pragma once

#include <memory>

class CCommander;
class CFindHandler;
class CFindWindow;
class CLibrarianApp;

// The application's Find: the handler with its library index and the Find window, both made
// when first needed, and the library folders kept in the preferences.
class CLibrarySearch {
public:
  explicit CLibrarySearch(CLibrarianApp& app);
  ~CLibrarySearch();

  CFindHandler& GetHandler();
  CFindWindow& GetWindow();
  // Edit > Find: the window comes forward, its field ready for typing.
  void ShowFindWindow();
  // The library folders dialog; on OK the folders are stored and indexed. False when cancelled.
  bool EditLibraryFolders(CCommander* commander);

private:
  CLibrarianApp& mApp;
  std::unique_ptr<CFindHandler> mHandler;
  std::unique_ptr<CFindWindow> mWindow;
};
