#include "tools/brisel/CImportCommand.h"

#include "LibMac/Utility/UFileUtils.h"
#include "domain/CZelData.h"
#include "store/CProjectSession.h"
#include "tools/brisel/CToolContext.h"
#include "tools/brisel/ExitStatus.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <filesystem>
#include <list>

namespace BrisTool {

namespace {

bool HasMultiByteCharacter(const std::string& text) {
  return std::any_of(text.begin(), text.end(),
                     [](char c) { return (static_cast<unsigned char>(c) & 0x80) != 0; });
}

} // namespace

bool CImportCommand::IsImportableName(const std::string& name) {
  std::string lower = name;
  std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  });
  for (const char* extension : {".wav", ".w00", ".aiff", ".aif", ".vpw"}) {
    const std::string::size_type found = lower.find(extension);
    if (found == std::string::npos) {
      continue;
    }
    const std::string stem = name.substr(0, found + std::char_traits<char>::length(extension));
    return !stem.empty() && stem.front() != '.' &&
           stem.find_first_of("\"*/:<>?|") == std::string::npos;
  }
  return false;
}

CImportCommand::CImportCommand()
    : CCommand("import", "Import audio files (.wav, .aif, .aiff, .vpw, .w00) into the first "
                         "blank wave slots, then save") {}

void CImportCommand::AddOptions(CLI::App& command) {
  command.add_option("PROJECT", mProject, "Project folder (NAME.prj)")->required();
  command.add_option("FILE", mFiles, "Audio files to import")->required();
}

int CImportCommand::Run(CToolContext& context) {
  std::list<std::string> paths;
  for (const std::string& file : mFiles) {
    const std::string name = std::filesystem::path(file).filename().string();
    if (!IsImportableName(name)) {
      context.Err() << "brisel: " << file << ": not an audio file the instrument takes\n";
      return kExitFailed;
    }
    // Such names cannot become slot names of the instrument.
    if (HasMultiByteCharacter(name)) {
      context.Err() << "brisel: " << file << ": skipped, the name holds characters a slot name "
                    << "cannot\n";
      continue;
    }
    std::string path;
    UFileUtils::GetFullPathString(file, path, true);
    if (!path.empty()) {
      paths.push_back(path);
    }
  }
  const auto session = OpenProject(context, mProject);
  if (session == nullptr) {
    return kExitFailed;
  }
  const std::vector<unsigned> blank =
      session->GetZelData().GetDeletedIndexes(Bris::CParameter::kWave);
  const int imported = session->GetDocument().ImportWaves(paths);
  if (imported <= 0) {
    return kExitFailed;
  }
  context.Out() << "Imported " << imported << " wave(s) into slot(s)";
  for (std::size_t i = 0; i < static_cast<std::size_t>(imported) && i < blank.size(); ++i) {
    context.Out() << " " << blank[i] + 1;
  }
  context.Out() << "\n";
  session->SetModified(true);
  return SaveProject(context, *session);
}

} // namespace BrisTool
