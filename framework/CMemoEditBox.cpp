#include "framework/CMemoEditBox.h"

#include "framework/DialogText.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>
#include <QTextDocumentFragment>

#include <algorithm>

CMemoEditBox::CMemoEditBox(QWidget* parent) : QPlainTextEdit(parent) {
  setObjectName(QStringLiteral("Memo"));
  setTabChangesFocus(true);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  connect(this, &QPlainTextEdit::textChanged, this, [this] {
    mInputCut = false;
    emit RoomChanged();
  });
}

void CMemoEditBox::SetMemo(const QString& memo) {
  setPlainText(DialogText::SanitizeMemoInput(memo));
  moveCursor(QTextCursor::End);
}

QString CMemoEditBox::GetMemo() const {
  // The document keeps one paragraph, but its plain text is cleaned once more on the way out.
  return DialogText::SanitizeMemoInput(toPlainText());
}

int CMemoEditBox::GetRoomBytes() const {
  const int staying = DialogText::Utf8Length(toPlainText()) -
                      DialogText::Utf8Length(textCursor().selection().toPlainText());
  return std::max(0, kMaxMemoBytes - staying);
}

int CMemoEditBox::GetBytesLeft() const {
  return std::max(0, kMaxMemoBytes - DialogText::Utf8Length(toPlainText()));
}

void CMemoEditBox::NoteInput(const QString& text, const QString& fitted) {
  mInputCut = fitted.size() < DialogText::SanitizeMemoInput(text).size();
  emit RoomChanged();
}

QString CMemoEditBox::FittedInput(const QString& text) const {
  return DialogText::FitToByteLimit(DialogText::SanitizeMemoInput(text), GetRoomBytes());
}

void CMemoEditBox::InsertInput(const QString& text) {
  const QString fitted = FittedInput(text);
  if (!fitted.isEmpty()) {
    insertPlainText(fitted);
  }
  NoteInput(text, fitted);
}

void CMemoEditBox::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
  case Qt::Key_Return:
  case Qt::Key_Enter:
  case Qt::Key_Escape:
    event->ignore(); // the dialog takes them
    return;
  default:
    break;
  }
  const QString text = event->text();
  const bool typesText = !text.isEmpty() && text[0].isPrint() &&
                         !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
  if (typesText) {
    InsertInput(text);
    event->accept();
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

void CMemoEditBox::inputMethodEvent(QInputMethodEvent* event) {
  if (event->commitString().isEmpty()) {
    QPlainTextEdit::inputMethodEvent(event);
    return;
  }
  const QString commit = FittedInput(event->commitString());
  QInputMethodEvent fitted(event->preeditString(), event->attributes());
  fitted.setCommitString(commit, event->replacementStart(), event->replacementLength());
  QPlainTextEdit::inputMethodEvent(&fitted);
  NoteInput(event->commitString(), commit);
}

bool CMemoEditBox::canInsertFromMimeData(const QMimeData* source) const {
  return source->hasText();
}

void CMemoEditBox::insertFromMimeData(const QMimeData* source) {
  if (source->hasText()) {
    InsertInput(source->text());
  }
}
