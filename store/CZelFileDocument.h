#pragma once

#include "domain/CParameter.h"
#include "domain/CZelData.h"
#include "formats/SvdFileLayout.h"
#include "store/CWritePlanExecutor.h"
#include "store/SOpenResult.h"

#include <cstdint>
#include <functional>
#include <list>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace Bris {

class CFolderFacts;
class CFileOperations;
class CWritePlan;
class CReadabilityTracker;

// The file side of one open project: owns the project's data set, fills it from the project
// folder and keeps the slot files, their names and the memo files in line with it. Reports
// nothing to the user; every operation answers bool (or a count) and the caller shows the alert.
// Wave import alone reports its refusals through the domain's error channel.
//
// Paths are "/"-separated UTF-8; every path goes through ReplacePathDelimiter with the domain's
// delimiter just before it reaches the file system.
class CZelFileDocument {
public:
  using EDataType = CParameter::EDataType;

  // The first 30 bytes of every patch and tone file.
  static constexpr const auto& PatchHeaderData = SvdFileLayout::kPatchSignature;
  static constexpr const auto& ToneHeaderData = SvdFileLayout::kToneSignature;
  // Subfolder of each kind, indexed by EDataType.
  static constexpr const char* sFolderName[3] = {"Patch/", "Tone/", "Wave/"};
  // The numbering of temporary copies and the "write stopped part-way" mark are process-wide:
  // they live in the domain context (CDomain::TakeTempIndex, IsWriteStoppedPartWay).

  // Every slot blank, no useless files; touches nothing on disk.
  CZelFileDocument();
  virtual ~CZelFileDocument();
  CZelFileDocument(const CZelFileDocument&) = delete;
  CZelFileDocument& operator=(const CZelFileDocument&) = delete;

  // --- Whole-file copy (virtual: the seam through which every copy of the store goes).
  // Copies source byte for byte over destination (created or truncated). True when the
  // destination now holds a complete copy; a failed write may leave a partial destination.
  virtual bool CopyZelFile(std::string source, std::string destination);
  // True when CopyZelFile would be able to open both files; creates and changes nothing.
  // targetFolders, when given, keeps what was learnt about each destination folder already asked
  // about, so that a check of hundreds of new files in one folder asks about the folder once.
  bool IsEnableCopyZelFile(std::string source, std::string destination,
                           CFolderFacts* targetFolders = nullptr);
  // The destination half of IsEnableCopyZelFile, for a source known to be readable.
  bool IsEnableCopyTo(const std::string& destination, CFolderFacts* targetFolders);
  // While a copy for destination is staged, CopyZelFile(source, destination) writes the copy to
  // the staged temporary file instead: callers (and documents that replace CopyZelFile) keep
  // naming the file the copy is for, while nothing appears under that name before it is whole.
  void StageCopy(const std::string& destination, const std::string& temporary);
  void UnstageCopy(const std::string& destination);
  // A copy that never leaves a partial file under destination's name: written to a temporary
  // file in destination's folder, made durable and renamed into place. With replace false an
  // existing destination makes it fail. Goes through CopyZelFile.
  bool CopyFileDurably(const std::string& source, const std::string& destination, bool replace);

  // --- File operations: every change the store makes on disk goes through this object.
  CFileOperations& GetFileOperations() { return *mFileOperations; }
  void SetFileOperations(std::unique_ptr<CFileOperations> operations);

  // --- Registry of open projects.
  // The data sets of the open projects that have unsaved changes, in the application's order.
  virtual std::vector<CZelData*> GetAllZelData() const = 0;
  // Every open project document, in the application's order.
  virtual std::vector<CZelFileDocument*> GetAllZelFileDocument() const = 0;

  CZelData& GetZelData() { return mData; }
  const CZelData& GetZelData() const { return mData; }
  // Files of the subfolders that fit no slot; a later write deletes them.
  const std::vector<std::string>& GetUselessFiles() const { return mUselessFiles; }

