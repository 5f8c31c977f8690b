#include "store/CProjectWriter.h"

#include "LibMac/Utility/UFileUtils.h"
#include "LibMac/Utility/ZelString.h"
#include "domain/CDomain.h"
#include "domain/CZelData.h"
#include "store/CFileShelter.h"
#include "store/CLinkedSlotFiles.h"
#include "store/CWritePlanExecutor.h"
#include "store/CWritePlanner.h"
#include "store/CZelFileDocument.h"
#include "store/DebugTrace.h"
#include "store/RecordFilePaths.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace Bris {

namespace fs = std::filesystem;

namespace {

constexpr CParameter::EDataType kKinds[] = {CParameter::kPatch, CParameter::kTone,
                                            CParameter::kWave};

bool CanOpenForUpdate(const std::string& systemPath) {
  return UFileUtils::IsAccessibleFile(systemPath, R_OK | W_OK);
}

bool CanOpenForReading(const std::string& systemPath, CFolderFacts& folders) {
  // A listing that shows a plain file spares asking for its type; whether it may be read is
  // still asked of the file system, which alone knows every rule that decides it.
  if (folders.IsListedAsPlainFile(systemPath)) {
    return ::access(systemPath.c_str(), R_OK) == 0;
  }
  return UFileUtils::IsAccessibleFile(systemPath, R_OK);
}

bool Exists(const std::string& systemPath) {
  std::error_code error;
  return fs::exists(fs::symlink_status(systemPath, error));
}

// The slots a kind's write visits: as many as the original-name list has, and records exist for.
std::size_t SlotCount(const CParameterArray* records, const std::vector<std::string>* names) {
  return records == nullptr || names == nullptr ? 0 : std::min(records->size(), names->size());
}

// The file path of every record of the data sets a write keeps whole.
struct SFilePathSnapshot {
  std::vector<std::pair<CParameter*, std::string>> paths;
};

SFilePathSnapshot TakeFilePaths(const std::vector<CZelData*>& dataSets) {
  SFilePathSnapshot snapshot;
  for (CZelData* data : dataSets) {
    for (auto kind : kKinds) {
      CParameterArray* records = data == nullptr ? nullptr : data->GetArray(kind);
      for (std::size_t i = 0; records != nullptr && i < records->size(); ++i) {
        if (CParameter* record = (*records)[i]) {
          snapshot.paths.emplace_back(record, record->GetFilePath());
        }
      }
    }
  }
  return snapshot;
}

void RestoreFilePaths(const SFilePathSnapshot& snapshot) {
  for (const auto& [record, path] : snapshot.paths) {
    if (record->GetFilePath() != path) {
      record->SetFilePath(path);
    }
  }
}

} // namespace

CProjectWriter::CProjectWriter(CZelFileDocument& document, std::vector<std::string>& uselessFiles)
    : mDocument(document), mData(document.GetZelData()), mUselessFiles(uselessFiles) {}

// --- Whole write

bool CProjectWriter::WriteDocument(bool saveAs) {
  mDocument.ClearMemoWriteFailed();
  for (auto kind : kKinds) {
    if (!IsEnableWriteFiles(kind, saveAs)) {
      return false;
    }
  }
  // Save As only reads this folder's files; an ordinary save first makes every linked slot file a
  // file of the project's own.
  if (!saveAs) {
    const CLinkedSlotFiles links(KnownFilesOfTheProject());
    if (!links.IsEnableReplaceByCopies() || !links.ReplaceByCopies()) {
      return false;
    }
  }
  CWritePlan plan;
  if (!MakePlan(saveAs, {CParameter::kPatch, CParameter::kTone, CParameter::kWave}, true, plan)) {
    return false;
  }
  const bool written = Execute(plan);
  if (written) {
    for (auto kind : kKinds) {
      mDocument.UpdateFileNames(kind, saveAs);
    }
    mUselessFiles.clear();
  }
  // A saved undo state names the files as they were before: after this data set was written, or
  // once any file it may name was removed or renamed, undoing would bring back records that name
  // files that are gone.
  if (Domain().IsUndoDoc(&mData) || mChangedFiles) {
    Domain().ClearUndoDoc();
  }
  return written && !mDocument.IsMemoWriteFailed();
}

bool CProjectWriter::PlanDocument(bool saveAs, CWritePlan& plan) {
  for (auto kind : kKinds) {
    if (!IsEnableWriteFiles(kind, saveAs)) {
      return false;
    }
  }
  return MakePlan(saveAs, {CParameter::kPatch, CParameter::kTone, CParameter::kWave}, true, plan);
}

