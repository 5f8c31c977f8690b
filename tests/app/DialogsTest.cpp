#include "app/CFolderNameDialog.h"
#include "app/CImportWaveChooser.h"
#include "app/CSelectFontDialog.h"
#include "framework/CMemoEditBox.h"
#include "framework/DialogText.h"
#include "gui_support/GuiTestSupport.h"
#include "views/CMemoDialog.h"
#include "views/CRenameDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

using namespace BrisTest;

// Sends a key with its text, as typing does.
void Type(QWidget* target, const QString& text, int key = 0) {
  QKeyEvent event(QEvent::KeyPress, key != 0 ? key : Qt::Key_unknown, Qt::NoModifier, text);
  QApplication::sendEvent(target, &event);
}

// Exposes the drop and paste entry point of the memo box.
// Reaches the memo box's protected drop handler without pretending the box is of another type.
struct MemoBoxDrop : CMemoEditBox {
  static void Drop(CMemoEditBox& box, const QMimeData* data) {
    (box.*(&MemoBoxDrop::insertFromMimeData))(data);
  }
};

TEST(NameFieldTest, RefusedCharactersAreDroppedWhetherTypedOrPasted) {
  CRenameDialog dialog(QStringLiteral("Pad"));
  QLineEdit* field = dialog.GetNameField();
  field->end(false);
  for (const char* key : {":", "/", "\\", "\"", "*", "<", ">", "?", "|", "\t"}) {
    Type(field, QString::fromLatin1(key));
  }
  EXPECT_EQ("Pad", field->text());
  Type(field, QStringLiteral("1"));
  field->insert(QStringLiteral(" a:b/c"));
  EXPECT_EQ("Pad1 abc", field->text());
}

TEST(NameFieldTest, RenameTakesTwelveBytesAndNeverHalfACharacter) {
  CRenameDialog dialog{QString()};
  QLineEdit* field = dialog.GetNameField();
  field->insert(QStringLiteral("Warm Pad \u00E9")); // 11 bytes
  field->insert(QStringLiteral("\u00E9"));          // 13 bytes: refused
  EXPECT_EQ("Warm Pad \u00E9", field->text());
  field->insert(QStringLiteral("!"));
  EXPECT_EQ(12, DialogText::Utf8Length(field->text()));

  CScriptedDialogRunner runner;
  runner.mSteps.push_back([](QDialog& shown) {
    dynamic_cast<CRenameDialog&>(shown).GetNameField()->setText(QStringLiteral("New"));
    return CModalDialogRunner::kMessageOk;
  });
  std::string name = "Old";
  EXPECT_TRUE(CRenameDialog::AskFileName(nullptr, name));
  EXPECT_EQ("New", name);
  EXPECT_FALSE(CRenameDialog::AskFileName(nullptr, name)) << "no step left: cancelled";
  EXPECT_EQ("New", name);
}

TEST(NameFieldTest, FolderNameShowsItsLocationNeedsANameAndGetsTheProjectExtensionOnce) {
  CFolderNameDialog dialog(QString(), QStringLiteral("Documents"));
  EXPECT_EQ("Documents", dialog.findChild<QLabel*>(QStringLiteral("INFO"))->text());
  EXPECT_FALSE(dialog.findChild<QLabel*>(QStringLiteral("WHER"))->text().isEmpty());
  EXPECT_FALSE(dialog.GetOkButton()->isEnabled());
  dialog.GetNameField()->insert(QStringLiteral("Song"));
  EXPECT_TRUE(dialog.GetOkButton()->isEnabled());

  EXPECT_EQ("Song.prj", DialogText::WithProjectExtension(QStringLiteral("Song")));
  EXPECT_EQ("Song.prj", DialogText::WithProjectExtension(QStringLiteral("Song.prj")));
}

TEST(MemoBoxTest, NoLineFeedGetsInByTypingPastingOrDropping) {
  CMemoDialog dialog(QStringLiteral("line\none"));
  CMemoEditBox* box = dialog.GetMemoBox();
  EXPECT_EQ("line one", box->GetMemo()) << "a memo handed in with a break is shown as one line";

  dialog.show(); // the default button exists only on screen
  box->moveCursor(QTextCursor::End);
  Type(box, QStringLiteral("\r"), Qt::Key_Enter);
  Type(box, QStringLiteral("\r"), Qt::Key_Return);
  EXPECT_EQ(QDialog::Accepted, dialog.result()) << "Return and Enter work the dialog's OK";
  Type(box, QStringLiteral("!"));
  EXPECT_EQ("line one!", box->GetMemo());

  QMimeData dropped;
  dropped.setText(QStringLiteral(" a\r\nb\nc\rd\u2029e\tf"));
  MemoBoxDrop::Drop(*box, &dropped);
  EXPECT_EQ("line one! a b c d e f", box->GetMemo());

  QApplication::clipboard()->setText(QStringLiteral("\nx\n"));
  box->paste();
  EXPECT_EQ("line one! a b c d e f x ", box->GetMemo());
  EXPECT_FALSE(box->toPlainText().contains(QLatin1Char('\n')));
}

