#include "support/ObservedFileOperations.h"

namespace BrisTest {

bool ObservedFileOperations::CopyFile(const std::string& source, const std::string& destination) {
  return mObserver("copy", destination) && CFileOperations::CopyFile(source, destination);
}

bool ObservedFileOperations::WriteFile(const std::string& path, const std::string& contents) {
  return mObserver("write", path) && CFileOperations::WriteFile(path, contents);
}

bool ObservedFileOperations::CopyToNewFile(const std::string& source,
                                           const std::string& destination) {
  return mObserver("create", destination) &&
         CFileOperations::WriteNewFile(destination, std::string()) &&
         mObserver("copy", destination) && CFileOperations::CopyFile(source, destination);
}

bool ObservedFileOperations::WriteNewFile(const std::string& path, const std::string& contents) {
  return mObserver("create", path) && CFileOperations::WriteNewFile(path, std::string()) &&
         mObserver("write", path) && CFileOperations::WriteFile(path, contents);
}

bool ObservedFileOperations::Rename(const std::string& from, const std::string& to, bool replace) {
  return mObserver("rename", from + " -> " + to) && CFileOperations::Rename(from, to, replace);
}

bool ObservedFileOperations::RemoveOwnFile(const std::string& path) {
  return mObserver("remove", path) && CFileOperations::RemoveOwnFile(path);
}

bool ObservedFileOperations::MoveToTrash(const std::string& path,
                                         const std::string& fallbackFolder) {
  return mObserver("trash", path) && CFileOperations::MoveToTrash(path, fallbackFolder);
}

bool ObservedFileOperations::CreateFolder(const std::string& path) {
  return mObserver("create folder", path) && CFileOperations::CreateFolder(path);
}

bool ObservedFileOperations::CreateNewFolder(const std::string& path, mode_t mode) {
  return mObserver("create folder", path) && CFileOperations::CreateNewFolder(path, mode);
}

bool ObservedFileOperations::RemoveOwnFolder(const std::string& path) {
  return mObserver("remove", path) && CFileOperations::RemoveOwnFolder(path);
}

bool ObservedFileOperations::ReplaceEmptyFolder(const std::string& from, const std::string& to) {
  return mObserver("rename", from + " -> " + to) && CFileOperations::ReplaceEmptyFolder(from, to);
}

bool ObservedFileOperations::Flush(const std::vector<std::string>& paths) {
  return mObserver("flush", paths.empty() ? std::string() : paths.front()) &&
         CFileOperations::Flush(paths);
}

} // namespace BrisTest
