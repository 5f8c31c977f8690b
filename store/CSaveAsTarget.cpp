#include "store/CSaveAsTarget.h"

#include "LibMac/Utility/UFileUtils.h"
#include "LibMac/Utility/Ux.h"
#include "store/FileExt.h"

#include <filesystem>
#include <list>
#include <system_error>

namespace Bris {

namespace fs = std::filesystem;

namespace {

constexpr const char* kSubFolderNames[3] = {"Patch", "Tone", "Wave"};
constexpr const char* const* kSubFolderExtensions[3] = {FileExt_Patch, FileExt_Tone, FileExt_Wave};

} // namespace

CSaveAsTarget::CSaveAsTarget(const std::string& folder)
    : mFolder(Ux::WithoutTrailingSlash(folder)) {}

CSaveAsTarget::EResult CSaveAsTarget::Prepare(const std::function<bool()>& confirmDeletingFiles) {
  if (!DeleteSystemFiles(confirmDeletingFiles)) {
    return EResult::kDeclined;
  }
  for (int kind = 0; kind < 3; ++kind) {
    const EResult result = PrepareSubFolder(kind, confirmDeletingFiles);
    if (result != EResult::kReady) {
      return result;
    }
  }
  return EResult::kReady;
}

std::list<std::string> CSaveAsTarget::FilesToDelete() const {
  std::list<std::string> files = SystemFiles();
  for (int kind = 0; kind < 3; ++kind) {
    std::error_code error;
    std::list<std::string> dataFiles;
    if (fs::is_directory(SubFolder(kind), error) &&
        UFileUtils::ListFiles(SubFolder(kind), kSubFolderExtensions[kind], dataFiles, error)) {
      files.splice(files.end(), dataFiles);
    }
  }
  return files;
}

// A target that cannot be listed holds no system files to speak of; making its subfolders will
// tell whether it can be used.
std::list<std::string> CSaveAsTarget::SystemFiles() const {
  std::list<std::string> systemFiles;
  std::error_code error;
  if (!UFileUtils::ListFiles(mFolder, FileExt_System, systemFiles, error)) {
    systemFiles.clear();
  }
  return systemFiles;
}

std::string CSaveAsTarget::SubFolder(int kind) const {
  return mFolder + "/" + kSubFolderNames[kind];
}

bool CSaveAsTarget::DeleteSystemFiles(const std::function<bool()>& confirm) {
  const std::list<std::string> systemFiles = SystemFiles();
  if (systemFiles.empty()) {
    return true;
  }
  // One confirmation covers the subfolders too.
  mAskFirst = false;
  if (confirm && !confirm()) {
    return false;
  }
  for (const std::string& file : systemFiles) {
    std::error_code error;
    fs::remove(file, error);
  }
  return true;
}

CSaveAsTarget::EResult CSaveAsTarget::PrepareSubFolder(int kind,
                                                       const std::function<bool()>& confirm) {
  const std::string folder = SubFolder(kind);
  std::error_code error;
  const fs::file_status status = fs::status(folder, error);
  if (fs::exists(status)) {
    if (!fs::is_directory(status)) {
      return EResult::kFailed;
    }
    if (mAskFirst) {
      mAskFirst = false;
      if (confirm && !confirm()) {
        return EResult::kDeclined;
      }
    }
    std::list<std::string> files;
    if (!UFileUtils::ListFiles(folder, kSubFolderExtensions[kind], files, error)) {
      return EResult::kFailed;
    }
    for (const std::string& file : files) {
      fs::remove(file, error);
    }
    return EResult::kReady;
  }
  if (!fs::create_directory(folder, error) || error) {
    return EResult::kFailed;
  }
  mCreated[kind] = true;
  return EResult::kReady;
}

void CSaveAsTarget::RemoveCreatedSubFolders() {
  for (int kind = 0; kind < 3; ++kind) {
    if (!mCreated[kind]) {
      continue;
    }
    const std::string folder = SubFolder(kind);
    std::list<std::string> files;
    std::error_code error;
    // A folder that cannot be emptied stays; removing it below fails as well.
    UFileUtils::ListFiles(folder, FileExt_All, files, error);
    for (const std::string& file : files) {
      fs::remove(file, error);
    }
    fs::remove(folder, error);
    mCreated[kind] = false;
  }
}

void CSaveAsTarget::RemoveCreated() {
  RemoveCreatedSubFolders();
  std::error_code error;
  fs::remove(mFolder, error); // only an empty folder goes
}

} // namespace Bris
