#include "app/CLibrarianApp.h"

#include "LibMac/Utility/PreferenceKeys.h"
#include "LibMac/Utility/UFileUtils.h"
#include "LibMac/Utility/UPreference.h"
#include "LibMac/Utility/UPreferenceLongString.h"
#include "LibMac/Utility/Ux.h"
#include "Zel/Generic/CErrorOut.h"
#include "Zel/Generic/CStringTable.h"
#include "Zel/Generic/CZelTextOutBuffer.h"
#include "app/CAboutBox.h"
#include "app/CAppMenus.h"
#include "app/CLibrarianDoc.h"
#include "app/CLibrarySearch.h"
#include "app/CProjectChooser.h"
#include "app/CProjectWindow.h"
#include "app/CRecentProjectsMenu.h"
#include "app/CStartWindow.h"
#include "app/SaveRecoveryAlerts.h"
#include "app/UAppPreferences.h"
#include "app/UHelpFile.h"
#include "app/UWorkFolder.h"
#include "domain/CDomain.h"
#include "framework/CDocument.h"
#include "framework/CModalDialogRunner.h"
#include "framework/CQtAlertRunner.h"
#include "framework/CQtTrash.h"
#include "framework/CUnixSignalNotifier.h"
#include "framework/CWindowMenu.h"
#include "framework/UFontNumber.h"
#include "store/CFileOperations.h"
#include "store/CWorkFolderLock.h"
#include "store/CZelFileDocument.h"
#include "store/FileExt.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <list>
#include <system_error>

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

constexpr int kErrorWorkFolder = 7;
constexpr int kErrorHelp = 10001;
constexpr int kFixedWindowMenuItems = 3; // Cascade, Tile Horizontally, Tile Vertically

} // namespace

CLibrarianApp::CLibrarianApp() : mWindowMenu(new CWindowMenu(kFixedWindowMenuItems, this)) {
  sApp = this;
  SetTopCommander(this);
  if (CErrorOut::GetAlertRunner() == nullptr) {
    mAlertRunner = std::make_unique<CQtAlertRunner>();
    CErrorOut::SetAlertRunner(mAlertRunner.get());
  }
  connect(mWindowMenu, &CWindowMenu::CommandChosen, this,
          [](CommandT command) { ProcessCommand(command); });
  mRecentMenu = new CRecentProjectsMenu(
      [this](const std::string& folderPath) { return OpenDocument(folderPath); }, this);
  connect(this, &CLibrarianApp::FontChanged, this, &CProjectWindow::UpdateFont);
  connect(this, &CLibrarianApp::GridChanged, this, &CProjectWindow::UpdateGrid);
  mMenus.CreateActions();
  qApp->installEventFilter(this);
}

CLibrarianApp::~CLibrarianApp() {
  qApp->removeEventFilter(this);
  mLibrarySearch.reset();
  mSignalNotifier.reset();
  mDocuments.clear();
  mClosedDocuments.clear();
  mStartWindow.reset();
  if (mPreferencesLoaded) {
    SavePreference();
  }
  if (!mWorkFolderPath.empty()) {
    // After a save that stopped part-way a sheltered copy may be the only copy of a sound left.
    if (Bris::Domain().IsWriteStoppedPartWay()) {
      KeepWorkFiles(mWorkFolderPath);
    } else {
      DeleteWorkFiles(mWorkFolderPath);
    }
    if (mWorkFolderLock != nullptr) {
      mWorkFolderLock->Release();
    }
  }
  if (mTrash != nullptr && Bris::CFileOperations::GetTrash() == mTrash.get()) {
    Bris::CFileOperations::SetTrash(nullptr);
  }
  if (mAlertRunner != nullptr && CErrorOut::GetAlertRunner() == mAlertRunner.get()) {
    CErrorOut::SetAlertRunner(nullptr);
  }
  if (sApp == this) {
    sApp = nullptr;
  }
}

// --- Start-up

