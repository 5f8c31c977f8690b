#include "tools/brisel/CCommand.h"

#include "LibMac/Utility/UFileUtils.h"
#include "LibMac/Utility/Ux.h"
#include "domain/CDomain.h"
#include "store/CFileOperations.h"
#include "store/CProjectSession.h"
#include "store/CSaveJournal.h"
#include "store/CWritePlan.h"
#include "tools/brisel/CToolContext.h"
#include "tools/brisel/CToolTextOut.h"
#include "tools/brisel/CWritePlanPrinter.h"
#include "tools/brisel/ExitStatus.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <system_error>

namespace BrisTool {

using Bris::CProjectSession;

CCommand::CCommand(std::string name, std::string description)
    : mName(std::move(name)), mDescription(std::move(description)) {}

void CCommand::Register(CLI::App& program) {
  mCommand = program.add_subcommand(mName, mDescription);
  AddOptions(*mCommand);
  if (IsChanging()) {
    mCommand->add_flag("--dry-run,-n", mDryRun, "Print the write plan and change nothing");
    mCommand->add_flag("--yes,-y", mYes, "Answer every question yes instead of stopping at it");
  }
}

bool CCommand::IsChosen() const {
  return mCommand != nullptr && mCommand->parsed();
}

int CCommand::Execute(std::ostream& out, std::ostream& err) {
  CToolContext context(out, err, mYes);
  if (IsChanging() && !context.UseWorkFolder(!mDryRun)) {
    return kExitFailed;
  }
  return Run(context);
}

std::unique_ptr<CProjectSession> CCommand::OpenProject(CToolContext& context,
                                                       const std::string& folder) const {
  auto session = std::make_unique<CProjectSession>();
  Bris::CDomain& domain = Bris::Domain();
  const std::string workFolder = domain.GetWorkFolderPath();
  if (mDryRun) {
    domain.SetWorkFolderPath(std::string());
  }
  // Journals are found by the project's full path, as the librarian opened it.
  std::string path;
  UFileUtils::GetFullPathString(folder, path, true);
  const Bris::SOpenResult opened = session->Open(path.empty() ? folder : path);
  domain.SetWorkFolderPath(workFolder);
  if (!opened) {
    context.Err() << "brisel: " << opened.Describe() << "\n";
    return nullptr;
  }
  ReportRecovery(context, *session);
  return session;
}

void CCommand::ReportRecovery(CToolContext& context, const CProjectSession& session) const {
  const std::string& workFolder = Bris::Domain().GetWorkFolderPath();
  if (mDryRun && !workFolder.empty()) {
    std::error_code error;
    const std::string journal =
        Bris::CSaveJournal::PathFor(workFolder, session.GetFolderPath() + "/");
    if (std::filesystem::exists(journal, error)) {
      context.Err() << "brisel: " << session.GetFolderPath()
                    << ": a save of this project was interrupted; the plan below does not "
                       "complete it (brisel recover does)\n";
    }
  }
  const Bris::CSaveRecovery::SReport* report = session.GetRecoveryReport();
  if (report == nullptr) {
    return;
  }
  context.Err() << "brisel: " << session.GetFolderPath() << ": "
                << CToolTextOut::ErrorText(report->completed ? 11 : 12) << "\n";
  for (const std::string& path : report->unrestored) {
    context.Err() << "brisel: not restored: " << path << "\n";
  }
  if (!report->keptFolder.empty()) {
    context.Err() << "brisel: the files of that save are kept in " << report->keptFolder << "\n";
  }
}

int CCommand::SaveProject(CToolContext& context, CProjectSession& session) const {
  const std::string folder = session.GetFolderPath();
  if (mDryRun) {
    Bris::CWritePlan plan;
    if (!session.PlanSave(plan)) {
      context.Err() << "brisel: " << folder
                    << ": the save would be refused: the folder is no longer a project, or a "
                       "file of it cannot be read\n";
      return kExitFailed;
    }
    CWritePlanPrinter(plan, folder).Print(context.Out());
    return kExitOk;
  }
  Bris::CFileOperations& operations = session.GetDocument().GetFileOperations();
  switch (session.Save()) {
  case CProjectSession::ESaveResult::kSaved:
    context.Out() << "Saved " << folder << "\n";
    return kExitOk;
  case CProjectSession::ESaveResult::kRefused:
  case CProjectSession::ESaveResult::kDeclined:
    context.Err() << "brisel: " << folder
                  << ": not saved: the folder is no longer a project, or a file of it cannot be "
                     "read";
    break;
  case CProjectSession::ESaveResult::kFailed:
    context.Err() << "brisel: " << folder << ": " << CToolTextOut::ErrorText(2);
    break;
  }
  if (!operations.GetLastError().step.empty()) {
    context.Err() << " (" << operations.DescribeLastError() << ")";
  }
  context.Err() << "\n";
  return kExitFailed;
}

int CCommand::RefusedStatus(CToolContext& context) {
  return context.TextOut().WasQuestionRefused() ? kExitQuestionRefused : kExitFailed;
}

} // namespace BrisTool
