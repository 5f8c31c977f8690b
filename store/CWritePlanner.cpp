#include "store/CWritePlanner.h"

#include "LibMac/Utility/UFileUtils.h"
#include "LibMac/Utility/ZelString.h"
#include "domain/CZelData.h"
#include "formats/CPatchSvdManager.h"
#include "formats/CToneSvdManager.h"
#include "store/CFileShelter.h"
#include "store/CZelFileDocument.h"
#include "store/RecordFilePaths.h"

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <system_error>

#include <sys/stat.h>
#include <unistd.h>

namespace Bris {

namespace {

// Every temporary file and staging folder a save makes is named .brisel-<process>-<n>.tmp.
constexpr const char* kTemporaryPrefix = ".brisel-";
constexpr const char* kTemporarySuffix = ".tmp";

using EStep = CWritePlan::EStep;
using SStep = CWritePlan::SStep;

SStep MakeStep(EStep step, const std::string& source, const std::string& temporary,
               const std::string& destination, int kind, std::size_t slotIndex, bool redirects) {
  SStep made;
  made.step = step;
  made.source = source;
  made.temporary = temporary;
  made.destination = destination;
  made.kind = kind;
  made.slotIndex = slotIndex;
  made.redirects = redirects;
  return made;
}

bool Exists(const std::string& path) {
  struct stat info = {};
  return ::lstat(path.c_str(), &info) == 0;
}

// A real folder (not a link), empty, on the same disk as the folder that holds it: a folder made
// beside it can then take its place in one rename.
bool IsEmptyFolderOnItsParentsDisk(const std::string& folder) {
  struct stat info = {};
  struct stat parentInfo = {};
  if (::lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) ||
      ::lstat(GetFolderName(folder).c_str(), &parentInfo) != 0 ||
      info.st_dev != parentInfo.st_dev) {
    return false;
  }
  std::error_code error;
  return std::filesystem::is_empty(folder, error) && !error;
}

// Numbers the temporary files of this process; a name already taken is skipped.
unsigned long sTemporaryNumber = 0;

} // namespace

CWritePlanner::CWritePlanner(CZelFileDocument& document, std::vector<CZelData*> dataSets,
                             bool saveAs)
    : mDocument(document), mData(document.GetZelData()), mDataSets(std::move(dataSets)),
      mSaveAs(saveAs), mProcessNumber(std::to_string(::getpid())) {}

bool CWritePlanner::PlanKind(EDataType kind) {
  CParameterArray* records = mData.GetArray(kind);
  const std::vector<std::string>* names = mData.GetOriginalNames(kind);
  if (records == nullptr || names == nullptr) {
    return false;
  }
  const std::size_t slotCount = std::min(records->size(), names->size());
  for (std::size_t slotIndex = 0; slotIndex < slotCount; ++slotIndex) {
    const CParameter* record = (*records)[slotIndex];
    if (record == nullptr) {
      continue;
    }
    const std::string original = (*names)[slotIndex];
    const std::string filePath = record->GetFilePath();
    const std::string target = mDocument.GetTargetPath(kind, slotIndex);
    if (original == filePath) {
      if (original.empty()) {
        continue;
      }
      if (mSaveAs) {
        if (!PlanCopyIntoPlace(filePath, target, kind, slotIndex)) {
          return false;
        }
        continue;
      }
      if (filePath != target) {
        PlanRenameInPlace(filePath, target, kind);
      }
      if (!PlanRewriteInPlace(target, kind, slotIndex)) {
        return false;
      }
      continue;
    }
    // The slot's old file goes first, so that a target equal to it is free for the copy.
    if (!original.empty()) {
      if (!PlanClean(original, kind)) {
        return false;
      }
      if (filePath.empty()) {
        continue;
      }
    }
    // The clean may have redirected this very record to a shelter copy.
    if (!PlanCopyIntoPlace(record->GetFilePath(), target, kind, slotIndex)) {
      return false;
    }
  }
  PlanPlaceStagedFolder();
  return true;
}

