#include "tools/brisel/CRecoverCommand.h"

#include "LibMac/Utility/UFileUtils.h"
#include "LibMac/Utility/Ux.h"
#include "domain/CDomain.h"
#include "store/CFileOperations.h"
#include "store/CSaveJournal.h"
#include "store/CSaveRecovery.h"
#include "tools/brisel/CToolContext.h"
#include "tools/brisel/ExitStatus.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <system_error>

namespace BrisTool {

namespace fs = std::filesystem;

namespace {

std::string ProjectPath(const std::string& folder) {
  std::string path;
  UFileUtils::GetFullPathString(folder, path, true);
  return Ux::WithoutTrailingSlash(path.empty() ? folder : path) + "/";
}

std::vector<std::string> Journals(const std::string& workFolder, const std::string& projectPath) {
  std::vector<std::string> journals;
  std::error_code error;
  if (!projectPath.empty()) {
    const std::string journal = Bris::CSaveJournal::PathFor(workFolder, projectPath);
    if (fs::exists(journal, error)) {
      journals.push_back(journal);
    }
    return journals;
  }
  for (const auto& entry : fs::directory_iterator(workFolder, error)) {
    if (entry.path().extension() == Bris::CSaveJournal::kExtension) {
      journals.push_back(entry.path().string());
    }
  }
  return journals;
}

} // namespace

CRecoverCommand::CRecoverCommand()
    : CCommand("recover", "Finish the saves that were interrupted (of PROJECT, or of every "
                          "project) from their journals") {}

void CRecoverCommand::AddOptions(CLI::App& command) {
  command.add_option("PROJECT", mProject, "Only this project folder");
}

int CRecoverCommand::Run(CToolContext& context) {
  const std::string workFolder = Bris::Domain().GetWorkFolderPath();
  const std::string projectPath = mProject.empty() ? std::string() : ProjectPath(mProject);
  if (IsDryRun()) {
    return Preview(context, workFolder, projectPath);
  }
  Bris::CFileOperations operations;
  Bris::CSaveRecovery recovery(operations);
  std::vector<Bris::CSaveRecovery::SReport> reports;
  if (projectPath.empty()) {
    reports = recovery.RecoverAll(workFolder);
  } else {
    Bris::CSaveRecovery::SReport report;
    if (recovery.RecoverProject(workFolder, projectPath, report)) {
      reports.push_back(report);
    }
  }
  if (reports.empty()) {
    context.Out() << "No interrupted save to finish\n";
    return kExitOk;
  }
  int status = kExitOk;
  for (const auto& report : reports) {
    if (report.completed) {
      context.Out() << "Completed the interrupted save of " << report.projectPath << "\n";
      continue;
    }
    status = kExitFailed;
    context.Err() << "brisel: " << report.projectPath
                  << ": the interrupted save could not be completed\n";
    for (const std::string& path : report.unrestored) {
      context.Err() << "brisel: not restored: " << path << "\n";
    }
    if (!report.keptFolder.empty()) {
      context.Err() << "brisel: its files are kept in " << report.keptFolder << "\n";
    }
  }
  return status;
}

int CRecoverCommand::Preview(CToolContext& context, const std::string& workFolder,
                             const std::string& projectPath) {
  const std::vector<std::string> journals = Journals(workFolder, projectPath);
  if (journals.empty()) {
    context.Out() << "No interrupted save to finish\n";
  }
  for (const std::string& path : journals) {
    Bris::CSaveJournal::SContents journal;
    if (!Bris::CSaveJournal::Read(path, journal)) {
      context.Err() << "brisel: " << path << ": not a save journal this program reads\n";
      continue;
    }
    if (!journal.committed) {
      context.Out() << "Interrupted before it changed anything: " << journal.projectPath << " ("
                    << journal.temporaries.size() << " temporary file(s) to remove)\n";
      continue;
    }
    context.Out() << "Interrupted save of " << journal.projectPath << ": " << journal.steps.size()
                  << " step(s), " << journal.doneCount << " marked done\n";
    for (const auto& step : journal.steps) {
      const std::string& from = step.temporary.empty() ? step.source : step.temporary;
      context.Out() << "  "
                    << (step.destination.empty() ? "trash    " + step.source
                                                 : "put      " + from + " -> " + step.destination)
                    << "\n";
    }
  }
  return kExitOk;
}

} // namespace BrisTool
