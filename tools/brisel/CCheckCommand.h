#pragma once

#include "tools/brisel/CCommand.h"

#include <string>

namespace BrisTool {

// brisel check PROJECT [--json]: every problem a save or the instrument would trip over, each
// with its slot and file. Exit status 0 when there is none, 1 when there are.
class CCheckCommand : public CCommand {
public:
  CCheckCommand();

protected:
  void AddOptions(CLI::App& command) override;
  int Run(CToolContext& context) override;

private:
  std::string mProject;
  bool mJson = false;
};

} // namespace BrisTool