  // --- Reading a project.
  // projectPath: the project folder ending in ".prj/"; the lists: full paths of the data files
  // of "Patch/", "Tone/" and "Wave/" (UFileUtils::SearchFiles with FileExt_Patch, _Tone, _Wave),
  // in any order. True when the whole project was read; on false the document is to be thrown
  // away (it is left partly filled).
  bool ReadDocument(std::string projectPath, std::list<std::string> patchFiles,
                    std::list<std::string> toneFiles, std::list<std::string> waveFiles);
  // Why the last ReadDocument (or ReadPatch/ReadTone/ReadWave) failed: the refused project path
  // or the file that was too short, carried the wrong signature or could not be read, with the
  // system's error text where there is one. Opened (kNone) after a read that succeeded.
  const SOpenResult& GetReadResult() const { return mReadResult; }
  // The steps of ReadDocument after the original-name lists are set: one record per slot, each
  // named file read (patch, tone) or opened (wave), references linked, then the memo file.
  bool ReadPatch();
  bool ReadTone();
  bool ReadWave();

  // --- Naming.
  static std::string GetIndexStr(int n);
  // Fills the kind's original-name list from a listing of its subfolder; files that fit no slot
  // go to the useless-file list. Always true.
  bool SetOriginalNames(std::list<std::string> paths, EDataType kind);
  // The path slot slotIndex (0-based) of the kind gets when written: project path + subfolder +
  // index string + record name + the extension of the record's file. Empty for a kind or slot
  // that does not exist.
  std::string GetTargetPath(EDataType kind, std::size_t slotIndex) const;
  // After a write: every slot's file path and original name become its target path (empty for a
  // blank slot). False only for a kind other than patch, tone or wave.
  bool UpdateFileNames(EDataType kind, bool saveAs);
  // In every data set of GetAllZelData(), every record of the kind whose file path is oldPath
  // gets newPath. True when any record changed.
  bool UpdateInitialName(std::string oldPath, std::string newPath, EDataType kind);
  // True when a record of the kind in a data set of GetAllZelData() has path as its file path;
  // with otherProjectsOnly this document's own data set is not searched.
  bool SearchInitialName(std::string path, EDataType kind, bool otherProjectsOnly);

  // --- Patch and tone files: in-place rewrite of the reference blocks of an existing file.
  // True on success, and for a null record without touching anything. No file is ever created.
  bool WritePatchTone(std::string path, const CPatch* patch);
  bool WriteToneOsc(std::string path, const CTone* tone);
  // Dry runs: false for a null record, else whether the file opens for reading and writing.
  bool IsEnableWritePatchTone(std::string path, const CPatch* patch);
  bool IsEnableWriteToneOsc(std::string path, const CTone* tone);

  // --- Memo files.
  // Writes the kind's memo file (replacing the old one only once the new one is complete). True
  // for patch, tone and wave even when the file could not be written; that failure is kept for
  // the caller in IsMemoWriteFailed(). False for any other kind.
  bool WriteMemo(EDataType kind);
  // The memo file of the kind: its path and the bytes the records give it now. False for a kind
  // without one.
  bool GetMemoFile(EDataType kind, std::string& path, std::string& contents) const;
  // True when the file at path (before the path delimiter is applied) holds exactly contents: a
  // save leaves such a file alone.
  static bool IsFileHolding(const std::string& path, const std::string& contents);
  // True when a WriteMemo since the last ClearMemoWriteFailed() could not write its file; the
  // document then reports the save as failed and stays modified.
  bool IsMemoWriteFailed() const { return mMemoWriteFailed; }
  void ClearMemoWriteFailed() { mMemoWriteFailed = false; }
  void MarkMemoWriteFailed() { mMemoWriteFailed = true; }

