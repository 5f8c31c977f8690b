#pragma once

#include <string>

namespace Bris {

// Which check or file made opening a project fail.
enum class EOpenFailure {
  kNone,
  kNoProjectFolder,    // the folder does not exist or is no folder
  kMissingPatchFolder, // no "Patch" folder in it
  kMissingToneFolder,  // no "Tone" folder in it
  kUnlistableFolder,   // a subfolder exists but cannot be listed
  kRefusedProjectPath, // the folder's name does not end in ".prj"
  kFileTooShort,       // a patch or tone file holds fewer bytes than a reader needs
  kWrongSignature,     // a patch or tone file is not a file of its kind
  kUnreadableFile,     // a data file cannot be opened or read
};

// The outcome of opening (or reading) a project: on failure, which check or file failed, the
// path concerned and, where the system gave one, its error text.
struct SOpenResult {
  EOpenFailure failure = EOpenFailure::kNone;
  std::string path;
  std::string systemError;

  bool IsOpened() const { return failure == EOpenFailure::kNone; }
  explicit operator bool() const { return IsOpened(); }
  // One English line for logs and command-line output, e.g.
  // "wrong signature: /a/Song.prj/Patch/001 A.d00".
  std::string Describe() const;
};

} // namespace Bris
