#pragma once

#include "store/CWritePlan.h"

#include <ostream>
#include <string>

namespace BrisTool {

// Shows a save's write plan the way a user reads it: one line per file the save puts in place,
// renames, shelters or moves to the Trash, paths inside the project shown relative to it. The
// temporary files are the plan's own business and are not shown.
class CWritePlanPrinter {
public:
  // projectFolder: the folder the plan writes (with or without its trailing "/").
  CWritePlanPrinter(const Bris::CWritePlan& plan, const std::string& projectFolder);

  void Print(std::ostream& out) const;

private:
  std::string Shown(const std::string& path) const;
  // Where the new contents of temporary come from.
  std::string Origin(const std::string& temporary) const;
  void PrintStep(std::ostream& out, const Bris::CWritePlan::SStep& step) const;

  const Bris::CWritePlan& mPlan;
  std::string mFolder; // with the trailing "/"
};

} // namespace BrisTool
