#include "ViewsFixture.h"

#include "domain/CZelData.h"
#include "framework/CMemoEditBox.h"
#include "views/CMemoDialog.h"
#include "views/CRenameDialog.h"

#include <QLineEdit>

namespace BrisTest {
namespace {

// A dialog step that types text into the rename field (or memo box) and presses OK.
CScriptedDialogRunner::Step Answer(const QString& text) {
  return [text](QDialog& dialog) {
    if (auto* rename = dynamic_cast<CRenameDialog*>(&dialog)) {
      rename->GetNameField()->setText(text);
    } else if (auto* memo = dynamic_cast<CMemoDialog*>(&dialog)) {
      memo->GetMemoBox()->SetMemo(text);
    }
    return CModalDialogRunner::kMessageOk;
  };
}

CScriptedDialogRunner::Step Cancel() {
  return [](QDialog&) { return CModalDialogRunner::kMessageCancel; };
}

TEST_F(ListsTest, DoubleClickOnName_RenamesMarksModifiedAndUndoes) {
  ASSERT_FALSE(mDoc->IsModified());
  mDialogs.mSteps.push_back(Answer("Choir"));
  // WHEN double-clicking tone 3's name and typing a new one
  mTones->HandleClick(3, 2, Qt::NoModifier, 2);
  // THEN the rename dialog showed the old name, the row shows the new one, the document is
  // modified and the row is the only selected one.
  ASSERT_EQ(mDialogs.mShownClasses, std::vector<std::string>({"CRenameDialog"}));
  EXPECT_EQ(mTones->GetCellText(3, 2), "Choir");
  EXPECT_TRUE(mDoc->IsModified());
  EXPECT_TRUE(mWindow->windowTitle().endsWith("*"));
  EXPECT_EQ(SelectedRows(*mTones), Rows({3}));
  EXPECT_EQ(SelectedRows(*mPatches), Rows({1, 2}));

  // Undo brings the old name back, a second undo redoes.
  Undo();
  EXPECT_EQ(mTones->GetCellText(3, 2), "Strings");
  Undo();
  EXPECT_EQ(mTones->GetCellText(3, 2), "Choir");
}

TEST_F(ListsTest, RenameCancelled_ChangesNothing) {
  mDialogs.mSteps.push_back(Cancel());
  mPatches->HandleRename(1, 2);
  EXPECT_EQ(mDialogs.mShownClasses.size(), 1u);
  EXPECT_EQ(mPatches->GetCellText(1, 2), "Warm Pad");
  EXPECT_FALSE(mDoc->IsModified());
  EXPECT_FALSE(Bris::Domain().IsUndoReady());
}

TEST_F(ListsTest, DoubleClickOnMemoColumn_EditsThatMemoLine) {
  // Patch columns 4..7 are memos 1..4; tone and wave columns 3..6.
  mDialogs.mSteps.push_back(Answer("patch memo 2"));
  mPatches->HandleRename(1, 5);
  EXPECT_EQ(mPatches->GetCellText(1, 5), "patch memo 2");
  EXPECT_EQ(mDoc->GetZelData().mPatches.Get(0)->GetMemo(1), "patch memo 2");
  EXPECT_TRUE(mDoc->IsModified());

  mDialogs.mSteps.push_back(Answer("wave memo 4"));
  mWaves->HandleRename(2, 6);
  EXPECT_EQ(mDoc->GetZelData().mWaves.Get(1)->GetMemo(3), "wave memo 4");

  // The memo undo holds the wave list only.
  Undo();
  EXPECT_EQ(mDoc->GetZelData().mWaves.Get(1)->GetMemo(3), "");
  EXPECT_EQ(mDoc->GetZelData().mPatches.Get(0)->GetMemo(1), "patch memo 2");
}

TEST_F(ListsTest, MemoDialog_StartsWithTheCurrentMemo) {
  QString shown;
  mDialogs.mSteps.push_back([&shown](QDialog& dialog) {
    shown = dynamic_cast<CMemoDialog&>(dialog).GetMemo();
    return CModalDialogRunner::kMessageCancel;
  });
  mPatches->HandleRename(1, 7);
  EXPECT_EQ(shown, "last memo");
}

TEST_F(ListsTest, CellsThatEditNothing_OpenNoDialog) {
  mPatches->HandleRename(1, 3); // tone switch
  mPatches->HandleRename(4, 2); // blank slot
  mTones->HandleRename(3, 7);   // no such column
  mWaves->HandleRename(12, 1);  // a preset wave's number ...
  mWaves->HandleRename(12, 2);  // ... and name
  EXPECT_TRUE(mDialogs.mShownClasses.empty());
  EXPECT_FALSE(mDoc->IsModified());
}

TEST_F(ListsTest, PresetWave_KeepsItsNameSaysWhyAndTakesAMemo) {
  mDialogs.mSteps.push_back(Answer("preset note"));
  mWaves->HandleClick(12, 2, Qt::NoModifier, 2);
  EXPECT_TRUE(mDialogs.mShownClasses.empty());
  EXPECT_TRUE(mWaves->GetEditRefusal().contains("preset wave")) << "the refusal is explained";
  mWaves->HandleRename(12, 1); // the number cell renames too, and is refused the same way
  EXPECT_TRUE(mWaves->GetEditRefusal().contains("preset wave"));
  mWaves->HandleClick(12, 3, Qt::NoModifier, 2);
  ASSERT_EQ(mDialogs.mShownClasses, std::vector<std::string>({"CMemoDialog"}));
  EXPECT_TRUE(mWaves->GetEditRefusal().isEmpty());
  EXPECT_EQ(mWaves->GetCellText(12, 3), "preset note");
  EXPECT_EQ(mWaves->GetCellText(12, 2), "* Kick");

  // A user wave is renamed; a blank slot edits nothing and has nothing to explain.
  mDialogs.mSteps.push_back(Answer("Clap"));
  mWaves->HandleRename(2, 2);
  EXPECT_EQ(mWaves->GetCellText(2, 2), "  Clap");
  EXPECT_TRUE(mWaves->GetEditRefusal().isEmpty());
  mWaves->HandleRename(500, 2);
  EXPECT_TRUE(mWaves->GetEditRefusal().isEmpty());
  EXPECT_EQ(mDialogs.mShownClasses, std::vector<std::string>({"CMemoDialog", "CRenameDialog"}));
}

TEST_F(ListsTest, DeleteThenUndoThenRedo) {
  // GIVEN tone 3, played by patches 1 and 2, selected
  mTones->HandleClick(3, 1, Qt::NoModifier, 1);
  // WHEN Delete is chosen and confirmed
  ASSERT_TRUE(IsEnabled(*mTones, kCmdDelete));
  ASSERT_TRUE(mTones->ObeyCommand(kCmdDelete));
  // THEN the question was asked, the slot is blank, its patches no longer name it, the lists'
  // selections are gone and the document is modified.
  EXPECT_EQ(mTextOut->Questions(), std::vector<int>({9}));
  EXPECT_EQ(mTones->GetCellText(3, 2), "");
  EXPECT_FALSE(mWaves->IsReferredRow(2));
  EXPECT_TRUE(SelectedRows(*mTones).empty());
  EXPECT_TRUE(SelectedRows(*mPatches).empty());
  EXPECT_TRUE(mDoc->IsModified());
  mPatches->HandleClick(2, 1, Qt::NoModifier, 1);
  EXPECT_TRUE(SelectedRows(*mTones).empty());

  // Undo restores the tone and its links; a second undo deletes it again.
  Undo();
  EXPECT_EQ(mTones->GetCellText(3, 2), "Strings");
  EXPECT_TRUE(mWaves->IsReferredRow(2));
  mPatches->HandleClick(2, 1, Qt::NoModifier, 1);
  EXPECT_EQ(SelectedRows(*mTones), Rows({3}));
  Undo();
  EXPECT_EQ(mTones->GetCellText(3, 2), "");
}

TEST_F(ListsTest, DeleteDeclined_KeepsSelectionAndModifiedState) {
  mTextOut->QueueAnswer(CZelTextOut::kAnswerCancel);
  mPatches->SelectRows(1, 2, false);
  EXPECT_TRUE(mPatches->HandleKey(Qt::Key_Backspace, Qt::NoModifier));
  EXPECT_EQ(mTextOut->Questions(), std::vector<int>({9}));
  EXPECT_EQ(mPatches->GetCellText(1, 2), "Warm Pad");
  EXPECT_EQ(SelectedRows(*mPatches), Rows({1, 2}));
  EXPECT_FALSE(mDoc->IsModified());
}

TEST_F(ListsTest, DeleteOfBlankAndValidRows_DeletesTheValidOnes) {
  mPatches->SelectRows(1, 4, false);
  ASSERT_TRUE(mPatches->HandleDelete(false));
  EXPECT_TRUE(mTextOut->Questions().empty());
  for (int row = 1; row <= 4; ++row) {
    EXPECT_EQ(mPatches->GetCellText(row, 2), "") << row;
  }
  EXPECT_EQ(mPatches->GetCellText(10, 2), "Lead");
  EXPECT_EQ(mPatches->GetBlankTop(), 10);
}

TEST_F(ListsTest, UnwritableProject_WarnsOncePerActivation) {
  // GIVEN a project whose wave file has gone since it was read
  std::filesystem::remove(
      ProjectBuilder(mTemp.Path(), "Lists").SlotPath(Bris::CParameter::kWave, 30, "Spare", ".wav"));
  QCoreApplication::processEvents(); // the window's own activation is over
  mAlerts.mShown.clear();
  // WHEN both the patch and the tone list hear the window's activation
  mPatches->HandleActivate();
  mTones->HandleActivate();
  QCoreApplication::processEvents();
  // THEN one warning, after the activation has finished
  ASSERT_EQ(mAlerts.mShown.size(), 1u);
  EXPECT_EQ(mPatches->GetWarningCounter(), 2);
  EXPECT_EQ(mTones->GetWarningCounter(), 2);

  // The alert's own deactivation and re-activation warn no more ...
  mPatches->HandleDeactivate();
  mTones->HandleDeactivate();
  mPatches->HandleActivate();
  mTones->HandleActivate();
  QCoreApplication::processEvents();
  EXPECT_EQ(mAlerts.mShown.size(), 1u);
  // ... the next time the user brings the window to the front, it warns again.
  mPatches->HandleDeactivate();
  mTones->HandleDeactivate();
  mPatches->HandleActivate();
  mTones->HandleActivate();
  QCoreApplication::processEvents();
  EXPECT_EQ(mAlerts.mShown.size(), 2u);
}

TEST_F(ListsTest, WritableProjectOrDrag_GivesNoWarning) {
  QCoreApplication::processEvents();
  mAlerts.mShown.clear();
  mPatches->HandleActivate();
  QCoreApplication::processEvents();
  EXPECT_TRUE(mAlerts.mShown.empty());
  EXPECT_EQ(mPatches->GetWarningCounter(), 0);

  std::filesystem::remove(
      ProjectBuilder(mTemp.Path(), "Lists").SlotPath(Bris::CParameter::kTone, 8, "Lonely", ".p00"));
  QCoreApplication::processEvents();
  CBaseTableView::sIsDragging = true;
  mPatches->HandleActivate();
  CBaseTableView::sIsDragging = false;
  mWaves->HandleActivate(); // the wave list never warns
  QCoreApplication::processEvents();
  EXPECT_TRUE(mAlerts.mShown.empty());
}

} // namespace
} // namespace BrisTest
