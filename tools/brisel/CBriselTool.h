#pragma once

#include "tools/brisel/CCommand.h"

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace BrisTool {

// The program brisel: parses the command line, runs the chosen subcommand and returns the exit
// status. Output and errors go to the given streams, so that tests run it in-process.
class CBriselTool {
public:
  CBriselTool();
  ~CBriselTool();

  // args without the program name, e.g. {"info", "/x/Song.prj"}.
  int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

private:
  std::vector<std::unique_ptr<CCommand>> mCommands;
};

} // namespace BrisTool
