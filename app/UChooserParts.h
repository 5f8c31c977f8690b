#pragma once

#include <QAbstractItemView>
#include <QDir>

class QAbstractItemModel;
class QBoxLayout;
class QDialog;
class QFileIconProvider;
class QFileSystemModel;
class QLabel;
class QPushButton;
class QTreeView;

// The pieces the project chooser and the import chooser share, so that both look and behave
// alike: the file model, the flat list of one folder, the path line and the buttons.
class UChooserParts {
public:
  // Read-only, with the chooser's own icons, over the whole file system.
  static void SetUpFileModel(QFileSystemModel& model, QFileIconProvider& icons,
                             QDir::Filters filters);
  // The list of the current folder ('Browser'): flat, sorted by name.
  static void SetUpBrowser(QTreeView& browser, QAbstractItemModel* model,
                           QAbstractItemView::SelectionMode selectionMode);
  // The line naming the choice ('Path'), plain and selectable.
  static void SetUpPathText(QLabel& label);
  // The choose button ('Choose') and Cancel, which rejects the dialog, added to layout.
  static QPushButton* AddChooseButtons(QDialog& dialog, QBoxLayout& layout,
                                       const QString& chooseLabel);
};
