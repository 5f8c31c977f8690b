#pragma once

#include "tools/brisel/CCommand.h"

#include <string>

namespace BrisTool {

// brisel list PROJECT [--kind K] [--json]: one line (or JSON object) per used slot with its
// number, name, memo lines and the tones a patch plays or the waves a tone plays.
class CListCommand : public CCommand {
public:
  CListCommand();

protected:
  void AddOptions(CLI::App& command) override;
  int Run(CToolContext& context) override;

private:
  std::string mProject;
  std::string mKind;
  bool mJson = false;
};

} // namespace BrisTool
