#include "app/OpenFailureText.h"

#include "LibMac/Utility/Ux.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace OpenFailureText {

namespace {

std::string Quoted(const std::string& text) {
  return "\u201C" + text + "\u201D";
}

// The failing path as seen from the project folder, else the whole path.
std::string RelativeName(const std::string& projectFolder, const std::string& path) {
  const std::string folder = Ux::WithoutTrailingSlash(projectFolder) + "/";
  std::string name = Ux::WithoutTrailingSlash(path);
  if (name.size() > folder.size() && name.compare(0, folder.size(), folder) == 0) {
    name.erase(0, folder.size());
  }
  return name;
}

std::string WithSystemError(std::string text, const std::string& systemError) {
  if (!systemError.empty()) {
    text += " (" + systemError + ")";
  }
  return text + ".";
}

std::string Reason(const std::string& project, const std::string& file,
                   const Bris::SOpenResult& result) {
  using Bris::EOpenFailure;
  switch (result.failure) {
  case EOpenFailure::kNone:
    break;
  case EOpenFailure::kNoProjectFolder:
    return Quoted(project) + " does not exist or is not a folder.";
  case EOpenFailure::kMissingPatchFolder:
    return Quoted(project) + " has no " + Quoted("Patch") + " folder.";
  case EOpenFailure::kMissingToneFolder:
    return Quoted(project) + " has no " + Quoted("Tone") + " folder.";
  case EOpenFailure::kUnlistableFolder:
    return WithSystemError("The folder " + Quoted(file) + " of " + Quoted(project) +
                               " cannot be listed",
                           result.systemError);
  case EOpenFailure::kRefusedProjectPath:
    return Quoted(project) + " is no project folder: its name does not end in " + Quoted(".prj") +
           ".";
  case EOpenFailure::kFileTooShort:
    return "The file " + Quoted(file) + " of " + Quoted(project) +
           " is too short to be a file of its kind.";
  case EOpenFailure::kWrongSignature:
    return "The file " + Quoted(file) + " of " + Quoted(project) +
           " has a wrong signature: it is not a file of its kind.";
  case EOpenFailure::kUnreadableFile:
    return WithSystemError("The file " + Quoted(file) + " of " + Quoted(project) +
                               " cannot be read",
                           result.systemError);
  }
  return std::string();
}

} // namespace

std::string Describe(const std::string& folder, const Bris::SOpenResult& result) {
  const std::string project = fs::path(Ux::WithoutTrailingSlash(folder)).filename().string();
  const std::string file = RelativeName(folder, result.path.empty() ? folder : result.path);
  return Reason(project, file, result);
}

} // namespace OpenFailureText
