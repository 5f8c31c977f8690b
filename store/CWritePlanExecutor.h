#pragma once

#include "store/CFolderFacts.h"
#include "store/CWritePlan.h"

#include <cstddef>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace Bris {

class CFileOperations;
class CZelData;
class CZelFileDocument;

// Carries out a write plan: the prepare steps, one flush of everything they wrote, the journal,
// then the commit steps, each recorded in the journal as it is done, then a flush of the folders
// and the removal of the journal. Every file step goes through the document's file operations.
//
// In-memory effects follow the disk: a record is redirected to a shelter copy or a renamed file
// only once that file is in place, so that a save that stops leaves every record naming a file
// that exists.
class CWritePlanExecutor {
public:
  enum class EOutcome { kDone, kFailedBeforeCommit, kFailedDuringCommit };
  // Told just before each step runs: its 0-based index among all the plan's steps (the prepare
  // steps first, then the commit steps), the plan's step count and the file the step is about.
  using StepObserver =
      std::function<void(std::size_t stepIndex, std::size_t stepCount, const std::string& path)>;

  // dataSets: the data sets whose records the plan's redirects apply to.
  CWritePlanExecutor(CZelFileDocument& document, std::vector<CZelData*> dataSets);

  EOutcome Run(const CWritePlan& plan);
  void SetStepObserver(StepObserver observer) { mObserver = std::move(observer); }

  // True when a step removed, renamed or sheltered a file.
  bool HasChangedFiles() const { return mChangedFiles; }
  // True when a memo file could not be written (the rest of the save went on).
  bool IsMemoWriteFailed() const { return mMemoWriteFailed; }
  // Targets in the project folder that the commit has put in place so far.
  const std::vector<std::string>& GetPlacedTargets() const { return mPlacedTargets; }

  // One commit step, able to tell whether it was done already: a temporary that is gone was
  // placed, a source that is gone was renamed or removed. False when it could not be done.
  static bool RunCommitStep(CFileOperations& operations, const CWritePlan::SStep& step,
                            const std::string& removedFolder);
  // The folder that takes removed files when no Trash can: "Removed Files <date time>" beside the
  // work folder (where its clean-up never reaches), or hidden in the project folder when there is
  // no work folder.
  static std::string RemovedFolderFor(const std::string& projectPath);
  // Removes those of a save's temporary files and staging folders that are still there, the
  // files in a staging folder before the folder (which may stand for them alone).
  static void RemoveTemporaries(CFileOperations& operations,
                                const std::vector<std::string>& temporaries);
  // Removes the staging folders of commitSteps that are still there (emptied file by file).
  static void RemoveStagingFolders(CFileOperations& operations,
                                   const std::vector<CWritePlan::SStep>& commitSteps);

private:
  // Runs the prepare steps up to the first that fails; prepared: the temporary files made. A memo
  // file that cannot be written skips its commit step instead of failing.
  bool Prepare(const CWritePlan& plan, std::vector<bool>& commitSkipped,
               std::set<std::string>& prepared);
  bool PrepareStep(const CWritePlan::SStep& step);
  void RemoveTemporaries(const CWritePlan& plan);
  void RemoveJournal(const std::string& journalPath);
  std::vector<std::string> FoldersOf(const CWritePlan& plan) const;
  void Notify(std::size_t stepIndex, const CWritePlan::SStep& step) const;

  CZelFileDocument& mDocument;
  std::vector<CZelData*> mDataSets;
  bool mChangedFiles = false;
  bool mMemoWriteFailed = false;
  // The folders the copies go to, each listed once many copies went to it: what it held before.
  CFolderFacts mDestinationFolders;
  std::vector<std::string> mPlacedTargets;
  StepObserver mObserver;
  std::size_t mStepCount = 0;
};

} // namespace Bris
