#include "app/UWorkFolder.h"

#include "LibMac/Utility/UFileUtils.h"
#include "LibMac/Utility/Ux.h"
#include "store/FileExt.h"

#include <QDateTime>

#include <filesystem>
#include <list>
#include <system_error>

namespace fs = std::filesystem;

bool UWorkFolder::CreateFolder(const std::string& parentPath, const std::string& name) {
  std::error_code error;
  if (!fs::is_directory(parentPath, error)) {
    return false;
  }
  const fs::path child = fs::path(parentPath) / name;
  if (!fs::exists(child, error)) {
    fs::create_directory(child, error);
  }
  return fs::is_directory(child, error);
}

std::string UWorkFolder::CreateTempFolder() {
  std::string path = Ux::GetSpecialFolderName(Ux::kApplicationSupportFolder);
  if (path.empty()) {
    return std::string();
  }
  for (const char* name : {"Taveno", "Brisel Librarian", "BrisWork"}) {
    if (!CreateFolder(path, name)) {
      return std::string();
    }
    path += std::string("/") + name;
  }
  return path + "/";
}

int UWorkFolder::KeepWorkFiles(const std::string& folderPath) {
  const std::string folder = Ux::WithoutTrailingSlash(folderPath);
  const std::string kept =
      folder + "/Kept " +
      QDateTime::currentDateTime().toString("yyyy-MM-dd hh.mm.ss").toStdString();
  int moved = 0;
  try {
    std::list<std::string> paths;
    for (const char* const* extensions :
         {Bris::FileExt_Patch, Bris::FileExt_Tone, Bris::FileExt_Wave}) {
      UFileUtils::SearchFiles(folder, extensions, &paths);
    }
    if (paths.empty()) {
      return 0;
    }
    fs::create_directories(kept);
    for (const std::string& path : paths) {
      std::error_code error;
      fs::rename(path, kept + "/" + fs::path(path).filename().string(), error);
      moved += error ? 0 : 1;
    }
  } catch (const fs::filesystem_error&) {
    // Whatever could not be moved stays where it is; nothing is deleted here.
  }
  return moved;
}

int UWorkFolder::DeleteWorkFiles(const std::string& folderPath) {
  int deleted = 0;
  try {
    for (const char* const* extensions :
         {Bris::FileExt_Patch, Bris::FileExt_Tone, Bris::FileExt_Wave}) {
      deleted +=
          UFileUtils::DeleteSubFiles(Ux::WithoutTrailingSlash(folderPath), extensions, false);
    }
  } catch (const fs::filesystem_error&) {
    // A work folder that cannot be listed has nothing this run could clean up.
  }
  return deleted;
}
