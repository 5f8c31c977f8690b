#pragma once

#include "tools/brisel/CCommand.h"

#include <string>

namespace BrisTool {

// brisel clean PROJECT [--keep-...]: the librarian's Clean Project with the options given (each
// off unless named), then the project is saved.
class CCleanCommand : public CCommand {
public:
  CCleanCommand();

protected:
  bool IsChanging() const override { return true; }
  void AddOptions(CLI::App& command) override;
  int Run(CToolContext& context) override;

private:
  std::string mProject;
  bool mKeep[4] = {}; // by CDomain::ECleanOption
};

} // namespace BrisTool
