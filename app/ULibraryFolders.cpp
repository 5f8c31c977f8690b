#include "app/ULibraryFolders.h"

#include "LibMac/Utility/UPreference.h"
#include "LibMac/Utility/UPreferenceLongString.h"
#include "LibMac/Utility/Ux.h"
#include "app/UWorkFolder.h"

#include <QStandardPaths>
#include <QString>

namespace {

constexpr const char* kPrefLibraryFolders = "Library Folders";
constexpr const char* kPrefFolderCount = "Folder Count";
constexpr const char* kIndexFileName = "Library Index.sqlite";

std::string FolderParamName(std::size_t index) {
  return "Folder " + std::to_string(index + 1);
}

} // namespace

std::vector<std::string> ULibraryFolders::Load() {
  if (!UPreference::SeekTag(kPrefLibraryFolders, false)) {
    return DefaultFolders();
  }
  const long count = UPreference::GetParamValue(kPrefFolderCount, 0);
  std::vector<std::string> folders;
  for (long index = 0; index < count && index < 1000; ++index) {
    std::string folder =
        UPreferenceLongString::Read(FolderParamName(static_cast<std::size_t>(index)).c_str());
    if (!folder.empty()) {
      folders.push_back(std::move(folder));
    }
  }
  return folders;
}

void ULibraryFolders::Save(const std::vector<std::string>& folders) {
  UPreference::SeekTag(kPrefLibraryFolders, true);
  const long previous = UPreference::GetParamValue(kPrefFolderCount, 0);
  UPreference::SetParamValue(kPrefFolderCount, static_cast<long>(folders.size()));
  for (std::size_t index = 0; index < folders.size(); ++index) {
    UPreferenceLongString::Write(FolderParamName(index).c_str(), folders[index]);
  }
  // Folders removed from the end leave no stale values behind.
  for (long index = static_cast<long>(folders.size()); index < previous && index < 1000; ++index) {
    UPreferenceLongString::Write(FolderParamName(static_cast<std::size_t>(index)).c_str(), "");
  }
}

std::vector<std::string> ULibraryFolders::DefaultFolders() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (documents.isEmpty()) {
    return {};
  }
  return {documents.toStdString()};
}

std::string ULibraryFolders::IndexDatabasePath() {
  std::string path = Ux::GetSpecialFolderName(Ux::kApplicationSupportFolder);
  if (path.empty()) {
    return std::string();
  }
  for (const char* name : {"Taveno", "Brisel Librarian"}) {
    if (!UWorkFolder::CreateFolder(path, name)) {
      return std::string();
    }
    path += std::string("/") + name;
  }
  return path + "/" + kIndexFileName;
}
