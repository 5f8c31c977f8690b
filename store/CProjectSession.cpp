#include "store/CProjectSession.h"

#include "LibMac/Utility/Ux.h"
#include "domain/CDomain.h"
#include "domain/CZelData.h"
#include "store/CFileOperations.h"
#include "store/CPlanningFolders.h"
#include "store/CProjectOpener.h"
#include "store/CReadabilityTracker.h"
#include "store/CSaveAsTarget.h"
#include "store/CWritePlan.h"

#include <filesystem>
#include <system_error>

namespace Bris {

namespace fs = std::filesystem;

CProjectSession::CProjectSession() : CProjectSession(std::make_unique<CBriselDocument>()) {}

CProjectSession::CProjectSession(std::unique_ptr<CBriselDocument> document)
    : mDocument(std::move(document)) {
  if (mDocument == nullptr) {
    mDocument = std::make_unique<CBriselDocument>();
  }
  Register();
}

CProjectSession::~CProjectSession() {
  Close();
}

void CProjectSession::Register() {
  CDomain::SOpenDocument entry;
  entry.document = mDocument.get();
  entry.data = &mDocument->GetZelData();
  entry.isModified = [this] { return mModified; };
  Domain().RegisterOpenDocument(entry);
}

void CProjectSession::Close() {
  if (mDocument == nullptr) {
    return;
  }
  // The document shelters files for the other open projects as it goes, and must no longer count
  // itself among them. At program exit the domain may already be gone.
  if (CDomain* domain = CDomain::GetExisting()) {
    domain->UnregisterOpenDocument(mDocument.get());
  }
  mDocument.reset();
}

bool CProjectSession::IsValidProject(const std::string& folder) {
  return CProjectOpener::IsValidProject(folder);
}

// --- Opening

SOpenResult CProjectSession::Open(const std::string& folder) {
  mFolderPath.clear();
  mModified = false;
  if (mDocument == nullptr) {
    SOpenResult closed;
    closed.failure = EOpenFailure::kNoProjectFolder;
    closed.path = folder;
    return closed;
  }
  mRecovered = !Domain().GetWorkFolderPath().empty() &&
               CSaveRecovery(mDocument->GetFileOperations())
                   .RecoverProject(Domain().GetWorkFolderPath(),
                                   Ux::WithoutTrailingSlash(folder) + "/", mRecoveryReport);
  // The read opens every record's file, which tells whether they can be read: the window's first
  // activation and a Save As right after the opening then need not ask the file system again.
  CReadabilityTracker& readability = mDocument->GetReadabilityTracker();
  readability.WatchBeforeReading(SlotFolders(folder));
  SOpenResult result = CProjectOpener::Open(*mDocument, folder);
  if (result) {
    mFolderPath = Ux::WithoutTrailingSlash(folder);
    readability.RememberRead(mDocument->GetZelData());
  }
  return result;
}

std::set<std::string> CProjectSession::SlotFolders(const std::string& folder) {
  const std::string project = Ux::WithoutTrailingSlash(folder);
  std::set<std::string> folders;
  for (const char* name : {"/Patch", "/Tone", "/Wave"}) {
    // A project without waves may lack its wave folder, which then cannot be watched.
    std::error_code error;
    if (fs::is_directory(project + name, error)) {
      folders.insert(CZelFileDocument::SystemPath(project + name));
    }
  }
  return folders;
}

// --- Saving

CProjectSession::ESaveResult CProjectSession::Save() {
  return Write(false);
}

CProjectSession::ESaveResult CProjectSession::Write(bool saveAs) {
  if (mDocument == nullptr) {
    return ESaveResult::kRefused;
  }
  mDocument->ClearMemoWriteFailed();
  mDocument->GetFileOperations().ClearLastError();
  if (!mFolderPath.empty() && !IsValidProject(mFolderPath)) {
    return ESaveResult::kRefused;
  }
  // A Save As checked every file a moment ago, before it made the target folder.
  if (!saveAs && !mDocument->IsWritePossibleTracked()) {
    return ESaveResult::kRefused;
  }
  // A memo file that could not be written fails the save too: the project stays modified so that
  // the next save writes it again.
  if (!mDocument->WriteDocument(saveAs) || mDocument->IsMemoWriteFailed()) {
    return ESaveResult::kFailed;
  }
  mModified = false;
  return ESaveResult::kSaved;
}

CProjectSession::ESaveResult
CProjectSession::SaveAs(const std::string& targetPath,
                        const std::function<bool()>& confirmDeletingFiles) {
  CSaveAsTarget target(targetPath);
  if (mDocument == nullptr) {
    return ESaveResult::kRefused;
  }
  // Tracked: a window's activation has usually just asked, and the write's own check can then
  // skip every source file.
  if (!mDocument->IsWritePossibleTracked()) {
    std::error_code error;
    fs::remove(target.Folder(), error); // only an empty folder, such as one just made, goes
    return ESaveResult::kRefused;
  }
  CZelData& data = mDocument->GetZelData();
  const std::string oldProjectName = data.mProjectPath;

  const CSaveAsTarget::EResult prepared = target.Prepare(confirmDeletingFiles);
  if (prepared != CSaveAsTarget::EResult::kReady) {
    target.RemoveCreatedSubFolders();
    return prepared == CSaveAsTarget::EResult::kDeclined ? ESaveResult::kDeclined
                                                         : ESaveResult::kRefused;
  }

  // A project that has never been saved has no folder and so no system files to bring along.
  const std::string targetWithSlash = target.Folder() + "/";
  if (!oldProjectName.empty() &&
      (!mDocument->CopySystemFile(targetWithSlash) || !AreSystemFilesCopied(targetWithSlash))) {
    target.RemoveCreated();
    return ESaveResult::kRefused;
  }

  data.SetProjectName(targetWithSlash);
  const ESaveResult saved = Write(true);
  // A save that stopped before the files were in place leaves the project where it was. One that
  // only failed on a memo file has moved the project: it lives in the new folder from now on.
  if (saved != ESaveResult::kSaved && !mDocument->IsMemoWriteFailed()) {
    data.mProjectPath = oldProjectName;
    return saved;
  }
  mFolderPath = target.Folder();
  return saved;
}

bool CProjectSession::PlanSave(CWritePlan& plan) {
  if (mDocument == nullptr || (!mFolderPath.empty() && !IsValidProject(mFolderPath)) ||
      !mDocument->IsWritePossible()) {
    return false;
  }
  return mDocument->PlanWrite(false, plan);
}

bool CProjectSession::PlanSaveAs(const std::string& target, CWritePlan& plan) {
  if (mDocument == nullptr || !mDocument->IsWritePossible()) {
    return false;
  }
  const std::string folder = Ux::WithoutTrailingSlash(target);
  const CPlanningFolders planningFolders(folder);
  CZelData& data = mDocument->GetZelData();
  const std::string oldProjectName = data.mProjectPath;
  data.SetProjectName(folder + "/");
  const bool planned = mDocument->PlanWrite(true, plan);
  data.mProjectPath = oldProjectName;
  return planned;
}

bool CProjectSession::AreSystemFilesCopied(const std::string& targetWithSlash) const {
  const std::string& source = mDocument->GetZelData().mProjectPath;
  for (const char* name : CZelFileDocument::sSystemFileNames) {
    std::error_code error;
    if (fs::is_regular_file(source + name, error) &&
        !fs::is_regular_file(targetWithSlash + name, error)) {
      return false;
    }
  }
  return true;
}

} // namespace Bris
