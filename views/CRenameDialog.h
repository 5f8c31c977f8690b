#pragma once

#include <QDialog>

#include <string>

class CCommander;
class QLineEdit;

// Asks for a new name of a slot. The field ('Name') refuses the characters no file name may hold
// and takes at most the 12 bytes a slot name can have, never splitting a character.
class CRenameDialog : public QDialog {
  Q_OBJECT

public:
  static constexpr int kMaxNameBytes = 12;

  explicit CRenameDialog(const QString& name, QWidget* parent = nullptr);

  QString GetName() const;
  QLineEdit* GetNameField() const { return mNameField; }

  // Shows the dialog with name (system encoding); on OK name becomes the edited text and the
  // result is true. Cancel leaves name as it was.
  static bool AskFileName(CCommander* commander, std::string& name);

private:
  QLineEdit* mNameField;
};
