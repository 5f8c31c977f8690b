#pragma once

#include "store/CBriselDocument.h"
#include "store/CSaveRecovery.h"
#include "store/SOpenResult.h"

#include <functional>
#include <memory>
#include <set>
#include <string>

namespace Bris {

class CWritePlan;
class CZelData;

// One open project as the core knows it: its project document, the folder it lives in and
// whether it has unsaved changes. The one way to open, save, save under a new folder and close a
// project, for the application, tools, tests and benchmarks alike. It asks nothing and shows
// nothing: results say what failed, and the caller decides what the user sees.
//
// A session is registered in the domain's registry of open projects for exactly its lifetime
// (from construction to Close() or destruction), so the store's questions about all open projects
// (GetAllZelData: the modified ones) always see it, and never after it is gone.
class CProjectSession {
public:
  // What Save and SaveAs achieved.
  enum class ESaveResult {
    kSaved,
    kDeclined, // SaveAs: the confirmation to delete files in the target said no; nothing changed
    kRefused,  // nothing was written: the folder is no longer a project, a record's file cannot
               // be read, or the target could not be prepared
    kFailed,   // the write ran and failed (a memo file included); the project stays modified
  };

  // A new, never saved project: every slot blank, no folder, not modified.
  CProjectSession();
  // The same around a given (empty) project document, e.g. one whose file operations a test
  // replaces.
  explicit CProjectSession(std::unique_ptr<CBriselDocument> document);
  // Close().
  ~CProjectSession();
  CProjectSession(const CProjectSession&) = delete;
  CProjectSession& operator=(const CProjectSession&) = delete;

  // Checks, lists and reads the project folder (with or without its trailing "/") into this
  // session, which must be new. On success the folder is the session's and it is not modified;
  // on failure the result says which check or file failed and why, and the session is to be
  // closed (its data set is left partly filled).
  // A save of this folder that an earlier process did not live to finish is finished first
  // (GetRecoveryReport then says how that went).
  SOpenResult Open(const std::string& folder);
  // The outcome of finishing an interrupted save when Open found one; null otherwise.
  const CSaveRecovery::SReport* GetRecoveryReport() const {
    return mRecovered ? &mRecoveryReport : nullptr;
  }
  // Writes the project into its folder. Clears the modified flag on success. Refused when the
  // folder is no longer a project or a record's file cannot be read.
  ESaveResult Save();
  // Saves the project into the folder target (which exists; with or without its trailing "/"):
  // its system files and the data files of its subfolders are deleted once confirmDeletingFiles
  // (asked at most once, just before the first deletion; none = yes) agrees, the missing
  // subfolders are made, the system files copied and the project written there; from then on the
  // project lives in target. On kRefused and kDeclined the project stays where it was, and what
  // this made in target is removed again (target too, when it is empty and the project could
  // not be written at all). kFailed after a memo file failed: the project has moved all the same.
  ESaveResult SaveAs(const std::string& target,
                     const std::function<bool()>& confirmDeletingFiles = {});
  // Previews: the plan Save, or the write of SaveAs into target, would run now. They change
  // nothing on disk (target need not exist: the folders it lacks are made for the plan and
  // removed again); false when the save would be refused. A save as also copies the system files
  // and empties target first (CSaveAsTarget::FilesToDelete), which its plan does not show.
  bool PlanSave(CWritePlan& plan);
  bool PlanSaveAs(const std::string& target, CWritePlan& plan);
  // Leaves the registry, then lets the document go (which shelters the files another open
  // project still names). The session holds no project afterwards; only IsOpen() may be asked.
  void Close();
  bool IsOpen() const { return mDocument != nullptr; }

  // The project folder without its trailing "/"; empty while the project was never saved.
  const std::string& GetFolderPath() const { return mFolderPath; }
  bool IsModified() const { return mModified; }
  void SetModified(bool modified) { mModified = modified; }

  CBriselDocument& GetDocument() { return *mDocument; }
  const CBriselDocument& GetDocument() const { return *mDocument; }
  CZelData& GetZelData() { return mDocument->GetZelData(); }
  const CZelData& GetZelData() const { return mDocument->GetZelData(); }

  // True when folder is a folder holding entries named "Patch", "Tone" and "Wave".
  static bool IsValidProject(const std::string& folder);

private:
  void Register();
  ESaveResult Write(bool saveAs);
  // The slot folders of the project in folder, as the file system names them.
  static std::set<std::string> SlotFolders(const std::string& folder);
  // True when every system file of the project's folder has arrived in targetWithSlash.
  bool AreSystemFilesCopied(const std::string& targetWithSlash) const;

  std::unique_ptr<CBriselDocument> mDocument;
  std::string mFolderPath;
  bool mModified = false;
  bool mRecovered = false;
  CSaveRecovery::SReport mRecoveryReport;
};

} // namespace Bris
