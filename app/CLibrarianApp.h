#pragma once

#include "app/CAppCommands.h"
#include "app/CAppMenus.h"
#include "app/CQuitHandler.h"
#include "app/CWindowArranger.h"
#include "framework/CCommander.h"

#include <QKeySequence>
#include <QObject>
#include <QPointer>
#include <QRect>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

class CDocument;
class CLibrarySearch;
class CQtAlertRunner;
class CRecentProjectsMenu;
class CStartWindow;
class CUnixSignalNotifier;
class CWindowMenu;
class QAction;
class QMenuBar;
class QWidget;

// The application: the top of the command chain, owner of the open documents, the menus and the
// start window. It prepares the domain and the work folder at start, loads and saves the
// preferences around the run, and handles the application-wide commands (undo, font, grid,
// window arrangement, help, About, New, Open, Quit).
//
// Project documents (CLibrarianDoc) come from CreateDocument: a document is
// handed to AddDocument, which makes the application its super commander, puts its window into
// the Window menu and hides the start window; CloseDocument asks and takes it away again.
namespace Bris {
class CFileOperations;
class CTrash;
class CWorkFolderLock;
} // namespace Bris

class CLibrarianApp : public QObject, public CCommander {
  Q_OBJECT

public:
  static constexpr std::uint32_t kAppCreator = static_cast<std::uint32_t>(FourCharCode("QMTL"));
  static constexpr std::uint32_t kPreferencesType =
      static_cast<std::uint32_t>(FourCharCode("pref"));
  static constexpr const char* kPreferencesFileName = "Brisel Librarian Prefs";
  static constexpr const char* kFontPreviewText = "Hello!! Taveno Brisel Librarian.";

  CLibrarianApp();
  // Saves the preferences (when they were loaded) and deletes the data files left in the work
  // folder.
  ~CLibrarianApp() override;

  static CLibrarianApp* GetApp() { return sApp; }
  static std::uint32_t GetAppCreator() { return kAppCreator; }

  // The start-up steps after construction: Window and Help menus, the domain's channels, the work
  // folder, the preferences, the start window and the quit signals. False after error alert 7
  // when the work folder cannot be made; the application must then stop.
  bool Initialize();
  // Runs the event loop until the application quits; returns the exit status.
  int Run();

  bool ObeyCommand(CommandT command, void* param = nullptr) override;
  void FindCommandStatus(CommandT command, SCommandStatus& status) override;

  // --- Commands
  void HandleUndo();
  bool HandleFont();
  bool HandleGrid();
  void CascadeWindows(int step = 26, int count = 10);
  void TileWindowsHorizontally(int maxRows = 4);
  void TileWindowsVertically(int maxColumns = 4);
  void DoHelp();
  void ShowAboutBox();
  bool MakeNewDocument();
  bool ChooseDocument();
  // Opens the project folder: brings its window forward when a document already shows it, else
  // builds a document on it. False when no document could be made.
  bool OpenDocument(const std::string& folderPath);
  // Quit: every modified document asks whether to save first; a Cancel (or a failed save) stops
  // the quit with every document still open. Then all close and the event loop ends. The Quit
  // command, closing the start window and SIGTERM or SIGINT all come here.
  void DoQuit();
  // A quit signal: a modal dialog that is open is cancelled first, then the application quits.
  void HandleQuitSignal();
  // A later start of the program asked this one to come forward.
  void BringFrontWindowForward();

  // --- Documents
  void AddDocument(std::unique_ptr<CDocument> document);
  // Closes document after its save-changes question (unless askToSave is false); false when the
  // user kept it open. The document is deleted once control is back in the event loop.
  bool CloseDocument(CDocument* document, bool askToSave = true);
  // Open documents in the order they were added.
  std::vector<CDocument*> GetDocuments() const;
  CDocument* FindDocumentOfFolder(const std::string& folderPath) const;
  CDocument* FindDocumentOfWindow(const QWidget* window) const;
  // The shown document windows, least recently activated first.
  std::vector<QWidget*> GetWindowsInActivationOrder() const;
  // The most recently activated document window, or null.
  QWidget* GetSelectedWindow() const;

