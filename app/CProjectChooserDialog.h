#pragma once

#include <QDialog>

#include <memory>

class CFolderBar;
class QFileIconProvider;
class QFileSystemModel;
class QLabel;
class QModelIndex;
class QPushButton;
class QTreeView;

// The folder browser of the project chooser. It lists the folders of one location; a project
// folder (its name ends with ".prj") can be chosen, any other folder is opened by a double click.
// Below the list sit the New Project button ('NewP') and the path text ('Path') that shows the
// selected project's full path.
class CProjectChooserDialog : public QDialog {
  Q_OBJECT

public:
  CProjectChooserDialog(bool newProjectDisabled, const QString& title, const QString& chooseLabel,
                        const QString& defaultName, QWidget* parent = nullptr);
  ~CProjectChooserDialog() override;

  // Shows the folders of folder.
  void SetLocation(const QString& folder);
  QString GetLocation() const { return mLocation; }
  // Selects the entry at path (an entry of the current location); false when there is none.
  bool SelectEntry(const QString& path);
  // Full path of the selected entry; empty without one.
  QString GetSelectedPath() const;
  // Full path of the selected entry when it is a project; empty otherwise.
  QString GetResultPath() const;
  // The folder chosen when the dialog ended with OK.
  QString GetChosenPath() const { return mChosenPath; }

  // The New Project button: asks for a name, creates the project folder in the current location
  // (or in the selected ordinary folder) and chooses it.
  void HandleNewProject();
  // Opens the selected entry: chooses a project, shows the contents of any other folder.
  void OpenSelectedEntry();
  void ChooseSelectedProject();

  QPushButton* GetChooseButton() const { return mChooseButton; }
  QPushButton* GetNewProjectButton() const { return mNewProjectButton; }
  QLabel* GetPathText() const { return mPathText; }
  QTreeView* GetBrowser() const { return mBrowser; }

  static bool IsProjectName(const QString& name);

private:
  void UpdateForSelection();

  QString mDefaultName;
  QString mLocation;
  QString mChosenPath;
  std::unique_ptr<QFileIconProvider> mIcons; // the model does not own it
  QFileSystemModel* mModel;
  QTreeView* mBrowser;
  CFolderBar* mFolderBar;
  QPushButton* mNewProjectButton;
  QLabel* mPathText;
  QPushButton* mChooseButton;
};
