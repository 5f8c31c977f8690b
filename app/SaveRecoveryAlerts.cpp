#include "app/SaveRecoveryAlerts.h"

#include "LibMac/Utility/Ux.h"
#include "Zel/Generic/CErrorOut.h"
#include "store/CSaveRecovery.h"

namespace {

constexpr int kErrorSaveCompleted = 12;
constexpr int kErrorSaveNotCompleted = 13;

} // namespace

void ShowSaveRecoveryReport(const Bris::CSaveRecovery::SReport& report) {
  std::string detail = "Project: " + Ux::WithoutTrailingSlash(report.projectPath);
  if (report.completed) {
    CErrorOut::ErrorAlert(kErrorSaveCompleted, detail);
    return;
  }
  detail += "\nCould not be restored:";
  for (const std::string& path : report.unrestored) {
    detail += "\n  " + path;
  }
  detail += "\nThe files that were kept are in: " + report.keptFolder;
  CErrorOut::ErrorAlert(kErrorSaveNotCompleted, detail);
}

void RecoverInterruptedSaves(Bris::CFileOperations& operations, const std::string& workFolder) {
  if (workFolder.empty()) {
    return;
  }
  for (const auto& report : Bris::CSaveRecovery(operations).RecoverAll(workFolder)) {
    ShowSaveRecoveryReport(report);
  }
}
