#include "tools/brisel/CToolWorkFolder.h"

#include "LibMac/Utility/UFileUtils.h"
#include "LibMac/Utility/Ux.h"
#include "store/FileExt.h"

#include <ctime>
#include <filesystem>
#include <list>
#include <system_error>

namespace BrisTool {

namespace fs = std::filesystem;

namespace {

std::list<std::string> ListDataFiles(const std::string& folder) {
  std::list<std::string> paths;
  for (const char* const* extensions :
       {Bris::FileExt_Patch, Bris::FileExt_Tone, Bris::FileExt_Wave}) {
    std::error_code error;
    UFileUtils::ListFiles(Ux::WithoutTrailingSlash(folder), extensions, paths, error);
  }
  return paths;
}

} // namespace

std::string CToolWorkFolder::DefaultPath() {
  const std::string dataHome = Ux::GetSpecialFolderName(Ux::kApplicationSupportFolder);
  if (dataHome.empty()) {
    return std::string();
  }
  return Ux::WithoutTrailingSlash(dataHome) + "/Taveno/Brisel Librarian/BrisWork/";
}

CToolWorkFolder::~CToolWorkFolder() {
  Release(true);
}

CToolWorkFolder::EAcquire CToolWorkFolder::Acquire(const std::string& path, bool lock) {
  std::error_code error;
  fs::create_directories(path, error);
  if (path.empty() || !fs::is_directory(path, error)) {
    return EAcquire::kNoFolder;
  }
  mPath = Ux::WithoutTrailingSlash(path) + "/";
  if (lock) {
    if (!mLock.Acquire(mPath)) {
      mLock.Release();
      return EAcquire::kInUse;
    }
    // The session before may have left the only copy of a sound here.
    if (mLock.WasLeftByUncleanExit()) {
      KeepWorkFiles(mPath);
    }
  }
  mFilesBefore = DataFiles();
  mAcquired = true;
  mLocked = lock;
  return EAcquire::kAcquired;
}

void CToolWorkFolder::Release(bool keepAll) {
  if (!mAcquired) {
    return;
  }
  mAcquired = false;
  // Without the lock the librarian may be writing here too: nothing is removed then.
  if (!keepAll && mLocked) {
    for (const std::string& file : DataFiles()) {
      if (mFilesBefore.count(file) == 0) {
        std::error_code error;
        fs::remove(file, error);
      }
    }
  }
  mLock.Release();
  mLocked = false;
}

std::set<std::string> CToolWorkFolder::DataFiles() const {
  const std::list<std::string> files = ListDataFiles(mPath);
  return std::set<std::string>(files.begin(), files.end());
}

int CToolWorkFolder::KeepWorkFiles(const std::string& folder) {
  const std::list<std::string> files = ListDataFiles(folder);
  if (files.empty()) {
    return 0;
  }
  char stamp[32] = {};
  const std::time_t now = std::time(nullptr);
  std::tm local = {};
  localtime_r(&now, &local);
  std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H.%M.%S", &local);
  const std::string kept = Ux::WithoutTrailingSlash(folder) + "/Kept " + stamp;
  std::error_code error;
  fs::create_directories(kept, error);
  int moved = 0;
  for (const std::string& file : files) {
    fs::rename(file, kept + "/" + fs::path(file).filename().string(), error);
    moved += error ? 0 : 1;
  }
  return moved;
}

} // namespace BrisTool