  // --- Writing a project (the whole write, its steps and their dry runs).
  // Writes the data set into its project folder so that slot n of each list is the file
  // "NNN name.ext" of its subfolder. saveAs: the data set's project path was just set to a new
  // folder, into which every file is copied; the old folder is left as it was. The dry runs run
  // first and nothing on disk changes unless all pass. A save never loses a file that an open
  // project still needs, and a save that fails part-way leaves every record naming an existing
  // file, so that the next save can still succeed. False on any failure, and also when a memo
  // file could not be written (the write is then finished; the document should stay modified).
  bool WriteDocument(bool saveAs);
  // The plan WriteDocument(saveAs) would run now; changes nothing. False when it would refuse.
  bool PlanWrite(bool saveAs, CWritePlan& plan);
  // Told of every step of every plan WriteDocument runs (none: nobody is told).
  void SetWriteStepObserver(CWritePlanExecutor::StepObserver observer) {
    mWriteStepObserver = std::move(observer);
  }
  const CWritePlanExecutor::StepObserver& GetWriteStepObserver() const {
    return mWriteStepObserver;
  }
  // True when every record's file can be opened for reading; refuse the save otherwise.
  bool IsWritePossible();
  // The same answer, for a question asked often (each activation of the project's window): the
  // files are checked again only when a record names another file or a folder holding one
  // changed since the last check.
  bool IsWritePossibleTracked();
  // True when the last tracked check found every non-blank record's file readable and still holds.
  bool AreRecordFilesKnownReadable();
  // What the tracked check remembers; an opening of the project may answer it.
  CReadabilityTracker& GetReadabilityTracker();
  // Dry run of WriteFiles for one kind: opens what the write would open; changes nothing.
  bool IsEnableWriteFiles(EDataType kind, bool saveAs);
  // Copies, renames, shelters and rewrites one kind's files slot by slot. The files of the
  // useless-file list are deleted by WriteDocument once the file names are updated.
  bool WriteFiles(EDataType kind, bool saveAs);
  // Dry run of CleanUselessFile.
  bool IsEnableCleanUselessFile(std::string path, EDataType kind, bool saveAs);
  // Shelters a slot's old file into the work folder while a record of an open project still
  // names it (redirecting those records), then, in an ordinary save, deletes it.
  bool CleanUselessFile(std::string path, EDataType kind, bool saveAs);
  // Deletes one file; true unless the system refuses.
  bool MyUnlink(const char* path);
  // Run when the project closes: shelters every file of its folder that a record of another open
  // project with unsaved changes still names, so that project can still be saved.
  void ShelterFiles();

  // --- Maintenance.
  // The instrument's system files, copied by Save As in this order.
  static constexpr const char* sSystemFileNames[5] = {"Brisel System.s00", "Brisel Template.s00",
                                                      "Brisel Palette.s00", "Brisel Setup.s00",
                                                      "Brisel MicSetting.s00"};
  // Drops references to blank slots, removes unused tones and waves and closes the gaps, as the
  // domain's four clean options say; touches no file (the next save moves the files). Records
  // are replaced: pointers to them are invalid afterwards. Always true.
  bool CleanProject();
  // Copies the system files from the project folder into folder (ending with "/"); a file that is
  // missing or fails to copy is skipped. Always true.
  bool CopySystemFile(std::string folder);

  // --- Waves.
  // Sum of the sizes of the files of all non-blank waves; files that cannot be opened add 0. A
  // sum beyond 32 bits reads as 0xFFFFFFFF.
  std::uint32_t GetTotalWaveSizeValue() const;
  // The total as shown to the user ("1023 Bytes", "1.0 KB", "1.0 MB").
  std::string GetTotalWaveSize() const;
  // Copies the accepted audio files of paths into the work folder and puts them into the first
  // blank wave slots, in sorted order. Returns the number imported; 0 on refusal, after writing
  // error 6 (more files than blank slots), 8 (over the total size limit) or 9 (nothing to import,
  // or a copy failed: the waves copied before it are kept) to the domain's error output.
  // observer is asked before each file is copied; when it says false the import stops, removes
  // the copies it made, leaves every slot as it was and returns 0 without an error.
  using ImportObserver =
      std::function<bool(std::size_t fileIndex, std::size_t fileCount, const std::string& path)>;
  int ImportWaves(std::list<std::string> paths, const ImportObserver& observer = {});

  // path as the file system takes it (the domain's path delimiter applied).
  static std::string SystemPath(const std::string& path);

private:
  static void ReportError(int code);

  CZelData mData;
  std::unique_ptr<CFileOperations> mFileOperations;
  std::map<std::string, std::string> mStagedCopies;
  std::vector<std::string> mUselessFiles;
  bool mMemoWriteFailed = false;
  SOpenResult mReadResult;
  std::unique_ptr<CReadabilityTracker> mReadability;
  CWritePlanExecutor::StepObserver mWriteStepObserver;
};

} // namespace Bris
