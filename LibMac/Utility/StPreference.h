#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

// Keeps the preferences file loaded for the lifetime of the object: construction reads the file
// into UPreference's buffer, destruction writes the buffer back and releases it. Created around
// the whole run of the application, so the file is written on every way out, exceptions included.
class StPreference {
public:
  // The file name in the preferences folder.
  StPreference(const std::string& name, std::uint32_t creator, std::uint32_t type);
  // A given file, for an empty name.
  StPreference(const std::filesystem::path& file, std::uint32_t creator, std::uint32_t type);
  virtual ~StPreference();
  StPreference(const StPreference&) = delete;
  StPreference& operator=(const StPreference&) = delete;

  // What loading the file returned (UPreference error code).
  int GetLoadResult() const { return mLoadResult; }

private:
  std::string mName;
  std::filesystem::path mFileSpec;
  std::uint32_t mCreator;
  std::uint32_t mType;
  int mLoadResult;
};
