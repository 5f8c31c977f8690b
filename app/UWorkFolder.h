#pragma once

#include <string>

// The work folder, where projects are built while they are edited, and its clean-up.
class UWorkFolder {
public:
  // Makes sure parent/name exists; true only if it is a folder.
  static bool CreateFolder(const std::string& parentPath, const std::string& name);
  // Creates "Taveno/Brisel Librarian/BrisWork" in the application support folder; its path with
  // a trailing "/", or empty when it cannot be made.
  static std::string CreateTempFolder();
  // Deletes the patch, tone and wave files that lie directly in folder; their number.
  static int DeleteWorkFiles(const std::string& folderPath);
  // Moves the data files directly inside the work folder into a new subfolder "Kept <date time>",
  // where the exit clean-up never reaches; returns how many were moved.
  static int KeepWorkFiles(const std::string& folderPath);
};
