#include "LibMac/Utility/StPreference.h"

#include "LibMac/Utility/UPreference.h"

StPreference::StPreference(const std::string& name, std::uint32_t creator, std::uint32_t type)
    : mName(name), mCreator(creator), mType(type), mLoadResult(UPreference::LoadFile(name)) {}

StPreference::StPreference(const std::filesystem::path& file, std::uint32_t creator,
                           std::uint32_t type)
    : mFileSpec(file), mCreator(creator), mType(type), mLoadResult(UPreference::LoadFile(file)) {}

StPreference::~StPreference() {
  // A destructor cannot report; a file that cannot be written keeps its previous contents.
  if (!mName.empty()) {
    UPreference::SaveFile(mName, mCreator, mType);
  } else {
    UPreference::SaveFile(mFileSpec, mCreator, mType);
  }
  UPreference::CleanUp();
}
