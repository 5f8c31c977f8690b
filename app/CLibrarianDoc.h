#pragma once

#include "framework/CDocument.h"
#include "store/CBriselDocument.h"

#include <QString>

#include <memory>
#include <string>

class CProjectWindow;

namespace Bris {
class CZelData;
}

// One open project: the project store with its data set, the project window that shows it, the
// project folder once there is one, and the modified state. Opening, saving and saving under a
// new folder are built on the store; every failure reaches the user as an error alert here.
class CLibrarianDoc : public CDocument {
public:
  // A new, never saved project ("Untitled", "Untitled 1", ...), its window shown.
  explicit CLibrarianDoc(CCommander* superCommander = nullptr);
  // A project read from folderPath. When the folder cannot be read, error alert 1 has been shown,
  // no window exists and IsSpecified() is false: the caller discards the document.
  CLibrarianDoc(const std::string& folderPath, CCommander* superCommander);
  ~CLibrarianDoc() override;

  Bris::CBriselDocument& GetStore() { return *mStore; }
  Bris::CZelData& GetZelData();
  CProjectWindow* GetProjectWindow() const { return mWindow.get(); }

  // --- CDocument
  QWidget* GetWindow() const override;
  // Refreshes the title, then answers the modified flag.
  bool IsModified() override;
  QString GetDescriptor() const override;
  std::string GetFolderPath() const override { return mFolderPath; }
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

  // Writes the project into its folder (or, with the save-as flag set, into the new folder the
  // data set names). False after error alert 2.
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
  void RegisterWithDomain();
  void NameNewProject();
  // Makes or empties the subfolder name of parentPath. askFirst: question 7 is asked (once, then
  // cleared) before files of an existing subfolder are deleted. created is set when the
  // subfolder had to be made.
  bool CreateProjectSubFolder(const std::string& parentPath, const std::string& name,
                              const char* const* extensions, bool& askFirst, bool& created);
  // True when every system file of the project's folder has arrived in targetWithSlash.
  bool AreSystemFilesCopied(const std::string& targetWithSlash) const;
  void RemoveCreatedSubFolders(const std::string& targetPath, const bool created[3]);
  QString BaseTitle() const;

  static inline int sNewCount = 0;

  std::unique_ptr<Bris::CBriselDocument> mStore;
  std::unique_ptr<CProjectWindow> mWindow;
  std::string mFolderPath; // the project folder, empty for a new project
  QString mTitle;          // the title without the modified mark
  bool mModified = false;
  bool mSpecified = false;
  bool mSaveAs = false;
};
