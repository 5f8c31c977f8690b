#pragma once

#include <QPlainTextEdit>

// The memo field: one line of at most kMaxMemoBytes bytes of UTF-8, wrapped for display. Nothing
// that arrives - typed, entered through an input method, pasted or dropped - can put a line break
// into it (line breaks and other control characters become blanks), and input that would pass
// the byte limit is cut before the first character that does not fit whole. Return, Enter and
// Escape work the dialog's buttons.
class CMemoEditBox : public QPlainTextEdit {
  Q_OBJECT

public:
  static constexpr int kMaxMemoBytes = 255;

  explicit CMemoEditBox(QWidget* parent = nullptr);

  void SetMemo(const QString& memo);
  QString GetMemo() const;
  // Bytes that input may still take: the limit less the text that stays (a selection is replaced).
  int GetRoomBytes() const;
  // Inserts text at the cursor as typing would: sanitised and cut to the room left.
  void InsertInput(const QString& text);

protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;

private:
  QString FittedInput(const QString& text) const;
};
