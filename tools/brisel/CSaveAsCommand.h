#pragma once

#include "tools/brisel/CCommand.h"

#include <string>

namespace BrisTool {

// brisel save-as PROJECT NEWFOLDER.prj: the project with its system files saved into a new
// folder, as Save As does. A folder that already holds files is emptied only with --yes.
class CSaveAsCommand : public CCommand {
public:
  CSaveAsCommand();

protected:
  bool IsChanging() const override { return true; }
  void AddOptions(CLI::App& command) override;
  int Run(CToolContext& context) override;

private:
  int Preview(CToolContext& context, Bris::CProjectSession& session, const std::string& target);

  std::string mProject;
  std::string mTarget;
};

} // namespace BrisTool
