#include "app/CRecentProjects.h"

#include "LibMac/Utility/UPreference.h"
#include "LibMac/Utility/UPreferenceLongString.h"
#include "LibMac/Utility/Ux.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

constexpr const char* kPrefRecentProjects = "Recent Projects";

std::string ParamName(std::size_t index) {
  return "Project " + std::to_string(index + 1);
}

} // namespace

std::string CRecentProjects::Normalized(const std::string& folderPath) {
  if (folderPath.empty()) {
    return folderPath;
  }
  return Ux::WithoutTrailingSlash(std::filesystem::path(folderPath).lexically_normal().string());
}

std::vector<std::string> CRecentProjects::WithFirst(std::vector<std::string> list,
                                                    const std::string& folderPath) {
  const std::string path = Normalized(folderPath);
  if (path.empty()) {
    return list;
  }
  list.erase(
      std::remove_if(list.begin(), list.end(),
                     [&path](const std::string& entry) { return Normalized(entry) == path; }),
      list.end());
  list.insert(list.begin(), path);
  if (list.size() > kMaxCount) {
    list.resize(kMaxCount);
  }
  return list;
}

std::vector<std::string> CRecentProjects::Load() {
  std::vector<std::string> list;
  if (!UPreference::SeekTag(kPrefRecentProjects, false)) {
    return list;
  }
  for (std::size_t i = 0; i < kMaxCount; ++i) {
    const std::string path = Normalized(UPreferenceLongString::Read(ParamName(i).c_str()));
    // A hand-edited file may repeat a folder or leave gaps; neither reaches the menu.
    if (!path.empty() && std::find(list.begin(), list.end(), path) == list.end()) {
      list.push_back(path);
    }
  }
  return list;
}

std::vector<CRecentProjects::SEntry> CRecentProjects::LoadEntries() {
  std::vector<SEntry> entries;
  for (const std::string& path : Load()) {
    std::error_code error;
    entries.push_back({path, !std::filesystem::is_directory(path, error)});
  }
  return entries;
}

void CRecentProjects::Note(const std::string& folderPath) {
  Store(WithFirst(Load(), folderPath));
}

void CRecentProjects::Clear() {
  Store({});
}

void CRecentProjects::Store(const std::vector<std::string>& list) {
  UPreference::SeekTag(kPrefRecentProjects, true);
  // A new line goes first in its section: written last to first, the file reads in order.
  for (std::size_t i = kMaxCount; i-- > 0;) {
    UPreferenceLongString::Write(ParamName(i).c_str(), i < list.size() ? list[i] : std::string());
  }
}
