#include "app/CLibrarianDoc.h"

#include "LibMac/Utility/UFileUtils.h"
#include "LibMac/Utility/Ux.h"
#include "Zel/Generic/CErrorOut.h"
#include "Zel/Generic/CStringTable.h"
#include "app/CLibrarianApp.h"
#include "app/CProjectChooser.h"
#include "app/CProjectWindow.h"
#include "domain/CDomain.h"
#include "domain/CZelData.h"
#include "framework/DialogText.h"
#include "framework/StWatchCursor.h"
#include "store/FileExt.h"

#include <QApplication>
#include <QCursor>

#include <exception>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr int kErrorOpen = 1;
constexpr int kErrorSave = 2;
constexpr int kQuestionDeleteFiles = 7;
constexpr const char* kSubFolderNames[3] = {"Patch", "Tone", "Wave"};

bool IsDirectory(const std::string& path) {
  std::error_code error;
  return fs::is_directory(path, error);
}

bool Exists(const std::string& path) {
  std::error_code error;
  return fs::exists(fs::symlink_status(path, error));
}

const char* const* ExtensionsOf(int kind) {
  switch (kind) {
  case Bris::CParameter::kPatch:
    return Bris::FileExt_Patch;
  case Bris::CParameter::kTone:
    return Bris::FileExt_Tone;
  default:
    return Bris::FileExt_Wave;
  }
}

// The files of folder with one of extensions; none when the folder cannot be listed.
std::list<std::string> ListFiles(const std::string& folder, const char* const* extensions) {
  std::list<std::string> files;
  try {
    UFileUtils::SearchFiles(folder, extensions, &files);
  } catch (const fs::filesystem_error&) {
    files.clear();
  }
  return files;
}

} // namespace

CLibrarianDoc::CLibrarianDoc(CCommander* superCommander)
    : CDocument(superCommander), mStore(std::make_unique<Bris::CBriselDocument>()) {
  RegisterWithDomain();
  CreateWindow();
  NameNewProject();
  SetModified(false);
  mWindow->show();
}

CLibrarianDoc::CLibrarianDoc(const std::string& folderPath, CCommander* superCommander)
    : CDocument(superCommander), mStore(std::make_unique<Bris::CBriselDocument>()) {
  if (!OpenProject(folderPath)) {
    return;
  }
  RegisterWithDomain();
  CreateWindow();
  mSpecified = true;
  UpdateWindowTitle();
  UpdateProjectPath();
  mWindow->show();
  mSaveAs = false;
}

CLibrarianDoc::~CLibrarianDoc() {
  // The lists reach the document while they go; the store shelters files that other open
  // projects still need, and must no longer count itself among them.
  mWindow.reset();
  Bris::Domain().UnregisterOpenDocument(mStore.get());
  mStore.reset();
}

Bris::CZelData& CLibrarianDoc::GetZelData() {
  return mStore->GetZelData();
}

void CLibrarianDoc::RegisterWithDomain() {
  Bris::CDomain::SOpenDocument entry;
  entry.document = mStore.get();
  entry.data = &mStore->GetZelData();
  entry.isModified = [this] { return mModified; };
  Bris::Domain().RegisterOpenDocument(entry);
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
  return mModified;
}

QString CLibrarianDoc::GetDescriptor() const {
  if (mSpecified && !mFolderPath.empty()) {
    return DialogText::FromSystemEncoding(fs::path(mFolderPath).filename().string());
  }
  QString title = mTitle;
  if (title.endsWith(QLatin1Char('*'))) {
    title.chop(1);
  }
  return title;
}

bool CLibrarianDoc::UsesData(const Bris::CZelData* data) const {
  return data != nullptr && data == &mStore->GetZelData();
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
    status.enabled = mModified || !mSpecified;
    return;
  default:
    CDocument::FindCommandStatus(command, status);
  }
}

// --- Modified state, title and texts

