#pragma once

#include <string>
#include <vector>

namespace Bris {

// The folders a save as plan checks its target against, made for the plan only: a preview of a
// save into a folder that does not exist yet would otherwise always be refused. Whatever this
// made is removed again when it goes, and only while still empty, so a preview leaves the disk as
// it found it.
class CPlanningFolders {
public:
  // target: the project folder ("/"-separated, without its trailing "/").
  explicit CPlanningFolders(const std::string& target);
  ~CPlanningFolders();
  CPlanningFolders(const CPlanningFolders&) = delete;
  CPlanningFolders& operator=(const CPlanningFolders&) = delete;

private:
  void Make(const std::string& folder);

  std::vector<std::string> mMade;
};

} // namespace Bris
