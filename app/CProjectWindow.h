#pragma once

#include "domain/CParameter.h"
#include "framework/CCommander.h"

#include <QList>
#include <QMainWindow>

#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <vector>

class CBaseTableView;
class CColumnHeader;
class CLibrarianDoc;
class CPatchTableView;
class CPostTaskHandler;
class CToneTableView;
class CWaveTableView;
class QLabel;
class QSplitter;

// The window of one project: the patch, tone and wave lists side by side under their column
// headers, the project's folder path and the total wave size. It handles Clean Project and Import
// Waves, keeps the list of open project windows in activation order and passes font and grid
// changes on to every list.
class CProjectWindow : public QMainWindow, public CCommander {
  Q_OBJECT

public:
  static constexpr int kPatchColumnCount = 7;
  static constexpr int kToneColumnCount = 6;
  static constexpr int kWaveColumnCount = 6;

  explicit CProjectWindow(CLibrarianDoc* document);
  ~CProjectWindow() override;

  // Reads the stored window size and column widths and connects the lists to the document.
  void Initialize(CLibrarianDoc* document);

  CLibrarianDoc* GetDocument() const { return mDocument; }
  CPatchTableView* GetPatchTable() const { return mPatchTable; }
  CToneTableView* GetToneTable() const { return mToneTable; }
  CWaveTableView* GetWaveTable() const { return mWaveTable; }
  CBaseTableView* GetTable(Bris::CParameter::EDataType kind) const;
  CColumnHeader* GetHeader(Bris::CParameter::EDataType kind) const;

  void UpdateContents();
  void UpdateWaveSize();
  void ClearTableSelection();
  void SetPathText(const QString& text);

  // New list font or grid state for every list of every open project window.
  static void UpdateFont(short fontNum, short fontSize);
  static void UpdateGrid(int gridState);
  // Open project windows, least recently activated first.
  static inline std::vector<CProjectWindow*> sLibWindows;
  // Moves this window to the end of sLibWindows.
  void MarkActivated();

  bool ObeyCommand(CommandT command, void* param = nullptr) override;
  void FindCommandStatus(CommandT command, SCommandStatus& status) override;

  // --- Clean Project
  // Asks for the clean options, then cleans the project (undoable). False when cancelled.
  bool HandleCleanProject();

  // --- Import Waves
  void AskImportWaves();
  // True when every name is acceptable; otherwise error alert 9.
  static bool ImportWavesFilter(const std::vector<std::string>& files);
  static bool IsValidFileName(const std::string& name);
  // Imports the files into the first free wave slots and selects their rows; the count imported.
  int HandleImportWaves(const std::vector<std::string>& files);

  // --- Files dropped from the desktop, handled once the drop has finished
  void HandleOpenProject(const std::string& folderPath);
  void PostImportWaves(const std::vector<std::string>& files);
  void PostOpenProject(const std::string& folderPath);
  bool HasPendingWork() const { return !mPendingImport.empty() || !mPendingProject.empty(); }
  void RunPendingWork();

  // Window size and column widths of the preferences ("General Settings").
  static void LoadColumnWidths(Bris::CParameter::EDataType kind, std::vector<int>& widths);
  static std::vector<int> DefaultColumnWidths(Bris::CParameter::EDataType kind);

protected:
  bool event(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

private:
  void BuildPanes();
  void HandlePostTask(std::int32_t task, void* data);
  void SaveWindowSize() const;
  // The stored window size, else one that shows every column of the three lists.
  void ResizeToStoredOrFittingSize(const QList<int>& paneWidths);

  CLibrarianDoc* mDocument;
  CPatchTableView* mPatchTable = nullptr;
  CToneTableView* mToneTable = nullptr;
  CWaveTableView* mWaveTable = nullptr;
  CColumnHeader* mPatchHeader = nullptr;
  CColumnHeader* mToneHeader = nullptr;
  CColumnHeader* mWaveHeader = nullptr;
  QLabel* mWaveSizeText = nullptr;
  QLabel* mPathText = nullptr;
  QSplitter* mLists = nullptr;
  std::unique_ptr<CPostTaskHandler> mPostTaskHandler;
  std::vector<std::string> mPendingImport;
  std::string mPendingProject;
  bool mInitialized = false;
};
