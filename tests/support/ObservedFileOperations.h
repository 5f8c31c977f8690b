#pragma once

#include "store/CFileOperations.h"

#include <functional>
#include <string>
#include <vector>

namespace BrisTest {

// File operations that tell an observer about every step before doing it: the step's name
// ("copy", "write", "create", "rename", "remove", "trash", "create folder", "flush") and the path
// it changes ("from -> to" for a rename, the first path of a flush). The observer returning false
// fails the step without doing it. A copy or write to a new file is two steps, "create" (the empty
// file appears) and then "copy" or "write", so that a stop between them leaves the empty file a
// crash in the middle of the copy would.
class ObservedFileOperations : public Bris::CFileOperations {
public:
  using Observer = std::function<bool(const std::string& step, const std::string& path)>;

  explicit ObservedFileOperations(Observer observer) : mObserver(std::move(observer)) {}

  bool CopyFile(const std::string& source, const std::string& destination) override;
  bool WriteFile(const std::string& path, const std::string& contents) override;
  bool CopyToNewFile(const std::string& source, const std::string& destination) override;
  bool WriteNewFile(const std::string& path, const std::string& contents) override;
  bool Rename(const std::string& from, const std::string& to, bool replace) override;
  bool RemoveOwnFile(const std::string& path) override;
  bool MoveToTrash(const std::string& path, const std::string& fallbackFolder) override;
  bool CreateFolder(const std::string& path) override;
  bool CreateNewFolder(const std::string& path, mode_t mode) override;
  bool RemoveOwnFolder(const std::string& path) override;
  bool ReplaceEmptyFolder(const std::string& from, const std::string& to) override;
  bool Flush(const std::vector<std::string>& paths) override;

private:
  Observer mObserver;
};

} // namespace BrisTest
