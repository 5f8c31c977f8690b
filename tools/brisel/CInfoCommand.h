#pragma once

#include "tools/brisel/CCommand.h"

#include <string>

namespace BrisTool {

// brisel info PROJECT: used slots of each kind, the waves' total size against the limit, the
// system files present.
class CInfoCommand : public CCommand {
public:
  CInfoCommand();

protected:
  void AddOptions(CLI::App& command) override;
  int Run(CToolContext& context) override;

private:
  std::string mProject;
};

} // namespace BrisTool
