#pragma once

#include "tools/brisel/CCommand.h"

#include <string>

namespace BrisTool {

// brisel recover [PROJECT]: finishes the saves (of PROJECT, or of every project) that a process
// did not live to finish, from their journals in the work folder.
class CRecoverCommand : public CCommand {
public:
  CRecoverCommand();

protected:
  bool IsChanging() const override { return true; }
  void AddOptions(CLI::App& command) override;
  int Run(CToolContext& context) override;

private:
  int Preview(CToolContext& context, const std::string& workFolder, const std::string& projectPath);

  std::string mProject;
};

} // namespace BrisTool
