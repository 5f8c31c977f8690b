#include "store/CSaveRecovery.h"

#include "LibMac/Utility/ZelString.h"
#include "store/CFileOperations.h"
#include "store/CWritePlanExecutor.h"

#include <ctime>
#include <filesystem>
#include <system_error>

#include <sys/stat.h>

namespace Bris {

namespace fs = std::filesystem;

namespace {

using EStep = CWritePlan::EStep;

bool Exists(const std::string& path) {
  struct stat info = {};
  return ::lstat(path.c_str(), &info) == 0;
}

bool IsPlacement(EStep step) {
  return step == EStep::kPlace || step == EStep::kPlaceNew || step == EStep::kPlaceMemo;
}

std::string DateStamp() {
  char stamp[32] = {};
  const std::time_t now = std::time(nullptr);
  std::tm local = {};
  localtime_r(&now, &local);
  std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H.%M.%S", &local);
  return stamp;
}

} // namespace

std::vector<CSaveRecovery::SReport> CSaveRecovery::RecoverAll(const std::string& workFolder) {
  std::vector<std::string> journals;
  std::error_code error;
  for (fs::directory_iterator entry(workFolder, error), end; !error && entry != end;
       entry.increment(error)) {
    const std::string path = entry->path().string();
    if (entry->path().extension() == CSaveJournal::kExtension) {
      journals.push_back(path);
    } else if (path.size() > 4 && path.compare(path.size() - 4, 4, ".new") == 0 &&
               fs::path(path.substr(0, path.size() - 4)).extension() == CSaveJournal::kExtension) {
      mOperations.RemoveOwnFile(path); // a journal that was being written when the process died
    }
  }
  std::vector<SReport> reports;
  for (const std::string& journal : journals) {
    SReport report;
    if (Recover(journal, report)) {
      reports.push_back(std::move(report));
    }
  }
  return reports;
}

bool CSaveRecovery::RecoverProject(const std::string& workFolder, const std::string& projectPath,
                                   SReport& report) {
  const std::string journal = CSaveJournal::PathFor(workFolder, projectPath);
  if (Exists(journal + ".new")) {
    mOperations.RemoveOwnFile(journal + ".new");
  }
  return Exists(journal) && Recover(journal, report);
}

bool CSaveRecovery::Recover(const std::string& journalPath, SReport& report) {
  CSaveJournal::SContents journal;
  if (!CSaveJournal::Read(journalPath, journal)) {
    return false; // not a journal of this program: left alone
  }
  report = SReport();
  report.projectPath = journal.projectPath;
  if (!journal.committed) {
    // The save stopped before its first change: only its own temporary files are to go.
    CWritePlanExecutor::RemoveTemporaries(mOperations, journal.temporaries);
    mOperations.RemoveOwnFile(journalPath);
    return false;
  }
  Complete(journal, report);
  if (report.completed) {
    mOperations.RemoveOwnFile(journalPath);
  } else {
    KeepLeftovers(journalPath, journal, report);
  }
  return true;
}

void CSaveRecovery::Complete(const CSaveJournal::SContents& journal, SReport& report) {
  // Steps run in order, and a temporary file disappears only by its placement: every step up to
  // the last placement whose temporary is gone is done, whatever the progress marks say.
  std::size_t firstOpen = 0;
  for (std::size_t i = 0; i < journal.steps.size(); ++i) {
    const CWritePlan::SStep& step = journal.steps[i];
    if (IsPlacement(step.step) && !Exists(step.temporary) && Exists(step.destination)) {
      firstOpen = i + 1;
    }
  }
  // A temporary file still there before that point cannot be: one of the later ones was lost, not
  // placed. Nothing is done then; the files are kept for the user.
  for (std::size_t i = 0; i < firstOpen; ++i) {
    if (IsPlacement(journal.steps[i].step) && Exists(journal.steps[i].temporary)) {
      report.completed = false;
      for (std::size_t j = i; j < firstOpen; ++j) {
        if (IsPlacement(journal.steps[j].step) && !Exists(journal.steps[j].temporary)) {
          report.unrestored.push_back(journal.steps[j].destination);
        }
      }
      return;
    }
  }
  std::vector<std::string> folders;
  for (std::size_t i = firstOpen; i < journal.steps.size(); ++i) {
    const CWritePlan::SStep& step = journal.steps[i];
    // A file whose staging folder was just put in place is at its destination already.
    const bool lost =
        IsPlacement(step.step) && !Exists(step.temporary) && !Exists(step.destination);
    if (lost || !CWritePlanExecutor::RunCommitStep(mOperations, step, journal.removedFolder)) {
      // Nothing more is removed once one step cannot be done.
      report.completed = false;
      for (std::size_t j = i; j < journal.steps.size(); ++j) {
        if (journal.steps[j].step != EStep::kTrash &&
            journal.steps[j].step != EStep::kPlaceFolder) {
          report.unrestored.push_back(journal.steps[j].destination);
        }
      }
      return;
    }
    folders.push_back(GetFolderName(step.destination.empty() ? step.source : step.destination));
  }
  CWritePlanExecutor::RemoveStagingFolders(mOperations, journal.steps);
  mOperations.Flush(folders);
}

void CSaveRecovery::KeepLeftovers(const std::string& journalPath,
                                  const CSaveJournal::SContents& journal, SReport& report) {
  const std::string kept = GetFolderName(journalPath) + "/Kept " + DateStamp();
  if (!mOperations.CreateFolder(kept)) {
    report.keptFolder = GetFolderName(journalPath);
    return;
  }
  report.keptFolder = kept;
  // The temporary files get the names of the files they were to become.
  for (const CWritePlan::SStep& step : journal.steps) {
    if (step.step != EStep::kPlaceFolder && !step.temporary.empty() && Exists(step.temporary)) {
      std::string name = fs::path(step.destination).filename().string();
      std::string target = kept + "/" + name;
      for (int number = 2; Exists(target); ++number) {
        target = kept + "/" + std::to_string(number) + " " + name;
      }
      mOperations.Rename(step.temporary, target, false);
    }
  }
  CWritePlanExecutor::RemoveStagingFolders(mOperations, journal.steps);
  mOperations.Rename(journalPath, kept + "/" + fs::path(journalPath).filename().string(), false);
  mOperations.Flush({kept});
}

} // namespace Bris