bool CLibrarianApp::Initialize() {
  // From here on a quit signal waits for the event loop instead of ending the process at once.
  mSignalNotifier =
      std::make_unique<CUnixSignalNotifier>(std::initializer_list<int>{SIGTERM, SIGINT});
  connect(mSignalNotifier.get(), &CUnixSignalNotifier::SignalReceived, this,
          &CLibrarianApp::HandleQuitSignal);
  SetUpHelpMenu();
  InitializeZel();
  mWorkFolderPath = CreateTempFolder();
  if (mWorkFolderPath.empty()) {
    CErrorOut::ErrorAlert(kErrorWorkFolder);
    return false;
  }
  Bris::Domain().SetWorkFolderPath(mWorkFolderPath);
  mTrash = std::make_unique<CQtTrash>();
  Bris::CFileOperations::SetTrash(mTrash.get());
  mWorkFolderLock = std::make_unique<Bris::CWorkFolderLock>();
  mWorkFolderLock->Acquire(mWorkFolderPath);
  // Saves that an earlier session did not finish are finished first: they need the shelter
  // copies where they are. After a crash the rest of the work folder is kept, not emptied later.
  Bris::CFileOperations operations;
  RecoverInterruptedSaves(operations, mWorkFolderPath);
  if (mWorkFolderLock->WasLeftByUncleanExit()) {
    KeepWorkFiles(mWorkFolderPath);
  }
  LoadPreference();
  mPreferencesLoaded = true;

  mStartWindow = std::make_unique<CStartWindow>(*this);
  ShowOrHideStartWindow();
  UpdateCommandStatus();
  return true;
}

int CLibrarianApp::Run() {
  return QApplication::exec();
}

void CLibrarianApp::InitializeZel() {
  Bris::CDomain& domain = Bris::Domain();
  domain.SetPathDelimiter("/");
  if (domain.GetErrorOut() == nullptr) {
    domain.SetErrorOut(new CErrorOut);
  }
  if (domain.GetBufferedErrorOut() == nullptr) {
    domain.SetBufferedErrorOut(new CZelTextOutBuffer);
  }
}

void CLibrarianApp::SetUpHelpMenu() {
  if (mHelpCommand != 0) {
    return;
  }
  mHelpCommand = SyntheticCommand(kHelpMenuId, 1);
  mMenus.AddAction(mHelpCommand, QString::fromStdString(CStringTable::Get(CStringTable::kHelp, 1)),
                   QKeySequence::HelpContents);
}

// --- Menus

void CLibrarianApp::BuildMenuBar(QMenuBar* bar) {
  mMenus.BuildMenuBar(bar, *mWindowMenu, mHelpCommand);
  mRecentMenu->AttachToFileMenu(bar, GetCommandAction(kCmdOpen));
}

QAction* CLibrarianApp::GetCommandAction(CommandT command) const {
  return mMenus.GetCommandAction(command);
}

void CLibrarianApp::UpdateCommandStatus() {
  mMenus.UpdateCommandStatus(*mWindowMenu);
  mMenus.UpdateUndoItem(Bris::Domain().IsRedoNext());
}

QWidget* CLibrarianApp::GetStartWindow() const {
  return mStartWindow.get();
}

bool CLibrarianApp::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
  case QEvent::ShortcutOverride:
    // A shortcut may be about to fire: its command's state must be current.
    UpdateCommandStatus();
    break;
  case QEvent::WindowActivate:
    if (auto* window = qobject_cast<QWidget*>(watched);
        window != nullptr && FindDocumentOfWindow(window) != nullptr) {
      auto found = std::find(mActivationOrder.begin(), mActivationOrder.end(), window);
      if (found != mActivationOrder.end()) {
        mActivationOrder.erase(found);
      }
      mActivationOrder.emplace_back(window);
      UpdateCommandStatus();
    }
    break;
  default:
    break;
  }
  return QObject::eventFilter(watched, event);
}

// --- Commands

bool CLibrarianApp::ObeyCommand(CommandT command, void* param) {
  return mCommands.Obey(command) || CCommander::ObeyCommand(command, param);
}

