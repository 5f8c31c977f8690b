#include "app/CLibrarySearch.h"

#include "app/CFindHandler.h"
#include "app/CFindWindow.h"
#include "app/CLibraryFoldersDialog.h"
#include "app/ULibraryFolders.h"

CLibrarySearch::CLibrarySearch(CLibrarianApp& app) : mApp(app) {}

// The window goes first: it speaks to the handler until it is gone.
CLibrarySearch::~CLibrarySearch() {
  mWindow.reset();
  mHandler.reset();
}

CFindHandler& CLibrarySearch::GetHandler() {
  if (mHandler == nullptr) {
    mHandler = std::make_unique<CFindHandler>(mApp, ULibraryFolders::IndexDatabasePath(),
                                              ULibraryFolders::Load());
  }
  return *mHandler;
}

CFindWindow& CLibrarySearch::GetWindow() {
  if (mWindow == nullptr) {
    mWindow = std::make_unique<CFindWindow>(GetHandler());
    // A helper window: closing it never ends the application.
    mWindow->setAttribute(Qt::WA_QuitOnClose, false);
  }
  return *mWindow;
}

void CLibrarySearch::ShowFindWindow() {
  GetWindow().Present();
}

bool CLibrarySearch::EditLibraryFolders(CCommander* commander) {
  std::vector<std::string> folders =
      mHandler != nullptr ? mHandler->GetLibraryFolders() : ULibraryFolders::Load();
  if (!CLibraryFoldersDialog::OpenDialog(commander, folders)) {
    return false;
  }
  ULibraryFolders::Save(folders);
  if (mHandler != nullptr) {
    mHandler->SetLibraryFolders(folders);
  }
  return true;
}
