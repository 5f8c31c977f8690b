#include "store/SOpenResult.h"

namespace Bris {

namespace {

const char* FailureText(EOpenFailure failure) {
  switch (failure) {
  case EOpenFailure::kNone:
    return "opened";
  case EOpenFailure::kNoProjectFolder:
    return "no project folder";
  case EOpenFailure::kMissingPatchFolder:
    return "missing \"Patch\" folder";
  case EOpenFailure::kMissingToneFolder:
    return "missing \"Tone\" folder";
  case EOpenFailure::kUnlistableFolder:
    return "folder cannot be listed";
  case EOpenFailure::kRefusedProjectPath:
    return "folder name does not end in .prj";
  case EOpenFailure::kFileTooShort:
    return "file too short";
  case EOpenFailure::kWrongSignature:
    return "wrong signature";
  case EOpenFailure::kUnreadableFile:
    return "file cannot be read";
  }
  return "unknown failure";
}

} // namespace

std::string SOpenResult::Describe() const {
  std::string text = FailureText(failure);
  if (!path.empty()) {
    text += ": " + path;
  }
  if (!systemError.empty()) {
    text += " (" + systemError + ")";
  }
  return text;
}

} // namespace Bris
