#include "store/CWritePlanExecutor.h"

#include "LibMac/Utility/UFileUtils.h"
#include "LibMac/Utility/ZelString.h"
#include "domain/CDomain.h"
#include "domain/CZelData.h"
#include "formats/CPatchSvdManager.h"
#include "formats/CToneSvdManager.h"
#include "store/CBackgroundFlush.h"
#include "store/CFileOperations.h"
#include "store/CSaveJournal.h"
#include "store/CSaveJournalMarks.h"
#include "store/CWritePlanner.h"
#include "store/CZelFileDocument.h"
#include "store/RecordFilePaths.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <memory>
#include <set>
#include <sstream>
#include <system_error>

#include <sys/stat.h>

namespace Bris {

namespace {

namespace fs = std::filesystem;

using EStep = CWritePlan::EStep;
using SStep = CWritePlan::SStep;

bool Exists(const std::string& path) {
  struct stat info = {};
  return ::lstat(path.c_str(), &info) == 0;
}

std::string WithSlash(std::string folder) {
  if (!folder.empty() && folder.back() != '/') {
    folder += '/';
  }
  return folder;
}

void RemoveStagedFiles(CFileOperations& operations, const std::string& folder) {
  // Only a folder named as this program names its staging folders, and only the plain files in
  // it: a journal that names some other folder empties nothing.
  if (!CWritePlanner::IsTemporaryName(folder.substr(folder.rfind('/') + 1))) {
    return;
  }
  std::vector<std::string> staged;
  std::error_code error;
  for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
       entry.increment(error)) {
    if (entry->symlink_status(error).type() == fs::file_type::regular) {
      staged.push_back(entry->path().string());
    }
  }
  for (const std::string& file : staged) {
    operations.RemoveOwnFile(file);
  }
}

} // namespace

CWritePlanExecutor::CWritePlanExecutor(CZelFileDocument& document, std::vector<CZelData*> dataSets)
    : mDocument(document), mDataSets(std::move(dataSets)) {}

std::string CWritePlanExecutor::RemovedFolderFor(const std::string& projectPath) {
  char stamp[32] = {};
  const std::time_t now = std::time(nullptr);
  std::tm local = {};
  localtime_r(&now, &local);
  std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H.%M.%S", &local);
  // Beside the work folder, not in it: the work folder's own clean-up never reaches it.
  std::string workFolder = Domain().GetWorkFolderPath();
  while (!workFolder.empty() && workFolder.back() == '/') {
    workFolder.pop_back();
  }
  if (workFolder.empty()) {
    return WithSlash(projectPath) + ".Removed " + stamp;
  }
  return GetFolderName(workFolder) + "/Removed Files " + stamp;
}

