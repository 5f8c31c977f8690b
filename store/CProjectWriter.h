#pragma once

#include "domain/CParameter.h"

#include "store/CFolderFacts.h"
#include "store/CWritePlan.h"

#include <cstddef>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

namespace Bris {

class CZelData;
class CZelFileDocument;

// Writes a project's data set back to its folder (or, for Save As, into the new folder the data
// set's project path already names) so that slot n of each list is the file "NNN name.ext" in
// the kind's subfolder. A write is planned first (CWritePlanner: the dry runs' decisions as a
// value), then executed (CWritePlanExecutor) through the document's file operations: new files
// under temporary names, made durable, a journal, then renames into place, removed files into
// the Trash. Copies still go through the document's CopyZelFile, so a document may replace it.
//
// The write never loses a file that an open project still needs: a slot's old file is sheltered
// into the work folder before it is removed while any record still names it, and a write that
// fails part-way leaves every record naming an existing file, so that the next save can finish
// the job. Reports nothing; the caller shows the alert.
class CProjectWriter {
public:
  using EDataType = CParameter::EDataType;

  // uselessFiles: the document's list of files in its subfolders that belong to no slot.
  CProjectWriter(CZelFileDocument& document, std::vector<std::string>& uselessFiles);

  // The whole write: the dry runs of all three kinds first (nothing on disk changes unless all
  // pass), then the files of each kind, the memo files, the file names and original-name lists,
  // the deletion of the useless files (ordinary save only) and the undo buffer. False at the first
  // failure; also false when a memo file could not be written, although the write is then
  // finished (the document stays modified and the next save writes the memo again).
  bool WriteDocument(bool saveAs);
  // The plan WriteDocument would run now, for previews: the dry runs of all three kinds, then
  // the whole plan. Changes nothing on disk and leaves the records as they were. An ordinary save
  // also replaces linked slot files by copies of their own first; that step is not in the plan.
  // False when the write would be refused.
  bool PlanDocument(bool saveAs, CWritePlan& plan);

  // True when every record's file can be opened for reading.
  bool IsWritePossible() const;

  // Dry run of WriteFiles: opens the files WriteFiles would open, in the same modes, and changes
  // nothing on disk.
  bool IsEnableWriteFiles(EDataType kind, bool saveAs);
  // Brings one kind's files into line, slot by slot. On failure the slots already done keep their
  // new files; files this write put at target paths are remembered as useless, so that a later
  // successful save removes those nothing needs.
  bool WriteFiles(EDataType kind, bool saveAs);

  // Dry run of CleanUselessFile.
  bool IsEnableCleanUselessFile(const std::string& oldPath, EDataType kind, bool saveAs);
  // Shelters a slot's old file while any record of an open project names it, then (ordinary save)
  // deletes it. An old file that is already gone and that no record names counts as cleaned.
  bool CleanUselessFile(const std::string& oldPath, EDataType kind, bool saveAs);

  // Ordinary save: deletes every file of the useless-file list that is neither a slot's file now
  // nor named by a record of an open project. Both modes then empty the list.
  void DeleteUselessFiles(bool saveAs);

private:
  // The plan of the given kinds (whole: with the memo files and the useless files); false when
  // the save cannot be planned. Records are left naming what they named before.
  bool MakePlan(bool saveAs, std::initializer_list<EDataType> kinds, bool whole, CWritePlan& plan);
  // Runs the plan; on failure the files it already put at target paths are remembered as useless.
  bool Execute(const CWritePlan& plan);
  // The data sets a write must keep whole: those of the open projects with unsaved changes, and
  // always the one being written.
  std::vector<CZelData*> DataSetsInPlay() const;
  // sourceReadable: the source is known to be readable and is not asked about again.
  bool IsEnableCopyIntoPlace(const std::string& source, const std::string& target, EDataType kind,
                             std::size_t slotIndex, bool sourceReadable);
  bool IsEnableRewrite(EDataType kind, const std::string& path, std::size_t slotIndex);
  bool IsEnableRenameInPlace(const std::string& oldPath, const std::string& newPath) const;
  bool IsOriginalName(const std::string& path) const;
  // The slot files as read and the useless files: every file of the folder a save may change.
  std::vector<std::string> KnownFilesOfTheProject() const;

  CZelFileDocument& mDocument;
  CZelData& mData;
  std::vector<std::string>& mUselessFiles;
  bool mSaveAs = false;
  // What this write's check learnt about the folders its copies go to.
  CFolderFacts mTargetFolders;
  // Set once the write removed, renamed or sheltered a file: a saved undo state may name it.
  bool mChangedFiles = false;
};

} // namespace Bris
