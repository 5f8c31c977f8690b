#include "tools/brisel/CWritePlanPrinter.h"

#include "LibMac/Utility/Ux.h"

#include <algorithm>

namespace BrisTool {

using Bris::CWritePlan;

CWritePlanPrinter::CWritePlanPrinter(const CWritePlan& plan, const std::string& projectFolder)
    : mPlan(plan), mFolder(Ux::WithoutTrailingSlash(projectFolder) + "/") {}

std::string CWritePlanPrinter::Shown(const std::string& path) const {
  if (path.size() > mFolder.size() && path.compare(0, mFolder.size(), mFolder) == 0) {
    return path.substr(mFolder.size());
  }
  return path;
}

std::string CWritePlanPrinter::Origin(const std::string& temporary) const {
  std::string origin;
  for (const CWritePlan::SStep& step : mPlan.mPrepare) {
    if (step.temporary != temporary) {
      continue;
    }
    switch (step.step) {
    case CWritePlan::EStep::kCopy:
      origin = "copy of " + Shown(step.source);
      break;
    case CWritePlan::EStep::kRewriteCopy:
      origin += origin.empty() ? "references rewritten" : ", references rewritten";
      break;
    case CWritePlan::EStep::kRewrite:
      origin = Shown(step.source) + " with its references rewritten";
      break;
    case CWritePlan::EStep::kWriteMemo:
      origin = "new memo lines";
      break;
    default:
      break;
    }
  }
  return origin;
}

void CWritePlanPrinter::PrintStep(std::ostream& out, const CWritePlan::SStep& step) const {
  switch (step.step) {
  case CWritePlan::EStep::kPlace:
  case CWritePlan::EStep::kPlaceMemo: {
    const std::string origin = Origin(step.temporary);
    out << "  write    " << Shown(step.destination) << (origin.empty() ? "" : "  (" + origin + ")")
        << "\n";
    break;
  }
  case CWritePlan::EStep::kPlaceNew:
    out << "  shelter  " << Shown(step.source) << " -> " << Shown(step.destination) << "\n";
    break;
  case CWritePlan::EStep::kRenameInPlace:
    out << "  rename   " << Shown(step.source) << " -> " << Shown(step.destination) << "\n";
    break;
  case CWritePlan::EStep::kTrash:
    out << "  trash    " << Shown(step.source) << "\n";
    break;
  default:
    break;
  }
}

void CWritePlanPrinter::Print(std::ostream& out) const {
  out << "Save " << Ux::WithoutTrailingSlash(mFolder) << ": ";
  if (mPlan.mCommit.empty()) {
    out << "nothing to change\n";
    return;
  }
  // A staging folder put in place is how its files are placed, not a change of its own.
  const auto changes = static_cast<std::size_t>(
      std::count_if(mPlan.mCommit.begin(), mPlan.mCommit.end(), [](const CWritePlan::SStep& step) {
        return step.step != CWritePlan::EStep::kPlaceFolder;
      }));
  out << changes << (changes == 1 ? " change" : " changes") << "\n";
  for (const CWritePlan::SStep& step : mPlan.mCommit) {
    PrintStep(out, step);
  }
}

} // namespace BrisTool