CWritePlanExecutor::EOutcome CWritePlanExecutor::Run(const CWritePlan& plan) {
  if (plan.IsEmpty()) {
    return EOutcome::kDone;
  }
  CFileOperations& operations = mDocument.GetFileOperations();
  mStepCount = plan.StepCount();
  std::vector<bool> commitSkipped(plan.mCommit.size(), false);
  std::set<std::string> prepared;
  const std::string workFolder = Domain().GetWorkFolderPath();
  const std::string journalPath =
      workFolder.empty() ? std::string()
                         : CSaveJournal::PathFor(workFolder, mDocument.GetZelData().mProjectPath);
  if (!journalPath.empty()) {
    // Not committed yet: should the process die while preparing, the next start removes the
    // temporary files it names and nothing else. Not flushed: at worst hidden files stay. A
    // staging folder stands for its files: a Save As stages thousands.
    CSaveJournal::SContents intent;
    intent.projectPath = mDocument.GetZelData().mProjectPath;
    intent.temporaries = plan.TemporariesOutsideStagingFolders();
    operations.WriteFile(journalPath, CSaveJournal::Format(intent));
  }
  const bool preparedAll = Prepare(plan, commitSkipped, prepared);
  // A save whose preparation broke off still does what comes before the first step that needed
  // the missing file, as a save that went slot by slot would have; then it reports the failure.
  std::size_t commitCount = plan.mCommit.size();
  for (std::size_t i = 0; !preparedAll && i < plan.mCommit.size(); ++i) {
    const std::string& temporary = plan.mCommit[i].temporary;
    if (!commitSkipped[i] && !temporary.empty() && prepared.count(temporary) == 0) {
      commitCount = i;
      break;
    }
  }
  if (commitCount == 0 && !preparedAll) {
    RemoveTemporaries(plan);
    RemoveJournal(journalPath);
    return EOutcome::kFailedBeforeCommit;
  }
  CSaveJournal::SContents journal;
  journal.projectPath = mDocument.GetZelData().mProjectPath;
  journal.removedFolder = RemovedFolderFor(journal.projectPath);
  // No temporaries: a committed journal is finished from its steps, and on a full project the
  // list would add a quarter to the bytes flushed before the first rename.
  std::vector<std::size_t> planIndexes; // of each journal step among all the plan's steps
  for (std::size_t i = 0; i < commitCount; ++i) {
    if (!commitSkipped[i]) {
      journal.steps.push_back(plan.mCommit[i]);
      planIndexes.push_back(plan.mPrepare.size() + i);
    }
  }
  journal.committed = true;
  if (!journalPath.empty() && !CSaveJournal::Write(operations, journalPath, journal)) {
    RemoveTemporaries(plan);
    RemoveJournal(journalPath);
    return EOutcome::kFailedBeforeCommit;
  }
  CSaveJournalMarks marks(journalPath);
  std::size_t stepNumber = 0;
  std::string placedFolder; // a staging folder now in place, with every file in it
  for (const SStep& step : journal.steps) {
    Notify(planIndexes[stepNumber], step);
    ++stepNumber;
    if (step.step == EStep::kPlace && !placedFolder.empty() &&
        GetFolderName(step.temporary) == placedFolder) {
      mPlacedTargets.push_back(step.destination); // placed with its folder
      continue;
    }
    if (!RunCommitStep(operations, step, journal.removedFolder)) {
      if (step.step != EStep::kPlaceMemo) {
        RemoveTemporaries(plan);
        RemoveJournal(journalPath);
        return EOutcome::kFailedDuringCommit;
      }
      // The memo file alone fails; the save goes on and reports it.
      mMemoWriteFailed = true;
      operations.RemoveOwnFile(step.temporary);
    }
    if (step.redirects && step.kind >= 0) {
      RedirectFilePaths(mDataSets, static_cast<CParameter::EDataType>(step.kind), step.source,
                        step.destination);
    }
    if (step.step == EStep::kPlaceFolder) {
      const bool placed = !Exists(CZelFileDocument::SystemPath(step.temporary));
      placedFolder = placed ? step.temporary : std::string();
    }
    if (step.step == EStep::kPlace || step.step == EStep::kRenameInPlace) {
      mPlacedTargets.push_back(step.destination);
    }
    if (step.step == EStep::kPlaceNew || step.step == EStep::kRenameInPlace ||
        step.step == EStep::kTrash) {
      mChangedFiles = true;
    }
    marks.MarkDone(stepNumber);
  }
  RemoveStagingFolders(operations, plan.mCommit);
  // The journal goes only once every rename it describes is durable.
  operations.Flush(FoldersOf(plan));
  RemoveJournal(journalPath);
  if (!preparedAll) {
    RemoveTemporaries(plan);
    return EOutcome::kFailedDuringCommit;
  }
  return EOutcome::kDone;
}

