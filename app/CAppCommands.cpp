#include "app/CAppCommands.h"

#include "app/CLibrarianApp.h"
#include "app/CLibrarySearch.h"
#include "app/CRecentProjectsMenu.h"
#include "app/CSelectFontDialog.h"
#include "app/CSetGridDialog.h"
#include "domain/CDomain.h"
#include "framework/CDocument.h"
#include "framework/CWindowMenu.h"
#include "views/CTableSettings.h"

bool CAppCommands::Obey(CommandT command) {
  switch (command) {
  case kCmdUndo:
    mApp.HandleUndo();
    return true;
  case kCmdFont:
    mApp.HandleFont();
    return true;
  case kCmdGrid:
    mApp.HandleGrid();
    return true;
  case kCmdCascade:
    mApp.CascadeWindows();
    return true;
  case kCmdTileHorizontally:
    mApp.TileWindowsHorizontally();
    return true;
  case kCmdTileVertically:
    mApp.TileWindowsVertically();
    return true;
  case kCmdNew:
    mApp.MakeNewDocument();
    return true;
  case kCmdOpen:
    mApp.ChooseDocument();
    return true;
  case kCmdAbout:
    mApp.ShowAboutBox();
    return true;
  case kCmdQuit:
    mApp.DoQuit();
    return true;
  case kCmdFind:
    mApp.GetLibrarySearch().ShowFindWindow();
    return true;
  case kCmdLibraryFolders:
    mApp.GetLibrarySearch().EditLibraryFolders(CCommander::FindTarget());
    return true;
  default:
    break;
  }
  if (command != 0 && command == mApp.GetHelpCommand()) {
    mApp.DoHelp();
    return true;
  }
  return mApp.GetWindowMenu().ObeyCommand(command) ||
         mApp.GetRecentProjectsMenu().ObeyCommand(command);
}

bool CAppCommands::FindStatus(CommandT command, SCommandStatus& status) {
  switch (command) {
  case kCmdUndo:
    status.enabled = Bris::Domain().IsUndoReady();
    return true;
  case kCmdFont:
  case kCmdGrid:
  case kCmdCascade:
  case kCmdTileHorizontally:
  case kCmdTileVertically:
  case kCmdNew:
  case kCmdOpen:
  case kCmdAbout:
  case kCmdQuit:
  case kCmdFind:
  case kCmdLibraryFolders:
    status.enabled = true;
    return true;
  default:
    break;
  }
  if (command != 0 && command == mApp.GetHelpCommand()) {
    status.enabled = true;
    return true;
  }
  return mApp.GetWindowMenu().FindCommandStatus(command, status, mApp.GetSelectedWindow()) ||
         mApp.GetRecentProjectsMenu().FindCommandStatus(command, status);
}

void CAppCommands::HandleUndo() {
  Bris::CDomain& domain = Bris::Domain();
  if (!domain.IsUndoReady()) {
    return;
  }
  domain.Undo();
  for (CDocument* document : mApp.GetDocuments()) {
    for (int slot = 0; slot < Bris::CDomain::kUndoSlotCount; ++slot) {
      const Bris::CZelData* data = domain.GetUndoDoc(slot);
      if (data != nullptr && document->UsesData(data)) {
        document->HandleUndoApplied();
        break;
      }
    }
  }
}

bool CAppCommands::HandleFont() {
  short fontNumber = CTableSettings::sFontNum;
  short fontSize = CTableSettings::sFontSize;
  if (!CSelectFontDialog::OpenDialog(CCommander::FindTarget(),
                                     QString::fromLatin1(CLibrarianApp::kFontPreviewText),
                                     fontNumber, fontSize)) {
    return false;
  }
  CTableSettings::SetFont(fontNumber, fontSize);
  emit mApp.FontChanged(fontNumber, fontSize);
  return true;
}

bool CAppCommands::HandleGrid() {
  int gridState = CTableSettings::sGridState;
  if (!CSetGridDialog::OpenDialog(CCommander::FindTarget(), gridState)) {
    return false;
  }
  CTableSettings::SetGridState(static_cast<signed char>(gridState));
  emit mApp.GridChanged(gridState);
  return true;
}
