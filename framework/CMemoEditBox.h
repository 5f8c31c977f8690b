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
  // Bytes of UTF-8 (the memo files' encoding) the memo may still grow by.
  int GetBytesLeft() const;
  // True when the last input did not fit whole and its rest was dropped; any later change of
  // the text clears it.
  bool WasInputCut() const { return mInputCut; }

signals:
  // The bytes left or the cut state may have changed.
  void RoomChanged();

protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;

private:
  QString FittedInput(const QString& text) const;
  void NoteInput(const QString& text, const QString& fitted);

  bool mInputCut = false;
};