bool CWritePlanExecutor::Prepare(const CWritePlan& plan, std::vector<bool>& commitSkipped,
                                 std::set<std::string>& prepared) {
  CFileOperations& operations = mDocument.GetFileOperations();
  std::vector<std::string> written;
  std::set<std::string> stagingFolders;
  bool preparedAll = true;
  std::size_t stepIndex = 0;
  // A save that copies a project's worth of files lets the disk write them as they come.
  constexpr std::size_t kStepsWorthFlushingAhead = 200;
  constexpr std::chrono::milliseconds kFlushAheadPeriod(25);
  std::unique_ptr<CBackgroundFlush> flushAhead;
  if (plan.mPrepare.size() >= kStepsWorthFlushingAhead) {
    flushAhead = std::make_unique<CBackgroundFlush>(
        CZelFileDocument::SystemPath(mDocument.GetZelData().mProjectPath), kFlushAheadPeriod);
  }
  for (const SStep& step : plan.mPrepare) {
    Notify(stepIndex++, step);
    if (PrepareStep(step)) {
      if (step.step == EStep::kStageFolder) {
        stagingFolders.insert(step.temporary);
      }
      // A staging folder, flushed, stands for the files made in it.
      if (step.step != EStep::kRewriteCopy) {
        prepared.insert(step.temporary);
        if (stagingFolders.count(GetFolderName(step.temporary)) == 0) {
          written.push_back(CZelFileDocument::SystemPath(step.temporary));
        }
      }
      continue;
    }
    prepared.erase(step.temporary);
    if (step.step != EStep::kWriteMemo) {
      preparedAll = false;
      break;
    }
    mMemoWriteFailed = true;
    for (std::size_t i = 0; i < plan.mCommit.size(); ++i) {
      commitSkipped[i] = commitSkipped[i] || plan.mCommit[i].temporary == step.temporary;
    }
  }
  for (const SStep& step : plan.mPrepare) {
    const std::string path = CZelFileDocument::SystemPath(step.temporary);
    // A staging folder that could not be made is not this save's to remove.
    if (step.step != EStep::kStageFolder && prepared.count(step.temporary) == 0 && Exists(path)) {
      operations.RemoveOwnFile(path);
    }
  }
  // Everything new is durable before the first file it replaces is touched. A failure a flush
  // ahead met counts too: this flush would not hear of it again.
  const int aheadError = flushAhead != nullptr ? flushAhead->Stop() : 0;
  if ((!written.empty() && !operations.Flush(written)) ||
      (aheadError != 0 &&
       !operations.ReportFailure("flush", mDocument.GetZelData().mProjectPath, aheadError))) {
    prepared.clear();
    return false;
  }
  return preparedAll;
}

bool CWritePlanExecutor::PrepareStep(const SStep& step) {
  CFileOperations& operations = mDocument.GetFileOperations();
  const std::string temporary = CZelFileDocument::SystemPath(step.temporary);
  switch (step.step) {
  case EStep::kCopy: {
    // Copies name the file they are for; the document writes them to the temporary file.
    const std::string destination = CZelFileDocument::SystemPath(step.destination);
    // Once many copies went to one folder (a Save As into an empty one), a listing of it says
    // what was there before; a name it does not show costs no question of its own.
    const bool existed = mDestinationFolders.MayExist(destination) && Exists(destination);
    mDocument.StageCopy(step.destination, step.temporary);
    if (step.kind == CParameter::kPatch || step.kind == CParameter::kTone) {
      operations.KeepCopiedBytes(temporary); // its reference blocks are checked next
    }
    const bool copied = mDocument.CopyZelFile(step.source, step.destination);
    mDocument.UnstageCopy(step.destination);
    // A replaced CopyZelFile that broke off may have written to the name itself.
    if (!copied && !existed && Exists(destination)) {
      operations.RemoveOwnFile(destination);
    }
    return copied;
  }
  case EStep::kRewriteCopy: {
    std::string copied;
    if (!operations.TakeCopiedBytes(temporary, copied) &&
        !UFileUtils::ReadWholeFile(temporary, copied)) {
      return false;
    }
    std::stringstream file(copied, std::ios::in | std::ios::out | std::ios::binary);
    const CZelData& data = mDocument.GetZelData();
    const bool rewritten =
        step.kind == CParameter::kPatch
            ? data.mPatches.Get(step.slotIndex) != nullptr &&
                  CPatchSvdManager().WritePatchFile(file, *data.mPatches.Get(step.slotIndex))
            : data.mTones.Get(step.slotIndex) != nullptr &&
                  CToneSvdManager().WriteToneFile(file, *data.mTones.Get(step.slotIndex));
    if (!rewritten) {
      return false;
    }
    // A copy whose blocks already say this (a Save As of references that did not change) is
    // complete as it is: writing the same bytes again would only cost a second write per file.
    std::string contents = std::move(file).str();
    return contents == copied || operations.WriteFile(temporary, contents);
  }
  case EStep::kRewrite:
  case EStep::kWriteMemo:
    return operations.WriteNewFile(temporary, step.contents);
  case EStep::kStageFolder: {
    // The folder that takes the destination's place keeps its permissions.
    struct stat info = {};
    const std::string destination = CZelFileDocument::SystemPath(step.destination);
    return ::lstat(destination.c_str(), &info) == 0 &&
           operations.CreateNewFolder(temporary, info.st_mode & 07777);
  }
  default:
    return false;
  }
}

