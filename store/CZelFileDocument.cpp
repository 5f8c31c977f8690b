#include "store/CZelFileDocument.h"

#include "LibMac/Utility/UFileUtils.h"
#include "LibMac/Utility/ZelString.h"
#include "Zel/Generic/CZelTextOut.h"
#include "domain/CDomain.h"
#include "formats/CMemoFile.h"
#include "formats/CPatchSvdManager.h"
#include "formats/CToneSvdManager.h"
#include "formats/WaveFiles.h"
#include "store/CDataSetReader.h"
#include "store/CFileOperations.h"
#include "store/CFileShelter.h"
#include "store/CFolderFacts.h"
#include "store/CProjectCleaner.h"
#include "store/CProjectWriter.h"
#include "store/CReadabilityTracker.h"
#include "store/CRecordPathIndex.h"
#include "store/CSlotFileReader.h"
#include "store/ImportWaveMemory.h"
#include "store/RecordFilePaths.h"
#include "store/SlotFileNames.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <limits>
#include <memory>
#include <sstream>
#include <typeinfo>
#include <unistd.h>
#include <utility>

namespace Bris {

namespace fs = std::filesystem;

namespace {

// Wave import's error codes on the domain's error output.
constexpr int kErrorTooFewBlankWaveSlots = 6;
constexpr int kErrorWaveSizeLimit = 8;
constexpr int kErrorNothingImported = 9;

bool CanOpenForUpdate(const std::string& systemPath) {
  return UFileUtils::IsAccessibleFile(systemPath, R_OK | W_OK);
}

} // namespace

CZelFileDocument::CZelFileDocument() : mFileOperations(std::make_unique<CFileOperations>()) {}

CZelFileDocument::~CZelFileDocument() = default;

std::string CZelFileDocument::SystemPath(const std::string& path) {
  return ReplacePathDelimiter(path, Domain().GetPathDelimiter());
}

void CZelFileDocument::ReportError(int code) {
  if (CZelTextOut* out = Domain().GetErrorOut()) {
    out->Write(code);
  }
}

// --- Whole-file copy

bool CZelFileDocument::CopyZelFile(std::string source, std::string destination) {
  const auto staged = mStagedCopies.find(destination);
  if (staged == mStagedCopies.end()) {
    return mFileOperations->CopyFile(SystemPath(source), SystemPath(destination));
  }
  // A staged copy goes to a temporary name of its own, which must not be there yet.
  return mFileOperations->CopyToNewFile(SystemPath(source), SystemPath(staged->second));
}

void CZelFileDocument::StageCopy(const std::string& destination, const std::string& temporary) {
  mStagedCopies[destination] = temporary;
}

void CZelFileDocument::UnstageCopy(const std::string& destination) {
  mStagedCopies.erase(destination);
}

bool CZelFileDocument::CopyFileDurably(const std::string& source, const std::string& destination,
                                       bool replace) {
  const std::string target = SystemPath(destination);
  static unsigned long sCopyNumber = 0;
  const std::string temporary =
      SystemPath(GetFolderName(destination) + "/.brisel-copy-" + std::to_string(::getpid()) + "-" +
                 std::to_string(++sCopyNumber) + ".tmp");
  const bool existed = fs::exists(fs::symlink_status(target));
  StageCopy(destination, temporary);
  bool copied = CopyZelFile(source, destination);
  UnstageCopy(destination);
  copied = copied && mFileOperations->Flush({temporary}) &&
           mFileOperations->Rename(temporary, target, replace) &&
           mFileOperations->Flush({GetFolderName(target) + "/"});
  if (fs::exists(fs::symlink_status(temporary))) {
    mFileOperations->RemoveOwnFile(temporary);
  }
  // A copy broken off (a replaced CopyZelFile may write to the name itself) leaves nothing.
  if (!copied && !existed && fs::exists(fs::symlink_status(target))) {
    mFileOperations->RemoveOwnFile(target);
  }
  return copied;
}

void CZelFileDocument::SetFileOperations(std::unique_ptr<CFileOperations> operations) {
  mFileOperations = operations ? std::move(operations) : std::make_unique<CFileOperations>();
}

bool CZelFileDocument::IsEnableCopyZelFile(std::string source, std::string destination,
                                           CFolderFacts* targetFolders) {
  return UFileUtils::IsAccessibleFile(SystemPath(source), R_OK) &&
         IsEnableCopyTo(destination, targetFolders);
}

bool CZelFileDocument::IsEnableCopyTo(const std::string& destination, CFolderFacts* targetFolders) {
  CFolderFacts askedOnce;
  CFolderFacts& folders = targetFolders != nullptr ? *targetFolders : askedOnce;
  const std::string to = SystemPath(destination);
  if (!folders.MayExist(to) || ::access(to.c_str(), R_OK) != 0) {
    // Not there yet: the copy will create it, which needs its folder.
    return folders.CanCreateBeside(to);
  }
  return CanOpenForUpdate(to);
}

// --- Reading a project

bool CZelFileDocument::ReadDocument(std::string projectPath, std::list<std::string> patchFiles,
                                    std::list<std::string> toneFiles,
                                    std::list<std::string> waveFiles) {
  mReadResult = SOpenResult();
  if (!mData.SetProjectName(projectPath)) {
    mReadResult.failure = EOpenFailure::kRefusedProjectPath;
    mReadResult.path = projectPath;
    return false;
  }
  SetOriginalNames(std::move(patchFiles), CParameter::kPatch);
  SetOriginalNames(std::move(toneFiles), CParameter::kTone);
  SetOriginalNames(std::move(waveFiles), CParameter::kWave);
  // Tones link to the patches already read, waves to the tones.
  return ReadPatch() && ReadTone() && ReadWave();
}

bool CZelFileDocument::ReadPatch() {
  mReadResult = SOpenResult();
  return CDataSetReader(mData, mReadResult).ReadPatches();
}

bool CZelFileDocument::ReadTone() {
  mReadResult = SOpenResult();
  return CDataSetReader(mData, mReadResult).ReadTones();
}

bool CZelFileDocument::ReadWave() {
  mReadResult = SOpenResult();
  return CDataSetReader(mData, mReadResult).ReadWaves();
}

// --- Memo files

bool CZelFileDocument::GetMemoFile(EDataType kind, std::string& path, std::string& contents) const {
  const char* fileName = CMemoFile::FileName(kind);
  const CParameterArray* records = mData.GetArray(kind);
  if (fileName == nullptr || records == nullptr) {
    return false;
  }
  std::ostringstream memos;
  CMemoFile::Write(memos, *records);
  contents = std::move(memos).str();
  path = mData.mProjectPath + fileName;
  return true;
}

bool CZelFileDocument::IsFileHolding(const std::string& path, const std::string& contents) {
  std::string current;
  return UFileUtils::ReadWholeFile(SystemPath(path), current) && current == contents;
}

bool CZelFileDocument::WriteMemo(EDataType kind) {
  std::string path;
  std::string contents;
  if (!GetMemoFile(kind, path, contents)) {
    return false;
  }
  // A file that already says exactly this is left alone: a save touches only what changed.
  if (IsFileHolding(path, contents)) {
    return true;
  }
  const bool written =
      UFileUtils::ReplaceFileContents(SystemPath(path), [&contents](std::ostream& out) {
        out.write(contents.data(), std::ssize(contents));
      });
  if (!written) {
    mMemoWriteFailed = true;
  }
  return true;
}

// --- Patch and tone files

bool CZelFileDocument::WritePatchTone(std::string path, const CPatch* patch) {
  if (patch == nullptr) {
    return true;
  }
  // In and out without truncation: the file must exist, and no file is created.
  std::fstream file(SystemPath(path), std::ios::in | std::ios::out | std::ios::binary);
  if (!file) {
    return false;
  }
  const bool written = CPatchSvdManager().WritePatchFile(file, *patch);
  file.close();
  return written && !file.fail();
}

bool CZelFileDocument::WriteToneOsc(std::string path, const CTone* tone) {
  if (tone == nullptr) {
    return true;
  }
  std::fstream file(SystemPath(path), std::ios::in | std::ios::out | std::ios::binary);
  if (!file) {
    return false;
  }
  const bool written = CToneSvdManager().WriteToneFile(file, *tone);
  file.close();
  return written && !file.fail();
}

bool CZelFileDocument::IsEnableWritePatchTone(std::string path, const CPatch* patch) {
  return patch != nullptr && CanOpenForUpdate(SystemPath(path));
}

bool CZelFileDocument::IsEnableWriteToneOsc(std::string path, const CTone* tone) {
  return tone != nullptr && CanOpenForUpdate(SystemPath(path));
}

// --- Naming

std::string CZelFileDocument::GetIndexStr(int n) {
  return IndexString(n);
}

bool CZelFileDocument::SetOriginalNames(std::list<std::string> paths, EDataType kind) {
  if (std::vector<std::string>* names = mData.GetOriginalNames(kind)) {
    *names = AssignFilesToSlots(std::move(paths), CZelData::GetParameterSize(kind), mUselessFiles);
  }
  return true;
}

std::string CZelFileDocument::GetTargetPath(EDataType kind, std::size_t slotIndex) const {
  const CParameterArray* records = mData.GetArray(kind);
  if (records == nullptr || slotIndex >= records->size() || (*records)[slotIndex] == nullptr) {
    return std::string();
  }
  const CParameter& record = *(*records)[slotIndex];
  return mData.mProjectPath + sFolderName[kind] + GetIndexStr(static_cast<int>(slotIndex + 1)) +
         record.GetName() + GetExtensionName(record.GetFilePath());
}

bool CZelFileDocument::UpdateFileNames(EDataType kind, bool saveAs) {
  CParameterArray* records = mData.GetArray(kind);
  std::vector<std::string>* originalNames = mData.GetOriginalNames(kind);
  if (records == nullptr || originalNames == nullptr) {
    return false;
  }
  const std::size_t slotCount = std::min(records->size(), originalNames->size());
  CRecordPathIndex paths(GetAllZelData(), kind);
  for (std::size_t slotIndex = 0; slotIndex < slotCount; ++slotIndex) {
    CParameter* record = (*records)[slotIndex];
    if (record == nullptr) {
      continue;
    }
    const std::string original = (*originalNames)[slotIndex];
    const std::string filePath = record->GetFilePath();
    std::string newPath;
    if (filePath != original) {
      if (!filePath.empty()) {
        newPath = GetTargetPath(kind, slotIndex);
      }
    } else if (!original.empty()) {
      newPath = GetTargetPath(kind, slotIndex);
      if (saveAs || GetFileName(filePath) != record->GetName()) {
        paths.Redirect(original, newPath);
      }
    }
    paths.SetFilePath(*record, newPath);
    (*originalNames)[slotIndex] = newPath;
  }
  return true;
}

bool CZelFileDocument::UpdateInitialName(std::string oldPath, std::string newPath, EDataType kind) {
  return RedirectFilePaths(GetAllZelData(), kind, oldPath, newPath);
}

bool CZelFileDocument::SearchInitialName(std::string path, EDataType kind, bool otherProjectsOnly) {
  return IsFilePathNamed(GetAllZelData(), kind, path, otherProjectsOnly ? &mData : nullptr);
}

// --- Writing a project

bool CZelFileDocument::WriteDocument(bool saveAs) {
  return CProjectWriter(*this, mUselessFiles).WriteDocument(saveAs);
}

bool CZelFileDocument::PlanWrite(bool saveAs, CWritePlan& plan) {
  return CProjectWriter(*this, mUselessFiles).PlanDocument(saveAs, plan);
}

bool CZelFileDocument::IsWritePossible() {
  return CProjectWriter(*this, mUselessFiles).IsWritePossible();
}

CReadabilityTracker& CZelFileDocument::GetReadabilityTracker() {
  if (mReadability == nullptr) {
    mReadability = std::make_unique<CReadabilityTracker>();
  }
  return *mReadability;
}

bool CZelFileDocument::IsWritePossibleTracked() {
  return GetReadabilityTracker().IsReadable(mData, [this] { return IsWritePossible(); });
}

bool CZelFileDocument::AreRecordFilesKnownReadable() {
  return mReadability != nullptr && mReadability->IsKnownReadable(mData);
}

bool CZelFileDocument::IsEnableWriteFiles(EDataType kind, bool saveAs) {
  return CProjectWriter(*this, mUselessFiles).IsEnableWriteFiles(kind, saveAs);
}

bool CZelFileDocument::WriteFiles(EDataType kind, bool saveAs) {
  return CProjectWriter(*this, mUselessFiles).WriteFiles(kind, saveAs);
}

bool CZelFileDocument::IsEnableCleanUselessFile(std::string path, EDataType kind, bool saveAs) {
  return CProjectWriter(*this, mUselessFiles).IsEnableCleanUselessFile(path, kind, saveAs);
}

bool CZelFileDocument::CleanUselessFile(std::string path, EDataType kind, bool saveAs) {
  return CProjectWriter(*this, mUselessFiles).CleanUselessFile(path, kind, saveAs);
}

bool CZelFileDocument::MyUnlink(const char* path) {
  return mFileOperations->RemoveOwnFile(SystemPath(path));
}

void CZelFileDocument::ShelterFiles() {
  CFileShelter(*this).ShelterFiles();
}

// --- Maintenance

bool CZelFileDocument::CleanProject() {
  CProjectCleaner(mData, CProjectCleaner::SOptions::FromDomain()).Clean();
  return true;
}

bool CZelFileDocument::CopySystemFile(std::string folder) {
  // All copies are written under temporary names and made durable with one flush before any is
  // renamed into place, so the instrument never meets a truncated system file.
  std::vector<std::pair<std::string, std::string>> staged;
  for (const char* name : sSystemFileNames) {
    const std::string source = mData.mProjectPath + name;
    const std::string destination = folder + name;
    if (source == destination) {
      continue; // the project's own folder is never its own target
    }
    const std::string temporary =
        SystemPath(folder + ".brisel-system-" + std::to_string(::getpid()) + "-" + name + ".tmp");
    const bool existed = fs::exists(fs::symlink_status(SystemPath(destination)));
    StageCopy(destination, temporary);
    const bool copied = CopyZelFile(source, destination);
    UnstageCopy(destination);
    if (copied) {
      staged.emplace_back(temporary, SystemPath(destination));
      continue;
    }
    if (fs::exists(fs::symlink_status(temporary))) {
      mFileOperations->RemoveOwnFile(temporary);
    }
    // A replaced CopyZelFile that broke off may have written to the name itself.
    if (!existed && fs::exists(fs::symlink_status(SystemPath(destination)))) {
      mFileOperations->RemoveOwnFile(SystemPath(destination));
    }
  }
  if (staged.empty()) {
    return true;
  }
  std::vector<std::string> temporaries;
  for (const auto& [temporary, destination] : staged) {
    temporaries.push_back(temporary);
  }
  const bool flushed = mFileOperations->Flush(temporaries);
  for (const auto& [temporary, destination] : staged) {
    if (!flushed || !mFileOperations->Rename(temporary, destination, true)) {
      mFileOperations->RemoveOwnFile(temporary);
    }
  }
  mFileOperations->Flush({SystemPath(folder)});
  return true;
}

// --- Waves

std::uint32_t CZelFileDocument::GetTotalWaveSizeValue() const {
  std::uint64_t total = 0;
  for (const CParameter* wave : mData.mWaves.mParameters) {
    if (wave != nullptr && !wave->IsBlank()) {
      total += Domain().GetFileSize(wave->GetFilePath());
    }
  }
  constexpr std::uint64_t kLargest = std::numeric_limits<std::uint32_t>::max();
  return static_cast<std::uint32_t>(std::min(total, kLargest));
}

std::string CZelFileDocument::GetTotalWaveSize() const {
  return FormatWaveSize(GetTotalWaveSizeValue());
}

int CZelFileDocument::ImportWaves(std::list<std::string> paths, const ImportObserver& observer) {
  if (paths.empty()) {
    ReportError(kErrorNothingImported);
    return 0;
  }
  // Counted as offered, before duplicates and refused extensions are taken out.
  if (paths.size() > mData.GetDeletedSize(CParameter::kWave)) {
    ReportError(kErrorTooFewBlankWaveSlots);
    return 0;
  }
  paths = AcceptedImportPaths(std::move(paths));
  // Without a work folder the copies would land wherever the process happens to run.
  std::string workFolder = Domain().GetWorkFolderPath();
  if (paths.empty() || workFolder.empty()) {
    ReportError(kErrorNothingImported);
    return 0;
  }
  if (workFolder.back() != '/') {
    workFolder += '/';
  }
  const SWaveMemoryForecast forecast = ForecastImportWaveMemory(*this, paths);
  if (forecast.IsRefused()) {
    if (CZelTextOut* out = Domain().GetErrorOut()) {
      out->WriteError(kErrorWaveSizeLimit,
                      DescribeWaveMemoryExcess(forecast.usedBytes, forecast.addedBytes));
    }
    return 0;
  }

  // Everything is copied before a slot changes, so that a cancelled import changes nothing.
  std::vector<std::string> copies;
  bool failed = false;
  std::size_t fileIndex = 0;
  for (const auto& path : paths) {
    if (observer && !observer(fileIndex++, paths.size(), path)) {
      for (const std::string& copy : copies) {
        GetFileOperations().RemoveOwnFile(SystemPath(copy));
      }
      return 0;
    }
    // A number whose file is still in the work folder (left by an earlier run) is skipped.
    std::string copyPath;
    do {
      copyPath = workFolder + GetIndexStr(Domain().TakeTempIndex()) +
                 ShortenImportName(GetImportFileName(path)) + GetExtensionName(path);
    } while (fs::exists(fs::symlink_status(SystemPath(copyPath))));
    if (!CopyFileDurably(path, copyPath, false)) {
      failed = true;
      break;
    }
    copies.push_back(copyPath);
  }
  // A copy that failed keeps the waves copied before it, and reports that nothing was imported.
  Domain().ClearUndoDoc();
  Domain().CopyToUndoBuffer(CDomain::kUndoAll, &mData);
  const std::vector<unsigned> blankWaveIndexes = mData.GetDeletedIndexes(CParameter::kWave);
  int imported = 0;
  for (const std::string& copyPath : copies) {
    CParameter* wave = mData.mWaves[blankWaveIndexes[static_cast<std::size_t>(imported)]];
    wave->SetFilePath(copyPath);
    wave->SetFinalName(GetFileName(copyPath), false);
    ++imported;
  }
  if (failed) {
    ReportError(kErrorNothingImported);
    return 0;
  }
  return imported;
}

} // namespace Bris