bool CProjectWriter::MakePlan(bool saveAs, std::initializer_list<EDataType> kinds, bool whole,
                              CWritePlan& plan) {
  mSaveAs = saveAs;
  const std::vector<CZelData*> dataSets = DataSetsInPlay();
  // Planning redirects records as the writer's algorithm does; the executor redirects them again
  // once each file is in place, so that a save that stops leaves no record naming a missing file.
  const SFilePathSnapshot snapshot = TakeFilePaths(dataSets);
  CWritePlanner planner(mDocument, dataSets, saveAs);
  bool planned = true;
  for (auto kind : kinds) {
    planned = planned && planner.PlanKind(kind);
  }
  if (planned && whole) {
    planned = planner.PlanMemos();
    planner.PlanUselessFiles(mUselessFiles);
  }
  RestoreFilePaths(snapshot);
  plan = planner.TakePlan();
  return planned;
}

bool CProjectWriter::Execute(const CWritePlan& plan) {
  CWritePlanExecutor executor(mDocument, DataSetsInPlay());
  executor.SetStepObserver(mDocument.GetWriteStepObserver());
  const CWritePlanExecutor::EOutcome outcome = executor.Run(plan);
  mChangedFiles = mChangedFiles || executor.HasChangedFiles();
  if (executor.IsMemoWriteFailed()) {
    mDocument.MarkMemoWriteFailed();
  }
  if (outcome == CWritePlanExecutor::EOutcome::kDone) {
    return true;
  }
  Domain().SetWriteStoppedPartWay();
  // Files this write put at target paths that are no slot's file yet are useless until a later
  // save takes or removes them.
  for (const auto& target : executor.GetPlacedTargets()) {
    if (!IsOriginalName(target) &&
        std::find(mUselessFiles.begin(), mUselessFiles.end(), target) == mUselessFiles.end()) {
      mUselessFiles.push_back(target);
    }
  }
  return false;
}

bool CProjectWriter::IsWritePossible() const {
  CFolderFacts folders;
  for (auto kind : kKinds) {
    const CParameterArray* records = mData.GetArray(kind);
    for (std::size_t slotIndex = 0; slotIndex < records->size(); ++slotIndex) {
      const CParameter* record = (*records)[slotIndex];
      if (record == nullptr || record->IsBlank()) {
        continue;
      }
      const std::string& filePath = record->GetFilePath();
      const std::string openName = CZelFileDocument::SystemPath(filePath);
      if (!CanOpenForReading(openName, folders)) {
        IgnoreTRACE("(%d) originalName=[%s] openName=[%s] \n", static_cast<int>(slotIndex),
                    filePath.c_str(), openName.c_str());
        return false;
      }
    }
  }
  return true;
}

// --- One kind

bool CProjectWriter::IsEnableWriteFiles(EDataType kind, bool saveAs) {
  const CParameterArray* records = mData.GetArray(kind);
  const std::vector<std::string>* names = mData.GetOriginalNames(kind);
  if (records == nullptr || names == nullptr) {
    return false;
  }
  const std::size_t slotCount = SlotCount(records, names);
  // The readability check just before a save has asked about every non-blank record's file.
  const bool filesReadable = mDocument.AreRecordFilesKnownReadable();
  for (std::size_t slotIndex = 0; slotIndex < slotCount; ++slotIndex) {
    const CParameter* record = (*records)[slotIndex];
    if (record == nullptr) {
      continue;
    }
    const std::string& original = (*names)[slotIndex];
    const std::string& filePath = record->GetFilePath();
    const bool sourceReadable = filesReadable && !record->IsBlank();
    if (original == filePath) {
      if (original.empty()) {
        continue;
      }
      const std::string target = mDocument.GetTargetPath(kind, slotIndex);
      if (saveAs) {
        if (!IsEnableCopyIntoPlace(filePath, target, kind, slotIndex, sourceReadable)) {
          return false;
        }
      } else if (!IsEnableRenameInPlace(filePath, target) ||
                 !IsEnableRewrite(kind, filePath, slotIndex)) {
        return false;
      }
      continue;
    }
    if (!original.empty()) {
      if (!IsEnableCleanUselessFile(original, kind, saveAs)) {
        return false;
      }
      if (filePath.empty()) {
        continue;
      }
    }
    if (!IsEnableCopyIntoPlace(filePath, mDocument.GetTargetPath(kind, slotIndex), kind, slotIndex,
                               sourceReadable)) {
      return false;
    }
  }
  return true;
}

