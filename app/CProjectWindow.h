#pragma once

#include "app/CCleanProjectHandler.h"
#include "app/CProjectWindowDropTarget.h"
#include "app/CWaveImportHandler.h"
#include "domain/CParameter.h"
#include "framework/CCommander.h"
#include "framework/CDragActivateTask.h"
#include "views/ITableHost.h"

#include <QList>
#include <QMainWindow>
#include <QSize>

#include <cstdint>
#include <list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CBaseTableView;
class CColumnHeader;
class CLibrarianDoc;
class CPatchTableView;
class CPostTaskHandler;
class CQuickFilter;
class CToneTableView;
class CWaveMemoryBar;
class CWaveTableView;
class QLabel;
class QMimeData;
class QSplitter;

// The window of one project: the patch, tone and wave lists side by side under their column
// headers, the project's folder path and the total wave size. It handles Clean Project and Import
// Waves, keeps the list of open project windows in activation order and passes font and grid
// changes on to every list. Its lists reach it, and through it the document, as their ITableHost.
class CProjectWindow : public QMainWindow, public CCommander, public ITableHost {
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
  CQuickFilter* GetQuickFilter() const { return mQuickFilter; }
  CWaveMemoryBar* GetWaveMemoryBar() const { return mWaveMemoryBar; }

  void UpdateContents();
  void UpdateWaveSize();
  void ClearTableSelection();
  void SetPathText(const QString& text);
  // Brings the window to the front and makes it the active one.
  void BringToFront();

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
  // What importing files (chosen or dropped) would do to the project's wave memory.
  Bris::SWaveMemoryForecast ForecastImportWaveMemory(const std::vector<std::string>& files) const;

  // --- Files dropped from the desktop, handled once the drop has finished
  void HandleOpenProject(const std::string& folderPath);
  void PostImportWaves(const std::vector<std::string>& files);
  void PostOpenProject(const std::string& folderPath);
  bool HasPendingWork() const { return !mPendingImport.empty() || !mPendingProject.empty(); }
  void RunPendingWork();

  // --- Drags over the window (points in window coordinates)
  // Files from the desktop, or a row drag, unless an earlier drop still waits or an alert is
  // open.
  bool ItemIsAcceptable(const QMimeData* mime) const { return mDropTarget.ItemIsAcceptable(mime); }
  // A row drag over the window itself drops nowhere, except in the scroll zones just above and
  // below a list, which belong to that list. The drop action to show.
  Qt::DropAction EnterDropArea(const QMimeData* mime, const QPoint& point,
                               Qt::KeyboardModifiers modifiers) {
    return mDropTarget.EnterDropArea(mime, point, modifiers);
  }
  Qt::DropAction InsideDropArea(const QMimeData* mime, const QPoint& point,
                                Qt::KeyboardModifiers modifiers) {
    return mDropTarget.InsideDropArea(mime, point, modifiers);
  }
  void LeaveDropArea() { mDropTarget.LeaveDropArea(); }
  // Files dropped from the desktop: audio files to import or a single project folder to open,
  // both once the drop has finished. Nothing, and no message, when a file's name is refused.
  bool DoDragReceive(const QMimeData* mime) { return mDropTarget.DoDragReceive(mime); }
  // The drag has rested over the window: it comes to the front.
  void HandleDragActivate() { mDropTarget.HandleDragActivate(); }
  // The work a drop left, should its task not have run it yet.
  void SpendTime();
  // The list whose scroll zone the drag is in, or null.
  CBaseTableView* GetDropZoneTable() const { return mDropTarget.GetDropZoneTable(); }
  bool IsDropHighlighted() const { return mDropTarget.IsHighlighted(); }
  CDragActivateTask& GetDragActivateTask() { return mDropTarget.GetDragActivateTask(); }

  // --- What the lists need of their window and document
  Bris::CZelData& GetTableData() override;
  void MarkTableDataModified() override;
  void UpdateTableContents() override;
  bool IsTableProjectWritable() override;
  CBaseTableView* GetHostTable(Bris::CParameter::EDataType kind) const override {
    return GetTable(kind);
  }
  CCommander* GetTableSuperCommander() override { return this; }
  bool IsHostWindowActive() const override { return isActiveWindow(); }
  void BringHostToFront() override { BringToFront(); }
  bool AskTableName(CCommander* asker, std::string& name) override;
  bool AskTableMemo(CCommander* asker, std::string& memo) override;
  void ShowWaveMemoryForecast(const std::optional<Bris::SWaveMemoryForecast>& forecast) override;

protected:
  bool event(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dragLeaveEvent(QDragLeaveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

private:
  void BuildPanes();
  void HandlePostTask(std::int32_t task, void* data);
  // The stored window size, else one that shows every column of the three lists.
  void ResizeToStoredOrFittingSize(const QList<int>& paneWidths);
  // A list's frame and scroll bar; the window's margins and splitter handles.
  int PaneChromeWidth(Bris::CParameter::EDataType kind) const;
  int WindowChromeWidth(int paneCount) const;

  CLibrarianDoc* mDocument;
  CPatchTableView* mPatchTable = nullptr;
  CToneTableView* mToneTable = nullptr;
  CWaveTableView* mWaveTable = nullptr;
  CColumnHeader* mPatchHeader = nullptr;
  CColumnHeader* mToneHeader = nullptr;
  CColumnHeader* mWaveHeader = nullptr;
  QLabel* mWaveSizeText = nullptr;
  CWaveMemoryBar* mWaveMemoryBar = nullptr;
  QLabel* mPathText = nullptr;
  QSplitter* mLists = nullptr;
  CQuickFilter* mQuickFilter = nullptr;
  std::unique_ptr<CPostTaskHandler> mPostTaskHandler;
  std::vector<std::string> mPendingImport;
  std::string mPendingProject;
  CProjectWindowDropTarget mDropTarget{*this};
  CCleanProjectHandler mCleanProject{*this};
  CWaveImportHandler mWaveImport{*this};
  bool mInitialized = false;
};
