#include "tools/brisel/CCleanCommand.h"

#include "domain/CDomain.h"
#include "domain/CZelData.h"
#include "store/CProjectSession.h"
#include "tools/brisel/CToolContext.h"
#include "tools/brisel/ExitStatus.h"

#include <CLI/CLI.hpp>

namespace BrisTool {

using Bris::CDomain;
using Bris::CParameter;

namespace {

void PrintUsedSlots(std::ostream& out, const char* when, const Bris::CZelData& data) {
  out << when;
  for (CParameter::EDataType kind : {CParameter::kPatch, CParameter::kTone, CParameter::kWave}) {
    out << " " << Bris::CZelData::GetParameterSize(kind) - data.GetDeletedSize(kind);
  }
  out << " (patches, tones, waves used)\n";
}

} // namespace

CCleanCommand::CCleanCommand()
    : CCommand("clean", "Drop references to blank slots, remove unused tones and waves and close "
                        "the gaps, then save") {}

void CCleanCommand::AddOptions(CLI::App& command) {
  command.add_option("PROJECT", mProject, "Project folder (NAME.prj)")->required();
  command.add_flag("--keep-imported-waves", mKeep[CDomain::kKeepUnusedImportedWaves],
                   "Keep imported waves that no tone plays");
  command.add_flag("--keep-tones", mKeep[CDomain::kKeepUnusedTones],
                   "Keep tones that no patch plays");
  command.add_flag("--keep-tone-numbers", mKeep[CDomain::kKeepToneNumbers],
                   "Leave the tones where they are (no gaps closed)");
  command.add_flag("--keep-patch-numbers", mKeep[CDomain::kKeepPatchNumbers],
                   "Leave the patches where they are (no gaps closed)");
}

int CCleanCommand::Run(CToolContext& context) {
  const auto session = OpenProject(context, mProject);
  if (session == nullptr) {
    return kExitFailed;
  }
  CDomain& domain = Bris::Domain();
  for (int option = 0; option < CDomain::kCleanOptionCount; ++option) {
    domain.SetCleanOption(option, mKeep[option] ? 1 : 0);
  }
  Bris::CZelData& data = session->GetZelData();
  PrintUsedSlots(context.Out(), "Before:", data);
  domain.ClearUndoDoc();
  domain.CopyToUndoBuffer(CDomain::kUndoAll, &data);
  session->GetDocument().CleanProject();
  session->SetModified(true);
  PrintUsedSlots(context.Out(), "After: ", session->GetZelData());
  return SaveProject(context, *session);
}

} // namespace BrisTool