bool CProjectWriter::WriteFiles(EDataType kind, bool saveAs) {
  if (mData.GetArray(kind) == nullptr || mData.GetOriginalNames(kind) == nullptr) {
    return false;
  }
  CWritePlan plan;
  return MakePlan(saveAs, {kind}, false, plan) && Execute(plan);
}

// --- A slot's old file

bool CProjectWriter::IsEnableCleanUselessFile(const std::string& oldPath, EDataType kind,
                                              bool saveAs) {
  // Takes a shelter number like the clean itself, so both number their copies alike.
  const std::string shelterPath = CFileShelter::MakeShelterPath(oldPath);
  if (IsFilePathNamed(DataSetsInPlay(), kind, oldPath) &&
      (shelterPath.empty() || !mDocument.IsEnableCopyZelFile(oldPath, shelterPath))) {
    return false;
  }
  if (saveAs) {
    return true;
  }
  const std::string systemPath = CZelFileDocument::SystemPath(oldPath);
  // Gone already (a write that failed part-way removed it) and needed by nobody: clean.
  return !Exists(systemPath) || CanOpenForUpdate(systemPath);
}

bool CProjectWriter::CleanUselessFile(const std::string& oldPath, EDataType kind, bool saveAs) {
  mSaveAs = saveAs;
  const std::vector<CZelData*> dataSets = DataSetsInPlay();
  const SFilePathSnapshot snapshot = TakeFilePaths(dataSets);
  CWritePlanner planner(mDocument, dataSets, saveAs);
  const bool planned = planner.PlanClean(oldPath, kind);
  RestoreFilePaths(snapshot);
  return planned && Execute(planner.TakePlan());
}

// --- Useless files

void CProjectWriter::DeleteUselessFiles(bool saveAs) {
  CWritePlanner planner(mDocument, DataSetsInPlay(), saveAs);
  planner.PlanUselessFiles(mUselessFiles);
  if (Execute(planner.TakePlan())) {
    mUselessFiles.clear();
  }
}

// --- Helpers

std::vector<CZelData*> CProjectWriter::DataSetsInPlay() const {
  std::vector<CZelData*> dataSets = mDocument.GetAllZelData();
  if (std::find(dataSets.begin(), dataSets.end(), &mData) == dataSets.end()) {
    dataSets.push_back(&mData);
  }
  return dataSets;
}

bool CProjectWriter::IsEnableCopyIntoPlace(const std::string& source, const std::string& target,
                                           EDataType kind, std::size_t slotIndex,
                                           bool sourceReadable) {
  // A file already in place is only rewritten.
  if (source == target) {
    return IsEnableRewrite(kind, target, slotIndex);
  }
  return sourceReadable ? mDocument.IsEnableCopyTo(target, &mTargetFolders)
                        : mDocument.IsEnableCopyZelFile(source, target, &mTargetFolders);
}

bool CProjectWriter::IsEnableRewrite(EDataType kind, const std::string& path,
                                     std::size_t slotIndex) {
  switch (kind) {
  case CParameter::kPatch:
    return mDocument.IsEnableWritePatchTone(path, mData.mPatches.Get(slotIndex));
  case CParameter::kTone:
    return mDocument.IsEnableWriteToneOsc(path, mData.mTones.Get(slotIndex));
  default:
    return true; // a wave file holds no references
  }
}

bool CProjectWriter::IsEnableRenameInPlace(const std::string& oldPath,
                                           const std::string& newPath) const {
  if (oldPath == newPath) {
    return true;
  }
  // An ordinary save renames inside the project folder only. A target in another folder means
  // the project path was changed without a save-as; moving files out of their folder then would
  // strip the project the files came from.
  const std::string folder = GetFolderName(oldPath);
  if (folder != GetFolderName(newPath)) {
    return false;
  }
  return ::access(CZelFileDocument::SystemPath(folder).c_str(), W_OK | X_OK) == 0;
}

std::vector<std::string> CProjectWriter::KnownFilesOfTheProject() const {
  std::vector<std::string> paths = mUselessFiles;
  for (auto kind : kKinds) {
    if (const std::vector<std::string>* names = mData.GetOriginalNames(kind)) {
      paths.insert(paths.end(), names->begin(), names->end());
    }
  }
  return paths;
}

bool CProjectWriter::IsOriginalName(const std::string& path) const {
  for (auto kind : kKinds) {
    const std::vector<std::string>* names = mData.GetOriginalNames(kind);
    if (names != nullptr && std::find(names->begin(), names->end(), path) != names->end()) {
      return true;
    }
  }
  return false;
}

} // namespace Bris
