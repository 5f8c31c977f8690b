#include "app/CLibrarianDoc.h"

#include "LibMac/Utility/Ux.h"
#include "Zel/Generic/CErrorOut.h"
#include "Zel/Generic/CStringTable.h"
#include "app/CLibrarianApp.h"
#include "app/CProjectChooser.h"
#include "app/CProjectWindow.h"
#include "app/CRecentProjectsMenu.h"
#include "app/CSavePreview.h"
#include "app/OpenFailureText.h"
#include "app/SaveRecoveryAlerts.h"
#include "app/StSaveProgress.h"
#include "domain/CZelData.h"
#include "framework/DialogText.h"
#include "framework/StWatchCursor.h"
#include "store/CFileOperations.h"

#include <QApplication>
#include <QCursor>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

constexpr int kErrorOpen = 1;
constexpr int kErrorSave = 2;
constexpr int kQuestionDeleteFiles = 7;

using ESaveResult = Bris::CProjectSession::ESaveResult;

} // namespace

CLibrarianDoc::CLibrarianDoc(CCommander* superCommander)
    : CDocument(superCommander), mSession(std::make_unique<Bris::CProjectSession>()) {
  CreateWindow();
  NameNewProject();
  SetModified(false);
  mWindow->show();
}

CLibrarianDoc::CLibrarianDoc(const std::string& folderPath, CCommander* superCommander)
    : CDocument(superCommander), mSession(std::make_unique<Bris::CProjectSession>()) {
  if (!OpenProject(folderPath)) {
    return;
  }
  CreateWindow();
  mSpecified = true;
  UpdateWindowTitle();
  UpdateProjectPath();
  mWindow->show();
}

CLibrarianDoc::~CLibrarianDoc() {
  // The lists reach the document while they go; closing the session then shelters the files
  // that other open projects still need.
  mWindow.reset();
  mSession->Close();
}

Bris::CZelData& CLibrarianDoc::GetZelData() {
  return mSession->GetZelData();
}

void CLibrarianDoc::CreateWindow() {
  mWindow = std::make_unique<CProjectWindow>(this);
  mWindow->Initialize(this);
}

// --- CDocument

QWidget* CLibrarianDoc::GetWindow() const {
  return mWindow.get();
}

bool CLibrarianDoc::IsModified() {
  UpdateWindowTitle();
  return mSession->IsModified();
}

QString CLibrarianDoc::GetDescriptor() const {
  const std::string& folder = mSession->GetFolderPath();
  if (mSpecified && !folder.empty()) {
    return DialogText::FileNameOf(folder);
  }
  QString title = mTitle;
  if (title.endsWith(QLatin1Char('*'))) {
    title.chop(1);
  }
  return title;
}

bool CLibrarianDoc::UsesData(const Bris::CZelData* data) const {
  return data != nullptr && mSession->IsOpen() && data == &mSession->GetZelData();
}

void CLibrarianDoc::HandleUndoApplied() {
  SetModified(true);
  if (mWindow != nullptr) {
    mWindow->ClearTableSelection();
  }
  UpdateWindowContents();
}

bool CLibrarianDoc::ObeyCommand(CommandT command, void* param) {
  switch (command) {
  case kCmdClose:
    if (CLibrarianApp* app = CLibrarianApp::GetApp()) {
      app->CloseDocument(this);
    }
    return true;
  case kCmdSave:
    DoSave();
    return true;
  case kCmdSaveAs:
    AskSaveAs();
    return true;
  case kCmdPreviewSave:
    CSavePreview::ShowPreview(*mSession, mWindow.get());
    return true;
  default:
    return CDocument::ObeyCommand(command, param);
  }
}

void CLibrarianDoc::FindCommandStatus(CommandT command, SCommandStatus& status) {
  switch (command) {
  case kCmdClose:
  case kCmdSaveAs:
    status.enabled = true;
    return;
  case kCmdSave:
    status.enabled = mSession->IsModified() || !mSpecified;
    return;
  case kCmdPreviewSave: // a project never saved has no folder whose files a save could change
    status.enabled = mSpecified;
    return;
  default:
    CDocument::FindCommandStatus(command, status);
  }
}

// --- Modified state, title and texts

void CLibrarianDoc::SetModified(bool modified) {
  const bool changed = modified != mSession->IsModified();
  mSession->SetModified(modified);
  UpdateWindowTitle();
  if (changed) {
    UpdateCommandStatus();
  }
}

void CLibrarianDoc::UpdateCommandStatus() {
  if (CLibrarianApp* app = CLibrarianApp::GetApp()) {
    app->UpdateCommandStatus();
  }
}

QString CLibrarianDoc::BaseTitle() const {
  return QString::fromStdString(CStringTable::Get(CStringTable::kTitles, 1));
}

void CLibrarianDoc::NameNewProject() {
  mTitle = BaseTitle();
  if (sNewCount > 0) {
    mTitle += QLatin1Char(' ') + QString::number(sNewCount);
  }
  ++sNewCount;
  UpdateWindowTitle();
  UpdateProjectPath();
}

void CLibrarianDoc::UpdateWindowTitle() {
  QString title = GetDescriptor();
  if (mSession->IsModified()) {
    title += QLatin1Char('*');
  }
  mTitle = title;
  if (mWindow != nullptr && mWindow->windowTitle() != title) {
    mWindow->setWindowTitle(title);
  }
}

