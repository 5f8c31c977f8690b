// brisel: the librarian's projects on the command line (see brisel(1)).
#include "tools/brisel/CBriselTool.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return BrisTool::CBriselTool().Run(args, std::cout, std::cerr);
}
