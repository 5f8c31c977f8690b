#pragma once

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class CCommander;
class QListWidget;
class QPushButton;

// The library folders the Find window searches: a list with Add and Remove.
class CLibraryFoldersDialog : public QDialog {
  Q_OBJECT

public:
  // Asks for a folder to add; empty when the user cancelled. Tests replace it.
  using FolderChooser = std::function<std::string(QWidget* parent)>;
  // Returns the chooser installed before; an empty one restores the platform's folder dialog.
  static FolderChooser SetFolderChooser(FolderChooser chooser);

  explicit CLibraryFoldersDialog(const std::vector<std::string>& folders,
                                 QWidget* parent = nullptr);

  std::vector<std::string> GetFolders() const;
  // Asks for a folder and adds it unless it is listed already.
  void AddFolder();
  void RemoveSelectedFolders();

  // Shows the dialog with folders; on OK they become the edited ones and the result is true.
  static bool OpenDialog(CCommander* commander, std::vector<std::string>& folders);

private:
  void UpdateButtons();

  QListWidget* mList;
  QPushButton* mRemove;
};
