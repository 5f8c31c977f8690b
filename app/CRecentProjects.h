#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The projects opened or saved under a new name most recently, most recent first, without
// duplicates and at most kMaxCount. They live in a section of their own ("Recent Projects") of the
// preferences buffer (UPreference), which is the only copy: every call reads or writes it there.
class CRecentProjects {
public:
  static constexpr std::size_t kMaxCount = 10;

  struct SEntry {
    std::string folderPath;
    bool missing = false; // the folder is not there (moved, deleted, on a drive not mounted)
  };

  // The stored list, most recent first.
  static std::vector<std::string> Load();
  // The stored list with each folder checked on disk.
  static std::vector<SEntry> LoadEntries();
  // Puts folderPath first in the stored list.
  static void Note(const std::string& folderPath);
  static void Clear();

  // list with folderPath first: an earlier entry for the same folder is taken out, and the list
  // is cut to kMaxCount.
  static std::vector<std::string> WithFirst(std::vector<std::string> list,
                                            const std::string& folderPath);
  // The form paths are stored and compared in: normalised, without a trailing "/".
  static std::string Normalized(const std::string& folderPath);

private:
  static void Store(const std::vector<std::string>& list);
};
