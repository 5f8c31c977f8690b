#include "tools/brisel/CSaveAsCommand.h"

#include "LibMac/Utility/UFileUtils.h"
#include "LibMac/Utility/Ux.h"
#include "store/CFileOperations.h"
#include "store/CProjectSession.h"
#include "store/CSaveAsTarget.h"
#include "store/CWritePlan.h"
#include "store/FileExt.h"
#include "tools/brisel/CToolContext.h"
#include "tools/brisel/CToolTextOut.h"
#include "tools/brisel/CWritePlanPrinter.h"
#include "tools/brisel/ExitStatus.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <list>
#include <system_error>

namespace BrisTool {

namespace fs = std::filesystem;

namespace {

constexpr int kQuestionDeleteTargetFiles = 7;

} // namespace

CSaveAsCommand::CSaveAsCommand()
    : CCommand("save-as", "Save the project with its system files into a new folder NAME.prj, "
                          "as Save As does") {}

void CSaveAsCommand::AddOptions(CLI::App& command) {
  command.add_option("PROJECT", mProject, "Project folder (NAME.prj)")->required();
  command.add_option("NEWFOLDER", mTarget, "The new project folder (NAME.prj)")->required();
}

int CSaveAsCommand::Run(CToolContext& context) {
  std::string target;
  UFileUtils::GetFullPathString(mTarget, target, true);
  target = Ux::WithoutTrailingSlash(target);
  if (!UFileUtils::CheckFileExtension(target, Bris::FileExt_Project)) {
    context.Err() << "brisel: " << mTarget << ": the new folder's name must end in .prj\n";
    return kExitUsage;
  }
  const auto session = OpenProject(context, mProject);
  if (session == nullptr) {
    return kExitFailed;
  }
  std::error_code error;
  if (fs::equivalent(session->GetFolderPath(), target, error)) {
    context.Err() << "brisel: " << mTarget << ": is the project's own folder\n";
    return kExitUsage;
  }
  if (IsDryRun()) {
    return Preview(context, *session, target);
  }
  const bool existed = fs::exists(target, error);
  if (!existed && !fs::create_directory(target, error)) {
    context.Err() << "brisel: " << target << ": cannot be created (" << error.message() << ")\n";
    return kExitFailed;
  }
  CToolTextOut& questions = context.TextOut();
  const auto result = session->SaveAs(target, [&questions] {
    const int answer = questions.Dialog(CZelTextOut::kYesNo, kQuestionDeleteTargetFiles);
    return answer == CZelTextOut::kAnswerYes;
  });
  if (!existed && result != Bris::CProjectSession::ESaveResult::kSaved) {
    fs::remove(target, error); // only when still empty
  }
  switch (result) {
  case Bris::CProjectSession::ESaveResult::kSaved:
    context.Out() << "Saved as " << session->GetFolderPath() << "\n";
    return kExitOk;
  case Bris::CProjectSession::ESaveResult::kDeclined:
    return kExitQuestionRefused;
  case Bris::CProjectSession::ESaveResult::kRefused:
    context.Err() << "brisel: " << target << ": not saved: a file of the project cannot be read, "
                  << "or the folder cannot be prepared\n";
    return kExitFailed;
  case Bris::CProjectSession::ESaveResult::kFailed:
    context.Err() << "brisel: " << target << ": " << CToolTextOut::ErrorText(2) << " ("
                  << session->GetDocument().GetFileOperations().DescribeLastError() << ")\n";
    return kExitFailed;
  }
  return kExitFailed;
}

int CSaveAsCommand::Preview(CToolContext& context, Bris::CProjectSession& session,
                            const std::string& target) {
  Bris::CWritePlan plan;
  if (!session.PlanSaveAs(target, plan)) {
    context.Err() << "brisel: " << target << ": the save would be refused: a file of the project "
                  << "cannot be read\n";
    return kExitFailed;
  }
  std::ostream& out = context.Out();
  const std::list<std::string> deleted = Bris::CSaveAsTarget(target).FilesToDelete();
  if (!deleted.empty()) {
    out << "Delete " << deleted.size() << " file(s) already in " << target
        << " (asked first; --yes answers)\n";
    for (const std::string& file : deleted) {
      out << "  delete   " << file << "\n";
    }
  }
  out << "Copy system files into " << target << "\n";
  for (const char* name : Bris::CZelFileDocument::sSystemFileNames) {
    std::error_code error;
    if (fs::is_regular_file(session.GetFolderPath() + "/" + name, error)) {
      out << "  copy     " << name << "\n";
    }
  }
  CWritePlanPrinter(plan, target).Print(out);
  return kExitOk;
}

} // namespace BrisTool