void CLibrarianDoc::UpdateProjectPath() {
  if (mWindow == nullptr) {
    return;
  }
  std::string path = mSession->GetZelData().mProjectPath;
  if (!path.empty() && path.back() == '/') {
    path.pop_back();
  }
  mWindow->SetPathText(DialogText::FromSystemEncoding(path));
}

void CLibrarianDoc::UpdateWindowContents() {
  if (mWindow != nullptr) {
    mWindow->UpdateContents();
  }
}

std::string CLibrarianDoc::GetTotalWaveSize() const {
  std::string text = mSession->GetDocument().GetTotalWaveSize();
  if (text.size() > 255) {
    text.resize(255);
  }
  return text;
}

// --- Opening

bool CLibrarianDoc::IsValidProject(const std::string& folderPath) {
  return Bris::CProjectSession::IsValidProject(folderPath);
}

bool CLibrarianDoc::OpenProject(const std::string& folderPath) {
  mSpecified = false;
  StWatchCursor watch;
  const Bris::SOpenResult result = mSession->Open(folderPath);
  // A save of this project that an earlier session did not finish was finished first.
  if (const auto* report = mSession->GetRecoveryReport()) {
    ShowSaveRecoveryReport(*report);
  }
  if (!result) {
    CErrorOut::ErrorAlert(kErrorOpen, OpenFailureText::Describe(folderPath, result));
    return false;
  }
  mSpecified = true;
  return true;
}

// --- Saving

bool CLibrarianDoc::DoSave() {
  if (!mSpecified) {
    return AskSaveAs();
  }
  return SaveProject();
}

bool CLibrarianDoc::SaveProject() {
  if (!CSavePreview::ConfirmSave(*mSession, mWindow.get())) {
    return false;
  }
  StWatchCursor watch;
  const bool wasModified = mSession->IsModified();
  ESaveResult result = ESaveResult::kRefused;
  {
    StSaveProgress progress(GetStore(), GetDescriptor(), mWindow.get());
    result = mSession->Save();
  }
  return ShowSaveResult(result, wasModified);
}

bool CLibrarianDoc::ShowSaveResult(ESaveResult result, bool wasModified) {
  switch (result) {
  case ESaveResult::kSaved:
    mSpecified = true;
    UpdateWindowTitle();
    if (wasModified) {
      UpdateCommandStatus();
    }
    UpdateWindowContents();
    return true;
  case ESaveResult::kDeclined:
    return false;
  case ESaveResult::kRefused:
    CErrorOut::ErrorAlert(kErrorSave);
    return false;
  case ESaveResult::kFailed:
    // Which file failed, and why, when the failing step said so.
    CErrorOut::ErrorAlert(kErrorSave,
                          mSession->GetDocument().GetFileOperations().DescribeLastError());
    UpdateWindowContents();
    return false;
  }
  return false;
}

bool CLibrarianDoc::AskSaveAs() {
  const std::string folder = mSession->GetFolderPath();
  std::string startFolder = folder;
  if (startFolder.empty()) {
    std::string lastProject;
    if (CLibrarianApp::LoadPrefLastProject(lastProject) && !lastProject.empty()) {
      startFolder = fs::path(lastProject).parent_path().string();
    }
  }
  CProjectChooser chooser(false);
  std::string chosen = startFolder;
  long folderId = 0;
  if (!chooser.AskProjectFolder(chosen, folderId, DialogText::ToSystemEncoding(GetDescriptor()),
                                mWindow.get())) {
    return false;
  }
  chosen = Ux::WithoutTrailingSlash(chosen);
  if (!folder.empty() && !IsValidProject(folder)) {
    CErrorOut::ErrorAlert(kErrorSave);
    return false;
  }
  if (!folder.empty() && Ux::IsSameFolder(chosen, folder)) {
    return SaveProject();
  }
  if (CLibrarianApp* app = CLibrarianApp::GetApp()) {
    CDocument* other = app->FindDocumentOfFolder(chosen);
    if (other != nullptr && other != this) {
      CErrorOut::ErrorAlert(kErrorSave);
      return false;
    }
  }
  return DoAESave(chosen);
}

bool CLibrarianDoc::DoAESave(const std::string& targetPath) {
  if (!CSavePreview::ConfirmSaveAs(*mSession, targetPath, mWindow.get())) {
    return false;
  }
  StWatchCursor watch;
  const std::string oldFolder = mSession->GetFolderPath();
  const bool wasModified = mSession->IsModified();
  // Yes empties the chosen project's folders: Return must not be enough to say it.
  const auto confirmDeletingFiles = [] {
    return CErrorOut::ConfirmDestructive(kQuestionDeleteFiles);
  };
  ESaveResult result = ESaveResult::kRefused;
  {
    StSaveProgress progress(GetStore(), DialogText::FileNameOf(targetPath), mWindow.get());
    result = mSession->SaveAs(targetPath, confirmDeletingFiles);
  }
  const bool saved = ShowSaveResult(result, wasModified);
  // A save as that only failed on a memo file has moved the project all the same.
  if (saved || mSession->GetFolderPath() != oldFolder) {
    mSpecified = true;
    UpdateWindowTitle();
    UpdateProjectPath();
    if (CLibrarianApp* app = CLibrarianApp::GetApp()) {
      app->GetRecentProjectsMenu().NoteProject(mSession->GetFolderPath());
    }
  }
  return saved;
}
