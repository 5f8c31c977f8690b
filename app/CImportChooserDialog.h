#pragma once

#include <QDialog>
#include <QStringList>

#include <memory>

class CFolderBar;
class QFileIconProvider;
class QFileSystemModel;
class QLabel;
class QModelIndex;
class QPushButton;
class QSortFilterProxyModel;
class QTreeView;

// The file browser of the import chooser, laid out like the project chooser: folder bar, places
// and a list ('Browser') of the folders and audio files of one location with their size and
// date. Several files can be selected; Import ('Choose') takes the selected files, a double
// click opens a folder. Below the list the text 'Path' says what is selected.
class CImportChooserDialog : public QDialog {
  Q_OBJECT

public:
  CImportChooserDialog(const QString& title, const QString& chooseLabel, QWidget* parent = nullptr);
  ~CImportChooserDialog() override;

  // Shows the folders and audio files of folder.
  void SetLocation(const QString& folder);
  QString GetLocation() const { return mLocation; }
  // Names of the entries the list offers in the current location, in list order. The list fills
  // in the background; an empty result may just mean it has not yet been read.
  QStringList GetOfferedNames() const;
  // Adds the entry at path (an entry of the current location) to the selection, or makes it the
  // only selected one; false when the list does not offer it.
  bool SelectEntry(const QString& path, bool extend = false);
  // Full paths of the selected audio files, in list order; folders are left out.
  QStringList GetSelectedFiles() const;
  // The files chosen when the dialog ended with OK.
  QStringList GetChosenPaths() const { return mChosenPaths; }

  // A double click: opens a selected folder, or chooses the selected files.
  void OpenSelectedEntry();
  void ChooseSelectedFiles();

  QPushButton* GetChooseButton() const { return mChooseButton; }
  QLabel* GetPathText() const { return mPathText; }
  QTreeView* GetBrowser() const { return mBrowser; }

private:
  void SetUpBrowser();
  void UpdateForSelection();
  QString SelectionText(const QStringList& files) const;
  QModelIndex ListIndexOf(const QString& path) const;
  QStringList SelectedPaths() const;

  QString mLocation;
  QStringList mChosenPaths;
  std::unique_ptr<QFileIconProvider> mIcons; // the model does not own it
  QFileSystemModel* mModel;
  QSortFilterProxyModel* mFilter;
  QTreeView* mBrowser;
  CFolderBar* mFolderBar;
  QLabel* mPathText;
  QPushButton* mChooseButton;
};