TEST(MemoBoxTest, AtTheByteLimitAMultiByteCharacterAndTheRestOfItsInputAreDropped) {
  CMemoDialog dialog(QString(CMemoEditBox::kMaxMemoBytes - 1, QLatin1Char('a')));
  CMemoEditBox* box = dialog.GetMemoBox();
  box->moveCursor(QTextCursor::End);

  Type(box, QStringLiteral("\u00E9b")); // two bytes do not fit: nothing of this input goes in
  EXPECT_EQ(254, DialogText::Utf8Length(box->GetMemo()));

  QInputMethodEvent composed;
  composed.setCommitString(QStringLiteral("\u3042")); // three bytes from an input method
  QApplication::sendEvent(box, &composed);
  EXPECT_EQ(254, DialogText::Utf8Length(box->GetMemo()));

  Type(box, QStringLiteral("b"));
  EXPECT_EQ(255, DialogText::Utf8Length(box->GetMemo()));
  box->selectAll();
  box->InsertInput(QStringLiteral("\U0001F600x")); // a selection makes room again
  EXPECT_EQ("\U0001F600x", box->GetMemo());

  EXPECT_EQ("a", DialogText::FitToByteLimit(QStringLiteral("a\U0001F600"), 4))
      << "a four-byte character is never cut in half";
}

TEST(MemoBoxTest, TheRoomLineCountsUtf8BytesLeftAndSaysWhenInputWasLeftOut) {
  CMemoDialog dialog(QStringLiteral("abc"));
  CMemoEditBox* box = dialog.GetMemoBox();
  const QLabel* room = dialog.GetRoomText();
  EXPECT_EQ("252 bytes left", room->text());

  box->moveCursor(QTextCursor::End);
  Type(box, QStringLiteral("\u00E9")); // one character, two bytes in the memo file
  EXPECT_EQ("250 bytes left", room->text());

  box->SetMemo(QString(CMemoEditBox::kMaxMemoBytes - 1, QLatin1Char('a')));
  EXPECT_EQ("1 byte left", room->text());
  Type(box, QStringLiteral("\u00E9")); // does not fit: nothing goes in, and the line says so
  EXPECT_EQ("1 byte left: what did not fit was left out", room->text());
  box->InsertInput(QStringLiteral("bc")); // the part that fits goes in
  EXPECT_EQ("0 bytes left: what did not fit was left out", room->text());
  EXPECT_EQ(255, DialogText::Utf8Length(box->GetMemo()));

  box->textCursor().deletePreviousChar();
  EXPECT_EQ("1 byte left", room->text()) << "a change after the cut clears the message";
  Type(box, QStringLiteral("z"));
  EXPECT_EQ("0 bytes left: the memo is full", room->text());
}

TEST(FontDialogTest, SizesAreTheFamilysRealSizesFrom6To24AndChoicesReachThePreview) {
  CSelectFontDialog dialog(QStringLiteral("Hello"), 0, 12);
  QComboBox* sizes = dialog.GetSizePopup();
  ASSERT_GT(sizes->count(), 0);
  int previous = 0;
  for (int i = 0; i < sizes->count(); ++i) {
    const int size = sizes->itemData(i).toInt();
    EXPECT_GE(size, 6);
    EXPECT_LE(size, 24);
    EXPECT_GT(size, previous);
    previous = size;
  }
  const int last = sizes->count() - 1;
  dialog.ChooseSize(last);
  EXPECT_EQ(sizes->itemData(last).toInt(), dialog.GetFontSize());
  EXPECT_EQ(dialog.GetFontSize(), dialog.GetSampleText()->font().pointSize());

  const int fontItem = dialog.GetFontPopup()->count() - 1;
  dialog.ChooseFont(fontItem);
  EXPECT_EQ(dialog.GetFontPopup()->itemText(fontItem), dialog.GetSampleText()->font().family());
  EXPECT_NE(0, dialog.GetFontNumber());
}

TEST(ImportChooserTest, OnlyAudioExtensionsInAnyCaseAreOffered) {
  for (const char* name : {"a.wav", "B.WAV", "c.Aif", "d.aiff", "e.AIFF", "f.vpw"}) {
    EXPECT_TRUE(CImportWaveChooser::IsImportableFileName(QString::fromLatin1(name))) << name;
  }
  for (const char* name : {"notes.txt", "a.wav.txt", "wav", "a.w00", "a.mp3"}) {
    EXPECT_FALSE(CImportWaveChooser::IsImportableFileName(QString::fromLatin1(name))) << name;
  }
}

} // namespace
