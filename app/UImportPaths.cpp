#include "app/UImportPaths.h"

#include "LibMac/Utility/UFileUtils.h"

#include <algorithm>
#include <filesystem>

namespace UImportPaths {

namespace {

bool HasMultiByteChar(const std::string& text) {
  return std::any_of(text.begin(), text.end(),
                     [](char c) { return UFileUtils::Is2byteChar(static_cast<unsigned char>(c)); });
}

} // namespace

std::list<std::string> ForImport(const std::vector<std::string>& files) {
  std::list<std::string> paths;
  for (const std::string& file : files) {
    if (HasMultiByteChar(std::filesystem::path(file).filename().string())) {
      continue;
    }
    std::string path;
    UFileUtils::GetFullPathString(file, path, true);
    if (!path.empty()) {
      paths.push_back(path);
    }
  }
  return paths;
}

} // namespace UImportPaths
