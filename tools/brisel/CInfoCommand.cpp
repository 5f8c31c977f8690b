#include "tools/brisel/CInfoCommand.h"

#include "domain/CZelData.h"
#include "formats/WaveFiles.h"
#include "store/CProjectSession.h"
#include "tools/brisel/CToolContext.h"
#include "tools/brisel/ExitStatus.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <system_error>

namespace BrisTool {

using Bris::CParameter;

CInfoCommand::CInfoCommand()
    : CCommand("info", "Show how many slots of each kind are used, the waves' total size against "
                       "the limit and the system files present") {}

void CInfoCommand::AddOptions(CLI::App& command) {
  command.add_option("PROJECT", mProject, "Project folder (NAME.prj)")->required();
}

int CInfoCommand::Run(CToolContext& context) {
  const auto session = OpenProject(context, mProject);
  if (session == nullptr) {
    return kExitFailed;
  }
  const Bris::CZelData& data = session->GetZelData();
  std::ostream& out = context.Out();
  out << "Project:      " << session->GetFolderPath() << "\n";
  const struct {
    const char* label;
    CParameter::EDataType kind;
  } kinds[] = {{"Patches:      ", CParameter::kPatch},
               {"Tones:        ", CParameter::kTone},
               {"Waves:        ", CParameter::kWave}};
  for (const auto& kind : kinds) {
    const unsigned slots = Bris::CZelData::GetParameterSize(kind.kind);
    out << kind.label << slots - data.GetDeletedSize(kind.kind) << " of " << slots
        << " slots used\n";
  }
  const std::uint32_t waveBytes = session->GetDocument().GetTotalWaveSizeValue();
  out << "Wave memory:  " << Bris::FormatWaveSize(waveBytes) << " of "
      << Bris::FormatWaveSize(Bris::kTotalWaveSizeLimit) << " (" << waveBytes << " of "
      << Bris::kTotalWaveSizeLimit << " bytes)"
      << (waveBytes > Bris::kTotalWaveSizeLimit ? ", over the limit" : "") << "\n";
  std::string present;
  std::string missing;
  for (const char* name : Bris::CZelFileDocument::sSystemFileNames) {
    std::error_code error;
    std::string& list =
        std::filesystem::is_regular_file(session->GetFolderPath() + "/" + name, error) ? present
                                                                                       : missing;
    list += (list.empty() ? "" : ", ") + std::string(name);
  }
  out << "System files: " << (present.empty() ? "none" : present) << "\n";
  if (!missing.empty()) {
    out << "Missing:      " << missing << "\n";
  }
  return kExitOk;
}

} // namespace BrisTool