bool CWritePlanExecutor::RunCommitStep(CFileOperations& operations, const SStep& step,
                                       const std::string& removedFolder) {
  const std::string source = CZelFileDocument::SystemPath(step.source);
  const std::string temporary = CZelFileDocument::SystemPath(step.temporary);
  const std::string destination = CZelFileDocument::SystemPath(step.destination);
  switch (step.step) {
  case EStep::kPlace:
  case EStep::kPlaceMemo:
    return (!Exists(temporary) && Exists(destination)) ||
           operations.Rename(temporary, destination, true);
  case EStep::kPlaceNew:
    return (!Exists(temporary) && Exists(destination)) ||
           operations.Rename(temporary, destination, false);
  case EStep::kRenameInPlace:
    return (!Exists(source) && Exists(destination)) ||
           operations.Rename(source, destination, false);
  case EStep::kTrash:
    return !Exists(source) ||
           operations.MoveToTrash(source, CZelFileDocument::SystemPath(removedFolder));
  case EStep::kPlaceFolder:
    // Where the destination is no longer an empty folder, the files are placed one by one by the
    // steps that follow.
    if (Exists(temporary)) {
      operations.ReplaceEmptyFolder(temporary, destination);
    }
    return true;
  default:
    return false;
  }
}

void CWritePlanExecutor::Notify(std::size_t stepIndex, const SStep& step) const {
  if (mObserver) {
    const bool aboutSource = step.step == EStep::kTrash || step.destination.empty();
    mObserver(stepIndex, mStepCount, aboutSource ? step.source : step.destination);
  }
}

void CWritePlanExecutor::RemoveJournal(const std::string& journalPath) {
  if (!journalPath.empty() && Exists(journalPath)) {
    mDocument.GetFileOperations().RemoveOwnFile(journalPath);
  }
}

void CWritePlanExecutor::RemoveTemporaries(const CWritePlan& plan) {
  RemoveTemporaries(mDocument.GetFileOperations(), plan.Temporaries());
}

void CWritePlanExecutor::RemoveStagingFolders(CFileOperations& operations,
                                              const std::vector<CWritePlan::SStep>& commitSteps) {
  // A staging folder that could not take its folder's place was emptied file by file.
  for (const SStep& step : commitSteps) {
    const std::string path = CZelFileDocument::SystemPath(step.temporary);
    if (step.step == EStep::kPlaceFolder && Exists(path)) {
      operations.RemoveOwnFolder(path);
    }
  }
}

void CWritePlanExecutor::RemoveTemporaries(CFileOperations& operations,
                                           const std::vector<std::string>& temporaries) {
  // Last made first: the files in a staging folder go before the folder.
  for (auto temporary = temporaries.rbegin(); temporary != temporaries.rend(); ++temporary) {
    const std::string path = CZelFileDocument::SystemPath(*temporary);
    struct stat info = {};
    if (::lstat(path.c_str(), &info) != 0) {
      continue;
    }
    if (S_ISDIR(info.st_mode)) {
      RemoveStagedFiles(operations, path);
      operations.RemoveOwnFolder(path);
    } else {
      operations.RemoveOwnFile(path);
    }
  }
}

std::vector<std::string> CWritePlanExecutor::FoldersOf(const CWritePlan& plan) const {
  std::vector<std::string> folders;
  for (const SStep& step : plan.mCommit) {
    for (const std::string* path : {&step.source, &step.destination}) {
      if (path->empty()) {
        continue;
      }
      const std::string folder = CZelFileDocument::SystemPath(GetFolderName(*path));
      if (std::find(folders.begin(), folders.end(), folder) == folders.end() && Exists(folder)) {
        folders.push_back(folder);
      }
    }
  }
  return folders;
}

} // namespace Bris
