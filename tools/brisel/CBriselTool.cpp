#include "tools/brisel/CBriselTool.h"

#include "tools/brisel/CCheckCommand.h"
#include "tools/brisel/CCleanCommand.h"
#include "tools/brisel/CCopyCommand.h"
#include "tools/brisel/CImportCommand.h"
#include "tools/brisel/CInfoCommand.h"
#include "tools/brisel/CListCommand.h"
#include "tools/brisel/CRecoverCommand.h"
#include "tools/brisel/CSaveAsCommand.h"
#include "tools/brisel/ExitStatus.h"

#include <CLI/CLI.hpp>

namespace BrisTool {

CBriselTool::CBriselTool() {
  mCommands.push_back(std::make_unique<CInfoCommand>());
  mCommands.push_back(std::make_unique<CListCommand>());
  mCommands.push_back(std::make_unique<CCheckCommand>());
  mCommands.push_back(std::make_unique<CCopyCommand>());
  mCommands.push_back(std::make_unique<CImportCommand>());
  mCommands.push_back(std::make_unique<CCleanCommand>());
  mCommands.push_back(std::make_unique<CSaveAsCommand>());
  mCommands.push_back(std::make_unique<CRecoverCommand>());
}

CBriselTool::~CBriselTool() = default;

int CBriselTool::Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CLI::App program("Inspect, check, copy between, import into, clean and save Brisel Librarian "
                   "projects without the window.",
                   "brisel");
  program.set_version_flag("--version", std::string("brisel ") + BRISEL_VERSION);
  program.require_subcommand(1);
  program.footer("Exit status: 0 done (check: no problems), 1 failed (check: problems found), "
                 "2 wrong command line, 3 stopped at a question (give --yes); see brisel(1).");
  for (const auto& command : mCommands) {
    command->Register(program);
  }
  // CLI11 takes the arguments last first.
  std::vector<std::string> reversed(args.rbegin(), args.rend());
  try {
    program.parse(reversed);
  } catch (const CLI::ParseError& error) {
    const int status = program.exit(error, out, err);
    return status == 0 ? kExitOk : kExitUsage;
  }
  for (const auto& command : mCommands) {
    if (command->IsChosen()) {
      return command->Execute(out, err);
    }
  }
  return kExitUsage;
}

} // namespace BrisTool