void CLibrarianApp::FindCommandStatus(CommandT command, SCommandStatus& status) {
  if (!mCommands.FindStatus(command, status)) {
    CCommander::FindCommandStatus(command, status);
  }
}

void CLibrarianApp::HandleUndo() {
  mCommands.HandleUndo();
}

bool CLibrarianApp::HandleFont() {
  return mCommands.HandleFont();
}

bool CLibrarianApp::HandleGrid() {
  return mCommands.HandleGrid();
}

void CLibrarianApp::CascadeWindows(int step, int count) {
  mArranger.Cascade(step, count);
}

void CLibrarianApp::TileWindowsHorizontally(int maxRows) {
  mArranger.TileHorizontally(maxRows);
}

void CLibrarianApp::TileWindowsVertically(int maxColumns) {
  mArranger.TileVertically(maxColumns);
}

void CLibrarianApp::DoHelp() {
  const QString path = UHelpFile::FindForThisProgram();
  if (path.isEmpty() || !OpenWithDesktop(path)) {
    CErrorOut::ErrorAlert(kErrorHelp);
  }
}

bool CLibrarianApp::OpenWithDesktop(const QString& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void CLibrarianApp::ShowAboutBox() {
  // The Control key (Meta in Qt's naming) shows the build information as well.
  const bool withBuildInfo = QGuiApplication::queryKeyboardModifiers() & Qt::MetaModifier;
  CAboutBox box(withBuildInfo, QApplication::activeWindow());
  CModalDialogRunner::RunModal(box);
}

// --- Documents

std::unique_ptr<CDocument> CLibrarianApp::CreateDocument(const std::string& folderPath) {
  if (folderPath.empty()) {
    return std::make_unique<CLibrarianDoc>(this);
  }
  auto document = std::make_unique<CLibrarianDoc>(folderPath, this);
  if (!document->IsSpecified()) {
    return nullptr; // the document has told the user why
  }
  return document;
}

bool CLibrarianApp::MakeNewDocument() {
  std::unique_ptr<CDocument> document = CreateDocument(std::string());
  if (document == nullptr) {
    return false;
  }
  AddDocument(std::move(document));
  return true;
}

bool CLibrarianApp::ChooseDocument() {
  CProjectChooser chooser(true);
  std::string folder;
  long folderId = 0;
  if (!chooser.AskProjectFolder(folder, folderId, std::string())) {
    return false;
  }
  return OpenDocument(folder);
}

bool CLibrarianApp::OpenDocument(const std::string& folderPath) {
  if (CDocument* open = FindDocumentOfFolder(folderPath)) {
    if (QWidget* window = open->GetWindow()) {
      CWindowMenu::BringToFront(window);
    }
    return true;
  }
  std::unique_ptr<CDocument> document = CreateDocument(folderPath);
  if (document == nullptr) {
    return false;
  }
  const std::string openedFolder = document->GetFolderPath();
  AddDocument(std::move(document));
  mRecentMenu->NoteProject(openedFolder.empty() ? folderPath : openedFolder);
  return true;
}

void CLibrarianApp::AddDocument(std::unique_ptr<CDocument> document) {
  if (document == nullptr) {
    return;
  }
  document->SetSuperCommander(this);
  if (QWidget* window = document->GetWindow()) {
    mWindowMenu->InsertWindow(window);
    mActivationOrder.emplace_back(window);
  }
  mDocuments.push_back(std::move(document));
  ShowOrHideStartWindow();
  UpdateCommandStatus();
}

bool CLibrarianApp::CloseDocument(CDocument* document, bool askToSave) {
  auto found = std::find_if(
      mDocuments.begin(), mDocuments.end(),
      [document](const std::unique_ptr<CDocument>& open) { return open.get() == document; });
  if (found == mDocuments.end()) {
    return true;
  }
  if (askToSave && !document->AttemptClose()) {
    return false;
  }
  std::unique_ptr<CDocument> closing = std::move(*found);
  mDocuments.erase(found);
  if (QWidget* window = closing->GetWindow()) {
    mWindowMenu->RemoveWindow(window);
    mActivationOrder.erase(std::remove(mActivationOrder.begin(), mActivationOrder.end(), window),
                           mActivationOrder.end());
    window->hide();
  }
  // The document may be closing from inside its own window's event handler.
  mClosedDocuments.push_back(std::move(closing));
  QTimer::singleShot(0, this, &CLibrarianApp::DeleteClosedDocuments);
  ShowOrHideStartWindow();
  UpdateCommandStatus();
  return true;
}

void CLibrarianApp::DeleteClosedDocuments() {
  mClosedDocuments.clear();
}

std::vector<CDocument*> CLibrarianApp::GetDocuments() const {
  std::vector<CDocument*> documents;
  for (const std::unique_ptr<CDocument>& document : mDocuments) {
    documents.push_back(document.get());
  }
  return documents;
}

CDocument* CLibrarianApp::FindDocumentOfFolder(const std::string& folderPath) const {
  for (const std::unique_ptr<CDocument>& document : mDocuments) {
    const std::string folder = document->GetFolderPath();
    if (!folder.empty() && Ux::IsSameFolder(folder, folderPath)) {
      return document.get();
    }
  }
  return nullptr;
}

CDocument* CLibrarianApp::FindDocumentOfWindow(const QWidget* window) const {
  for (const std::unique_ptr<CDocument>& document : mDocuments) {
    if (window != nullptr && document->GetWindow() == window) {
      return document.get();
    }
  }
  return nullptr;
}

std::vector<QWidget*> CLibrarianApp::GetWindowsInActivationOrder() const {
  std::vector<QWidget*> windows;
  for (const QPointer<QWidget>& window : mActivationOrder) {
    if (window != nullptr && window->isVisible()) {
      windows.push_back(window);
    }
  }
  return windows;
}

QWidget* CLibrarianApp::GetSelectedWindow() const {
  const std::vector<QWidget*> windows = GetWindowsInActivationOrder();
  return windows.empty() ? nullptr : windows.back();
}

void CLibrarianApp::ShowOrHideStartWindow() {
  if (mStartWindow == nullptr) {
    return;
  }
  if (mDocuments.empty() && !mQuit.IsQuitting()) {
    mStartWindow->show();
  } else {
    mStartWindow->hide();
  }
}

void CLibrarianApp::BringFrontWindowForward() {
  QWidget* window = GetSelectedWindow();
  if (window == nullptr) {
    window = mStartWindow.get();
  }
  if (window != nullptr) {
    CWindowMenu::BringToFront(window);
  }
}

// --- Quitting

void CLibrarianApp::DoQuit() {
  mQuit.DoQuit();
}

void CLibrarianApp::HandleQuitSignal() {
  mQuit.HandleQuitSignal();
}

// --- Preferences and work folder

void CLibrarianApp::LoadPreference() {
  UAppPreferences::Load();
}

void CLibrarianApp::SavePreference() {
  UAppPreferences::Save();
}

void CLibrarianApp::SavePrefLastProject(const std::string& folderPath) {
  UAppPreferences::SaveLastProject(folderPath);
}

bool CLibrarianApp::LoadPrefLastProject(std::string& folderPath) {
  return UAppPreferences::LoadLastProject(folderPath);
}

bool CLibrarianApp::CreateFolder(const std::string& parentPath, const std::string& name) {
  return UWorkFolder::CreateFolder(parentPath, name);
}

CLibrarySearch& CLibrarianApp::GetLibrarySearch() {
  if (mLibrarySearch == nullptr) {
    mLibrarySearch = std::make_unique<CLibrarySearch>(*this);
  }
  return *mLibrarySearch;
}

std::string CLibrarianApp::CreateTempFolder() {
  return UWorkFolder::CreateTempFolder();
}

int CLibrarianApp::KeepWorkFiles(const std::string& folderPath) {
  return UWorkFolder::KeepWorkFiles(folderPath);
}

int CLibrarianApp::DeleteWorkFiles(const std::string& folderPath) {
  return UWorkFolder::DeleteWorkFiles(folderPath);
}
