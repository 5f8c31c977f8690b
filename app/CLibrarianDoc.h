#pragma once

#include "framework/CDocument.h"
#include "store/CBriselDocument.h"
#include "store/CProjectSession.h"

#include <QString>

#include <memory>
#include <string>

class CProjectWindow;

namespace Bris {
class CZelData;
}

// One open project on the screen: the project session (store, data set, folder and modified
// state) and the project window that shows it. Opening, saving and saving under a new folder are
// the session's; this document asks the user's questions, shows the watch cursor and turns every
// failure into its error alert.
class CLibrarianDoc : public CDocument {
public:
  // A new, never saved project ("Untitled", "Untitled 1", ...), its window shown.
  explicit CLibrarianDoc(CCommander* superCommander = nullptr);
  // A project read from folderPath. When the folder cannot be read, error alert 1 has been shown,
  // no window exists and IsSpecified() is false: the caller discards the document.
  CLibrarianDoc(const std::string& folderPath, CCommander* superCommander);
  ~CLibrarianDoc() override;

  Bris::CBriselDocument& GetStore() { return mSession->GetDocument(); }
  Bris::CProjectSession& GetSession() { return *mSession; }
  Bris::CZelData& GetZelData();
  CProjectWindow* GetProjectWindow() const { return mWindow.get(); }

  // --- CDocument
  QWidget* GetWindow() const override;
  // Refreshes the title, then answers the modified flag.
  bool IsModified() override;
  QString GetDescriptor() const override;
  std::string GetFolderPath() const override { return mSession->GetFolderPath(); }
  bool DoSave() override;
  bool UsesData(const Bris::CZelData* data) const override;
  void HandleUndoApplied() override;

  bool ObeyCommand(CommandT command, void* param = nullptr) override;
  void FindCommandStatus(CommandT command, SCommandStatus& status) override;

  void SetModified(bool modified);
  // True once the document is tied to a project folder.
  bool IsSpecified() const { return mSpecified; }

  // Lists the folder's data files and reads them into the store; false after error alert 1.
  bool OpenProject(const std::string& folderPath);
  // True when folderPath is a folder holding "Patch", "Tone" and "Wave".
  static bool IsValidProject(const std::string& folderPath);

  // Writes the project into its folder. False after error alert 2.
  bool SaveProject();
  // Asks for a project folder with the save form of the project chooser and saves there. False
  // when the user cancelled or the save failed.
  bool AskSaveAs();
  // Saves the project into the folder targetPath ("/"-separated, no trailing "/"): its subfolders
  // are made or emptied, the system files copied, then the project written there.
  bool DoAESave(const std::string& targetPath);

  void UpdateWindowTitle();
  void UpdateProjectPath();
  void UpdateWindowContents();
  // The total size of the project's waves as the user reads it.
  std::string GetTotalWaveSize() const;

  // Titles new projects get: the base title, then the base title followed by 1, 2, ...
  static int GetNewCount() { return sNewCount; }
  static void ResetNewCount() { sNewCount = 0; }

private:
  void CreateWindow();
  void NameNewProject();
  // What the user sees after a save: error alert 2 for a failure, the title and lists refreshed.
  bool ShowSaveResult(Bris::CProjectSession::ESaveResult result, bool wasModified);
  void UpdateCommandStatus();
  QString BaseTitle() const;

  static inline int sNewCount = 0;

  std::unique_ptr<Bris::CProjectSession> mSession;
  std::unique_ptr<CProjectWindow> mWindow;
  QString mTitle; // the title without the modified mark
  bool mSpecified = false;
};
