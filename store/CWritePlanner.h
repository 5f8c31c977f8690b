#pragma once

#include "domain/CParameter.h"
#include "store/CWritePlan.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace Bris {

class CZelData;
class CZelFileDocument;

// Computes the write plan of a save, slot by slot and kind by kind, with the decisions of the
// writer's algorithm: a slot's old file is sheltered while a record still names it and then leaves
// the project, a record not at home is copied to its target, a renamed record that stayed is
// renamed, patch and tone files get their reference blocks rewritten.
//
// The decisions depend on which records name which file, and the algorithm redirects records as
// it goes (to shelter copies, to renamed files); the planner applies those redirects to the
// records of dataSets as it plans. The caller restores the file paths afterwards: the executor
// applies each redirect again once its step has been done on disk.
class CWritePlanner {
public:
  using EDataType = CParameter::EDataType;

  CWritePlanner(CZelFileDocument& document, std::vector<CZelData*> dataSets, bool saveAs);

  // False when the save cannot be planned (a reference block that cannot be rewritten, a shelter
  // copy without a work folder); the plan is then to be thrown away.
  bool PlanKind(EDataType kind);
  // The memo files whose contents change.
  bool PlanMemos();
  // Ordinary save: every useless file that no slot takes and no record names leaves the project.
  void PlanUselessFiles(const std::vector<std::string>& uselessFiles);

  // A slot's old file: sheltered while a record names it, then (ordinary save) out of the project.
  bool PlanClean(const std::string& oldPath, EDataType kind);

  CWritePlan TakePlan() { return std::move(mPlan); }

  // True when a file or folder name is one this planner gives its temporaries and staging folders.
  static bool IsTemporaryName(const std::string& name);

private:
  bool PlanCopyIntoPlace(const std::string& source, const std::string& target, EDataType kind,
                         std::size_t slotIndex);
  bool PlanRewriteInPlace(const std::string& target, EDataType kind, std::size_t slotIndex);
  void PlanRenameInPlace(const std::string& oldPath, const std::string& newPath, EDataType kind);
  // A file at path that this plan does not remove yet is moved out of the way first.
  void PlanMakeRoomFor(const std::string& path);
  void PlanTrash(const std::string& path);
  // The rewritten bytes of the file at path for the record at (kind, slotIndex); false when the
  // file cannot be read or rewritten.
  bool RewrittenContents(const std::string& path, EDataType kind, std::size_t slotIndex,
                         std::string& original, std::string& rewritten) const;
  // The file that holds path's bytes before the commit: shelter copies and renamed files do not
  // exist yet while the prepare steps read.
  std::string Resolve(const std::string& path) const;
  std::string NewTemporary(const std::string& destination);
  // Save As into a folder that is still empty: the copies go to a new folder beside it, under
  // their final names, and one rename puts that folder in its place instead of one rename per
  // file. Empty when target's folder cannot be staged so.
  std::string StagingFolderFor(const std::string& target, EDataType kind);
  // The placement of the staged folder, followed by the placements of the files in it.
  void PlanPlaceStagedFolder();

  CZelFileDocument& mDocument;
  CZelData& mData;
  std::vector<CZelData*> mDataSets;
  bool mSaveAs;
  CWritePlan mPlan;
  std::map<std::string, std::string> mSources;
  std::set<std::string> mTrashed;
  std::set<std::string> mTemporaries;
  std::string mStageCheckedFolder; // the folder StagingFolderFor last looked at
  std::string mStagingFolder;      // its staging folder, empty when it is not staged
  std::vector<CWritePlan::SStep> mStagedPlacements;
  // Asked once: a plan names thousands of temporaries, and each ask is a system call.
  const std::string mProcessNumber;
};

} // namespace Bris
