#include "store/CProjectOpener.h"

#include "LibMac/Utility/UFileUtils.h"
#include "LibMac/Utility/Ux.h"
#include "store/CZelFileDocument.h"
#include "store/FileExt.h"

#include <filesystem>
#include <system_error>

namespace Bris {

namespace fs = std::filesystem;

namespace {

bool IsDirectory(const std::string& path) {
  std::error_code error;
  return fs::is_directory(path, error);
}

bool Exists(const std::string& path) {
  std::error_code error;
  return fs::exists(fs::symlink_status(path, error));
}

SOpenResult Failure(EOpenFailure failure, const std::string& path,
                    const std::error_code& error = {}) {
  SOpenResult result;
  result.failure = failure;
  result.path = path;
  if (error) {
    result.systemError = error.message();
  }
  return result;
}

bool ListInto(const std::string& folder, const char* const* extensions,
              std::list<std::string>& files, SOpenResult& result) {
  std::error_code error;
  if (!UFileUtils::ListFiles(folder, extensions, files, error)) {
    result = Failure(EOpenFailure::kUnlistableFolder, folder, error);
    return false;
  }
  return true;
}

} // namespace

SOpenResult CProjectOpener::List(const std::string& folderPath, SProjectListing& listing) {
  const std::string folder = Ux::WithoutTrailingSlash(folderPath);
  const std::string patchFolder = folder + "/Patch";
  const std::string toneFolder = folder + "/Tone";
  const std::string waveFolder = folder + "/Wave";
  if (!IsDirectory(folder)) {
    return Failure(EOpenFailure::kNoProjectFolder, folder);
  }
  if (!IsDirectory(patchFolder)) {
    return Failure(EOpenFailure::kMissingPatchFolder, patchFolder);
  }
  if (!IsDirectory(toneFolder)) {
    return Failure(EOpenFailure::kMissingToneFolder, toneFolder);
  }
  SOpenResult result;
  if (!ListInto(patchFolder, FileExt_Patch, listing.patches, result) ||
      !ListInto(toneFolder, FileExt_Tone, listing.tones, result)) {
    return result;
  }
  // A project without waves may lack its wave folder.
  if (IsDirectory(waveFolder)) {
    ListInto(waveFolder, FileExt_Wave, listing.waves, result);
  }
  return result;
}

SOpenResult CProjectOpener::Open(CZelFileDocument& document, const std::string& folderPath) {
  SProjectListing listing;
  SOpenResult result = List(folderPath, listing);
  if (!result) {
    return result;
  }
  if (!document.ReadDocument(Ux::WithoutTrailingSlash(folderPath) + "/", std::move(listing.patches),
                             std::move(listing.tones), std::move(listing.waves))) {
    result = document.GetReadResult();
    if (result.IsOpened()) { // every refusal of the read records why; this is a safety net
      result = Failure(EOpenFailure::kUnreadableFile, folderPath);
    }
  }
  return result;
}

bool CProjectOpener::IsValidProject(const std::string& folderPath) {
  const std::string folder = Ux::WithoutTrailingSlash(folderPath);
  if (!IsDirectory(folder)) {
    return false;
  }
  for (const char* name : {"Patch", "Tone", "Wave"}) {
    if (!Exists(folder + "/" + name)) {
      return false;
    }
  }
  return true;
}

} // namespace Bris