void CLibrarianDoc::SetModified(bool modified) {
  const bool changed = modified != mModified;
  mModified = modified;
  UpdateWindowTitle();
  if (changed) {
    if (CLibrarianApp* app = CLibrarianApp::GetApp()) {
      app->UpdateCommandStatus();
    }
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
  if (mModified) {
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
  std::string path = mStore->GetZelData().mProjectPath;
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
  std::string text = mStore->GetTotalWaveSize();
  if (text.size() > 255) {
    text.resize(255);
  }
  return text;
}

// --- Opening

bool CLibrarianDoc::IsValidProject(const std::string& folderPath) {
  const std::string folder = Ux::WithoutTrailingSlash(folderPath);
  if (!IsDirectory(folder)) {
    return false;
  }
  for (const char* name : kSubFolderNames) {
    if (!Exists(folder + "/" + name)) {
      return false;
    }
  }
  return true;
}

bool CLibrarianDoc::OpenProject(const std::string& folderPath) {
  mFolderPath.clear();
  mModified = false;
  mSpecified = false;
  StWatchCursor watch;
  bool opened = false;
  try {
    const std::string folder = Ux::WithoutTrailingSlash(folderPath);
    const std::string patchFolder = folder + "/Patch";
    const std::string toneFolder = folder + "/Tone";
    const std::string waveFolder = folder + "/Wave";
    if (IsDirectory(folder) && IsDirectory(patchFolder) && IsDirectory(toneFolder)) {
      std::list<std::string> patchFiles;
      std::list<std::string> toneFiles;
      std::list<std::string> waveFiles;
      UFileUtils::SearchFiles(patchFolder, Bris::FileExt_Patch, &patchFiles);
      UFileUtils::SearchFiles(toneFolder, Bris::FileExt_Tone, &toneFiles);
      // A project without waves may lack its wave folder.
      if (IsDirectory(waveFolder)) {
        UFileUtils::SearchFiles(waveFolder, Bris::FileExt_Wave, &waveFiles);
      }
      if (mStore->ReadDocument(folder + "/", patchFiles, toneFiles, waveFiles)) {
        mFolderPath = folder;
        opened = true;
      }
    }
  } catch (const std::exception&) {
    opened = false;
  }
  if (!opened) {
    CErrorOut::ErrorAlert(kErrorOpen);
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
  mSaveAs = false;
  return SaveProject();
}

bool CLibrarianDoc::SaveProject() {
  StWatchCursor watch;
  mStore->ClearMemoWriteFailed();
  if (!mFolderPath.empty() && !IsValidProject(mFolderPath)) {
    CErrorOut::ErrorAlert(kErrorSave);
    return false;
  }
  if (!mStore->IsWritePossible()) {
    CErrorOut::ErrorAlert(kErrorSave);
    return false;
  }
  // A memo file that could not be written fails the save too: the document stays modified so
  // that the next save writes it again.
  if (!mStore->WriteDocument(mSaveAs) || mStore->IsMemoWriteFailed()) {
    CErrorOut::ErrorAlert(kErrorSave);
    UpdateWindowContents();
    return false;
  }
  mSpecified = true;
  SetModified(false);
  UpdateWindowContents();
  return true;
}

bool CLibrarianDoc::AskSaveAs() {
  std::string startFolder = mFolderPath;
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
  if (!mFolderPath.empty() && !IsValidProject(mFolderPath)) {
    CErrorOut::ErrorAlert(kErrorSave);
    return false;
  }
  if (!mFolderPath.empty() && Ux::IsSameFolder(chosen, mFolderPath)) {
    mSaveAs = false;
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
  const std::string target = Ux::WithoutTrailingSlash(targetPath);
  if (!mStore->IsWritePossible()) {
    CErrorOut::ErrorAlert(kErrorSave);
    std::error_code error;
    fs::remove(target, error); // only an empty folder, such as one the chooser just made, goes
    return false;
  }
  Bris::CZelData& data = mStore->GetZelData();
  const std::string oldProjectName = data.mProjectPath;

  bool askFirst = true;
  const std::list<std::string> systemFiles = ListFiles(target, Bris::FileExt_System);
  if (!systemFiles.empty()) {
    askFirst = false;
    if (!CErrorOut::NoteAlert(CZelTextOut::kYesNo, kQuestionDeleteFiles)) {
      return false;
    }
    for (const std::string& file : systemFiles) {
      std::error_code error;
      fs::remove(file, error);
    }
  }

  bool created[3] = {false, false, false};
  for (int kind = 0; kind < 3; ++kind) {
    if (!CreateProjectSubFolder(target, kSubFolderNames[kind], ExtensionsOf(kind), askFirst,
                                created[kind])) {
      data.mProjectPath = oldProjectName;
      RemoveCreatedSubFolders(target, created);
      return false;
    }
  }

  // A project that has never been saved has no folder and so no system files to bring along.
  const std::string targetWithSlash = target + "/";
  if (!oldProjectName.empty() &&
      (!mStore->CopySystemFile(targetWithSlash) || !AreSystemFilesCopied(targetWithSlash))) {
    CErrorOut::ErrorAlert(kErrorSave);
    data.mProjectPath = oldProjectName;
    RemoveCreatedSubFolders(target, created);
    std::error_code error;
    fs::remove(target, error);
    return false;
  }

  data.SetProjectName(targetWithSlash);
  mSaveAs = true;
  const bool saved = SaveProject();
  mSaveAs = false;
  // A save that stopped before the files were in place leaves the project where it was. One that
  // only failed on a memo file has moved the project: it lives in the new folder from now on.
  if (!saved && !mStore->IsMemoWriteFailed()) {
    data.mProjectPath = oldProjectName;
    return false;
  }
  mFolderPath = target;
  mSpecified = true;
  UpdateWindowTitle();
  UpdateProjectPath();
  return saved;
}

bool CLibrarianDoc::AreSystemFilesCopied(const std::string& targetWithSlash) const {
  const std::string& source = mStore->GetZelData().mProjectPath;
  for (const char* name : Bris::CZelFileDocument::sSystemFileNames) {
    std::error_code error;
    if (fs::is_regular_file(source + name, error) &&
        !fs::is_regular_file(targetWithSlash + name, error)) {
      return false;
    }
  }
  return true;
}

bool CLibrarianDoc::CreateProjectSubFolder(const std::string& parentPath, const std::string& name,
                                           const char* const* extensions, bool& askFirst,
                                           bool& created) {
  const std::string folder = parentPath + "/" + name;
  std::error_code error;
  const fs::file_status status = fs::status(folder, error);
  if (fs::exists(status)) {
    if (!fs::is_directory(status)) {
      CErrorOut::ErrorAlert(kErrorSave);
      return false;
    }
    if (askFirst) {
      askFirst = false;
      if (!CErrorOut::NoteAlert(CZelTextOut::kYesNo, kQuestionDeleteFiles)) {
        return false;
      }
    }
    try {
      UFileUtils::DeleteSubFiles(folder, extensions, false);
    } catch (const fs::filesystem_error&) {
      CErrorOut::ErrorAlert(kErrorSave);
      return false;
    }
    return true;
  }
  if (!fs::create_directory(folder, error) || error) {
    CErrorOut::ErrorAlert(kErrorSave);
    return false;
  }
  created = true;
  return true;
}

void CLibrarianDoc::RemoveCreatedSubFolders(const std::string& targetPath, const bool created[3]) {
  for (int kind = 0; kind < 3; ++kind) {
    if (!created[kind]) {
      continue;
    }
    const std::string folder = targetPath + "/" + kSubFolderNames[kind];
    try {
      UFileUtils::DeleteSubFiles(folder, Bris::FileExt_All, false);
    } catch (const fs::filesystem_error&) {
      // the folder stays; removing it below fails as well
    }
    std::error_code error;
    fs::remove(folder, error);
  }
}
