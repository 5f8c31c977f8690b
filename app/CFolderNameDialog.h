#pragma once

#include <QDialog>

#include <string>

class CCommander;
class QLabel;
class QLineEdit;
class QPushButton;

// Asks for the name of a new project folder. 'WHER' labels the location, 'INFO' names the folder
// the project folder will be created in, and the field 'Name' refuses the characters no file name
// may hold. OK stays disabled while the name is empty.
class CFolderNameDialog : public QDialog {
  Q_OBJECT

public:
  // Leaves room for the ".prj" that is appended to the name.
  static constexpr int kMaxNameBytes = 251;

  CFolderNameDialog(const QString& name, const QString& location, QWidget* parent = nullptr);

  QString GetName() const;
  QLineEdit* GetNameField() const { return mNameField; }
  QPushButton* GetOkButton() const { return mOkButton; }

  // Shows the dialog with name and location text (system encoding); on OK name becomes the
  // edited text and the result is true.
  static bool AskFileName(CCommander* commander, std::string& name, const std::string& location);
  // The same in the user interface's text, for a dialog parented to a widget (the project chooser).
  static bool AskFolderName(QWidget* parent, QString& name, const QString& location);

private:
  QLineEdit* mNameField;
  QPushButton* mOkButton;
};
