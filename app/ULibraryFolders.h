#pragma once

#include <string>
#include <vector>

// The library folders, under which the Find window looks for project folders, and where their
// index is kept. The folders live in the preferences buffer (UPreference); until the user has
// chosen any, the user's Documents folder is the library.
class ULibraryFolders {
public:
  // The stored folders; the Documents folder when none were ever stored. An empty stored list
  // stays empty: the user removed every folder.
  static std::vector<std::string> Load();
  static void Save(const std::vector<std::string>& folders);
  static std::vector<std::string> DefaultFolders();
  // The index database in the user's data folder, its folder made when missing; empty when no
  // folder can be made (the index then lives in memory).
  static std::string IndexDatabasePath();
};