  // --- Menus
  // Fills bar with the application's menus; every window with a menu bar calls it.
  void BuildMenuBar(QMenuBar* bar);
  // Asks every menu command's status along the command chain and updates the menu items.
  void UpdateCommandStatus();
  QAction* GetCommandAction(CommandT command) const;
  CWindowMenu& GetWindowMenu() const { return *mWindowMenu; }
  CommandT GetHelpCommand() const { return mHelpCommand; }
  QWidget* GetStartWindow() const;
  // File > Open Recent and the list of recent projects it reads.
  CRecentProjectsMenu& GetRecentProjectsMenu() const { return *mRecentMenu; }
  // Find and the library folders, made when first asked for.
  CLibrarySearch& GetLibrarySearch();

  // --- Preferences (UPreference's buffer)
  // Grid state, clean options and list font; a missing key takes its default.
  static void LoadPreference();
  static void SavePreference();
  static void SavePrefLastProject(const std::string& folderPath);
  // False when no project was ever chosen; folderPath is empty when the stored one cannot be
  // rebuilt.
  static bool LoadPrefLastProject(std::string& folderPath);

  // --- Work folder
  // Makes sure parent/name exists; true only if it is a folder.
  static bool CreateFolder(const std::string& parentPath, const std::string& name);
  // Creates "Taveno/Brisel Librarian/BrisWork" in the application support folder; its path with
  // a trailing "/", or empty when it cannot be made.
  static std::string CreateTempFolder();
  // Deletes the patch, tone and wave files that lie directly in folder; their number.
  static int DeleteWorkFiles(const std::string& folderPath);
  // Moves the data files directly inside the work folder into a new subfolder "Kept <date time>",
  // where the exit clean-up never reaches; returns how many were moved.
  static int KeepWorkFiles(const std::string& folderPath);

signals:
  void FontChanged(short fontNumber, short fontSize);
  void GridChanged(int gridState);

protected:
  // Builds the document of a new project (empty folderPath) or of a project folder. Returns null
  // when none could be made; for a folder that cannot be read the document has already shown
  // its alert.
  virtual std::unique_ptr<CDocument> CreateDocument(const std::string& folderPath);
  // Opens a file with the desktop's application for it; false when that failed.
  virtual bool OpenWithDesktop(const QString& path);

  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  friend class CQuitHandler;

  void SetUpHelpMenu();
  void InitializeZel();
  void ShowOrHideStartWindow();
  void DeleteClosedDocuments();

  static inline CLibrarianApp* sApp = nullptr;

  std::unique_ptr<CQtAlertRunner> mAlertRunner;
  CWindowMenu* mWindowMenu;
  CRecentProjectsMenu* mRecentMenu = nullptr;
  CAppMenus mMenus{*this};
  CAppCommands mCommands{*this};
  CWindowArranger mArranger{*this};
  CQuitHandler mQuit{*this};
  CommandT mHelpCommand = 0;
  std::unique_ptr<CStartWindow> mStartWindow;
  std::unique_ptr<CUnixSignalNotifier> mSignalNotifier;
  std::vector<std::unique_ptr<CDocument>> mDocuments;
  std::vector<std::unique_ptr<CDocument>> mClosedDocuments;
  std::vector<QPointer<QWidget>> mActivationOrder;
  std::string mWorkFolderPath;
  // The desktop's Trash for the files saves remove, and the mark of this session on the work
  // folder; both made by Initialize.
  std::unique_ptr<Bris::CTrash> mTrash;
  std::unique_ptr<Bris::CWorkFolderLock> mWorkFolderLock;
  bool mPreferencesLoaded = false;
  // Last, so that its index threads end before the documents go.
  std::unique_ptr<CLibrarySearch> mLibrarySearch;
};
