#pragma once

#include <QDialog>

#include <string>

class CCommander;
class CMemoEditBox;
class QLabel;

// Asks for a memo line in the memo box 'Memo'.
class CMemoDialog : public QDialog {
  Q_OBJECT

public:
  explicit CMemoDialog(const QString& memo, QWidget* parent = nullptr);

  QString GetMemo() const;
  CMemoEditBox* GetMemoBox() const { return mMemoBox; }
  // The line below the box ('Left') that tells how many bytes the memo may still take.
  QLabel* GetRoomText() const { return mRoomText; }

  // Shows the dialog with memo (system encoding); on OK memo becomes the edited text and the
  // result is true. Cancel leaves memo as it was.
  static bool AskMemo(CCommander* commander, std::string& memo);

private:
  void UpdateRoomText();

  CMemoEditBox* mMemoBox;
  QLabel* mRoomText;
};