bool CWritePlanner::PlanClean(const std::string& oldPath, EDataType kind) {
  const std::string shelterPath = CFileShelter::MakeShelterPath(oldPath);
  if (IsFilePathNamed(mDataSets, kind, oldPath)) {
    if (shelterPath.empty()) {
      return false;
    }
    RedirectFilePaths(mDataSets, kind, oldPath, shelterPath);
    const std::string temporary = NewTemporary(shelterPath);
    mPlan.mPrepare.push_back(
        MakeStep(EStep::kCopy, Resolve(oldPath), temporary, shelterPath, kind, 0, false));
    mPlan.mCommit.push_back(
        MakeStep(EStep::kPlaceNew, oldPath, temporary, shelterPath, kind, 0, true));
    mSources[shelterPath] = Resolve(oldPath);
  }
  if (!mSaveAs && Exists(CZelFileDocument::SystemPath(oldPath))) {
    PlanTrash(oldPath);
  }
  return true;
}

bool CWritePlanner::PlanCopyIntoPlace(const std::string& source, const std::string& target,
                                      EDataType kind, std::size_t slotIndex) {
  // Already in place (a failed write renamed it there): only its blocks are rewritten.
  if (source == target) {
    return PlanRewriteInPlace(target, kind, slotIndex);
  }
  const std::string staging = StagingFolderFor(target, kind);
  std::string temporary;
  if (staging.empty()) {
    PlanMakeRoomFor(target);
    temporary = NewTemporary(target);
  } else {
    // The folder was empty and the staging folder is new: no name in it is taken.
    temporary = staging + target.substr(target.rfind('/'));
  }
  mPlan.mPrepare.push_back(
      MakeStep(EStep::kCopy, Resolve(source), temporary, target, kind, slotIndex, false));
  if (kind != CParameter::kWave) {
    mPlan.mPrepare.push_back(
        MakeStep(EStep::kRewriteCopy, std::string(), temporary, target, kind, slotIndex, false));
  }
  SStep place = MakeStep(EStep::kPlace, source, temporary, target, kind, slotIndex, false);
  (staging.empty() ? mPlan.mCommit : mStagedPlacements).push_back(std::move(place));
  return true;
}

std::string CWritePlanner::StagingFolderFor(const std::string& target, EDataType kind) {
  if (!mSaveAs) {
    return std::string(); // an ordinary save writes into folders that hold the project
  }
  const std::string folder = GetFolderName(target);
  if (folder != mStageCheckedFolder) {
    PlanPlaceStagedFolder();
    mStageCheckedFolder = folder;
    if (IsEmptyFolderOnItsParentsDisk(CZelFileDocument::SystemPath(folder))) {
      mStagingFolder = NewTemporary(folder); // beside the folder, in the project folder
      mPlan.mPrepare.push_back(
          MakeStep(EStep::kStageFolder, std::string(), mStagingFolder, folder, kind, 0, false));
    }
  }
  return mStagingFolder;
}

void CWritePlanner::PlanPlaceStagedFolder() {
  if (!mStagedPlacements.empty()) {
    mPlan.mCommit.push_back(MakeStep(EStep::kPlaceFolder, std::string(), mStagingFolder,
                                     mStageCheckedFolder, mStagedPlacements.front().kind, 0,
                                     false));
    for (SStep& place : mStagedPlacements) {
      mPlan.mCommit.push_back(std::move(place));
    }
  }
  mStagedPlacements.clear();
  mStageCheckedFolder.clear();
  mStagingFolder.clear();
}

bool CWritePlanner::PlanRewriteInPlace(const std::string& target, EDataType kind,
                                       std::size_t slotIndex) {
  if (kind == CParameter::kWave) {
    return true; // a wave file holds no references
  }
  const std::string source = Resolve(target);
  std::string original;
  std::string rewritten;
  if (!RewrittenContents(CZelFileDocument::SystemPath(source), kind, slotIndex, original,
                         rewritten)) {
    return false;
  }
  // Blocks that already say this are left alone: an unchanged save writes nothing.
  if (rewritten == original) {
    return true;
  }
  const std::string temporary = NewTemporary(target);
  SStep rewrite = MakeStep(EStep::kRewrite, source, temporary, target, kind, slotIndex, false);
  rewrite.contents = std::move(rewritten);
  mPlan.mPrepare.push_back(std::move(rewrite));
  mPlan.mCommit.push_back(
      MakeStep(EStep::kPlace, target, temporary, target, kind, slotIndex, false));
  return true;
}

void CWritePlanner::PlanRenameInPlace(const std::string& oldPath, const std::string& newPath,
                                      EDataType kind) {
  PlanMakeRoomFor(newPath);
  mPlan.mCommit.push_back(
      MakeStep(EStep::kRenameInPlace, oldPath, std::string(), newPath, kind, 0, true));
  // Another record of this project (a copy of the slot) may name the same file; it follows.
  RedirectFilePaths(mDataSets, kind, oldPath, newPath);
  mSources[newPath] = Resolve(oldPath);
}

