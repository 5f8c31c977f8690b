#pragma once

#include <string>

// The application's settings in the preferences buffer (UPreference): grid state, clean options,
// list font and the last selected project. A missing key takes its default.
class UAppPreferences {
public:
  static void Load();
  static void Save();
  static void SaveLastProject(const std::string& folderPath);
  // False when no project was ever chosen; folderPath is empty when the stored one cannot be
  // rebuilt.
  static bool LoadLastProject(std::string& folderPath);
};
