#include "tools/brisel/CCheckCommand.h"

#include "LibMac/Utility/UFileUtils.h"
#include "tools/brisel/CProjectChecker.h"
#include "tools/brisel/CToolContext.h"
#include "tools/brisel/CToolWorkFolder.h"
#include "tools/brisel/ExitStatus.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

namespace BrisTool {

CCheckCommand::CCheckCommand()
    : CCommand("check", "Report everything a save or the instrument would trip over; exit "
                        "status 1 when anything was found") {}

void CCheckCommand::AddOptions(CLI::App& command) {
  command.add_option("PROJECT", mProject, "Project folder (NAME.prj)")->required();
  command.add_flag("--json", mJson, "One JSON object with the list of problems, for scripts");
}

int CCheckCommand::Run(CToolContext& context) {
  // Journals are named after the project's full path.
  std::string folder;
  UFileUtils::GetFullPathString(mProject, folder, true);
  const std::vector<CProjectChecker::SProblem> problems =
      CProjectChecker(folder.empty() ? mProject : folder, CToolWorkFolder::DefaultPath()).Check();
  if (mJson) {
    nlohmann::json list = nlohmann::json::array();
    for (const auto& problem : problems) {
      list.push_back({{"problem", problem.code},
                      {"kind", problem.kind},
                      {"slot", problem.slotNumber},
                      {"file", problem.file},
                      {"message", problem.message}});
    }
    context.Out() << nlohmann::json{{"project", mProject}, {"problems", list}}.dump(2) << "\n";
  } else {
    for (const auto& problem : problems) {
      context.Out() << problem.code;
      if (problem.slotNumber > 0) {
        context.Out() << " (" << problem.kind << " " << problem.slotNumber << ")";
      }
      context.Out() << ": " << problem.file << ": " << problem.message << "\n";
    }
    context.Out() << (problems.empty() ? "No problems found"
                                       : std::to_string(problems.size()) + " problem(s) found")
                  << "\n";
  }
  return problems.empty() ? kExitOk : kExitFailed;
}

} // namespace BrisTool