void CWritePlanner::PlanMakeRoomFor(const std::string& path) {
  if (mTrashed.count(path) == 0 && Exists(CZelFileDocument::SystemPath(path))) {
    PlanTrash(path);
  }
}

void CWritePlanner::PlanTrash(const std::string& path) {
  mPlan.mCommit.push_back(
      MakeStep(EStep::kTrash, path, std::string(), std::string(), -1, 0, false));
  mTrashed.insert(path);
}

bool CWritePlanner::PlanMemos() {
  for (auto kind : {CParameter::kPatch, CParameter::kTone, CParameter::kWave}) {
    std::string path;
    std::string contents;
    if (!mDocument.GetMemoFile(kind, path, contents)) {
      return false;
    }
    // A file that already says exactly this is left alone.
    if (CZelFileDocument::IsFileHolding(path, contents)) {
      continue;
    }
    const std::string temporary = NewTemporary(path);
    SStep write = MakeStep(EStep::kWriteMemo, std::string(), temporary, path, kind, 0, false);
    write.contents = std::move(contents);
    mPlan.mPrepare.push_back(std::move(write));
    mPlan.mCommit.push_back(
        MakeStep(EStep::kPlaceMemo, std::string(), temporary, path, kind, 0, false));
  }
  return true;
}

void CWritePlanner::PlanUselessFiles(const std::vector<std::string>& uselessFiles) {
  if (mSaveAs) {
    return;
  }
  std::set<std::string> targets;
  for (auto kind : {CParameter::kPatch, CParameter::kTone, CParameter::kWave}) {
    const CParameterArray* records = mData.GetArray(kind);
    for (std::size_t slotIndex = 0; records != nullptr && slotIndex < records->size();
         ++slotIndex) {
      if ((*records)[slotIndex] != nullptr && !(*records)[slotIndex]->IsBlank()) {
        targets.insert(mDocument.GetTargetPath(kind, slotIndex));
      }
    }
  }
  for (const std::string& path : uselessFiles) {
    // A slot's file after the save (a record took a duplicate's name), or a file that a record
    // still names (left by a failed write), stays.
    if (targets.count(path) == 0 && mTrashed.count(path) == 0 &&
        !IsFilePathNamedByAnyKind(mDataSets, path) && Exists(CZelFileDocument::SystemPath(path))) {
      PlanTrash(path);
    }
  }
}

bool CWritePlanner::RewrittenContents(const std::string& path, EDataType kind,
                                      std::size_t slotIndex, std::string& original,
                                      std::string& rewritten) const {
  if (!UFileUtils::ReadWholeFile(path, original)) {
    return false;
  }
  std::stringstream file(original, std::ios::in | std::ios::out | std::ios::binary);
  bool written = false;
  if (kind == CParameter::kPatch) {
    const CPatch* patch = mData.mPatches.Get(slotIndex);
    written = patch != nullptr && CPatchSvdManager().WritePatchFile(file, *patch);
  } else {
    const CTone* tone = mData.mTones.Get(slotIndex);
    written = tone != nullptr && CToneSvdManager().WriteToneFile(file, *tone);
  }
  rewritten = std::move(file).str();
  return written;
}

std::string CWritePlanner::Resolve(const std::string& path) const {
  const auto found = mSources.find(path);
  return found == mSources.end() ? path : found->second;
}

bool CWritePlanner::IsTemporaryName(const std::string& name) {
  const std::string prefix = kTemporaryPrefix;
  const std::string suffix = kTemporarySuffix;
  return name.size() >= prefix.size() + suffix.size() && name.rfind(prefix, 0) == 0 &&
         name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0;
}

std::string CWritePlanner::NewTemporary(const std::string& destination) {
  const std::string folder = GetFolderName(destination) + "/";
  const std::string stem = folder + kTemporaryPrefix + mProcessNumber + "-";
  std::string temporary;
  do {
    temporary = stem + std::to_string(++sTemporaryNumber) + kTemporarySuffix;
  } while (mTemporaries.count(temporary) != 0 || Exists(CZelFileDocument::SystemPath(temporary)));
  mTemporaries.insert(temporary);
  return temporary;
}

} // namespace Bris
