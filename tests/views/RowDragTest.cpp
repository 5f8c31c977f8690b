#include "ViewsFixture.h"

#include "domain/CZelData.h"
#include "editing/CParameterMid.h"
#include "gui_support/RowDragPlayer.h"
#include "support/DataSetChecker.h"
#include "support/DataSetSnapshot.h"
#include "views/RowDragPayload.h"
#include "views/RowDropRules.h"
#include "views/SDragData.h"
#include "views/StRowDrag.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QUrl>

namespace BrisTest {
namespace {

// Row drags inside one project window, played through the lists' handlers.
//   patches 1 "One", 2 "Two", 3 "Three" (tone 3), 4 "Four" (tone 5), 5 "Five", 10 "Ten",
//   11 "Eleven"; tones 3 "Strings" (wave 12), 5 "Brass" (wave 2); waves 2 "Snare", 12 "Kick".
class RowDragTest : public ::testing::Test {
protected:
  void SetUp() override {
    UPreference::CleanUp();
    CTableSettings::SetFont(0, 0);
    mTextOut = &ScriptedTextOut::InstallAsErrorOut();
    const std::string project = ProjectBuilder(mTemp.Path(), "Drag")
                                    .Patch(1, PatchFile("One").Part(0, 3))
                                    .Patch(2, PatchFile("Two").Part(0, 3))
                                    .Patch(3, PatchFile("Three").Part(0, 3))
                                    .Patch(4, PatchFile("Four").Part(0, 5))
                                    .Patch(5, PatchFile("Five").Part(0, 5))
                                    .Patch(10, PatchFile("Ten").Part(0, 5))
                                    .Patch(11, PatchFile("Eleven").Part(0, 3))
                                    .Tone(3, ToneFile("Strings").Wave(0, 12))
                                    .Tone(5, ToneFile("Brass").Wave(0, 2))
                                    .Wave(2, "Snare")
                                    .Wave(12, "Kick")
                                    .Write();
    mDoc = std::make_unique<CLibrarianDoc>(project, nullptr);
    ASSERT_TRUE(mDoc->IsSpecified());
    mWindow = mDoc->GetProjectWindow();
    mPatches = mWindow->GetPatchTable();
    mTones = mWindow->GetToneTable();
  }

  void TearDown() override {
    CErrorOut::sIsAlertOpened = false;
    mDoc.reset();
    Bris::Domain().ClearUndoDoc();
    Bris::Domain().SetErrorOut(nullptr);
    UPreference::CleanUp();
  }

  Bris::CZelData& Data() { return mDoc->GetZelData(); }

  // The patch names of rows first..last, blank slots as "".
  std::vector<std::string> PatchNames(int first, int last) {
    std::vector<std::string> names;
    for (int row = first; row <= last; ++row) {
      const Bris::CParameter* patch = Data().mPatches[static_cast<unsigned int>(row - 1)];
      names.push_back(patch->IsBlank() ? "" : patch->GetName());
    }
    return names;
  }

  using Names = std::vector<std::string>;

  // Every drag ends with the clipboard emptied and no drag running.
  void ExpectDragOver() {
    const Bris::CClipboard& clipboard = Bris::Domain().GetClipboard();
    EXPECT_EQ(0u, clipboard.mPatches.size() + clipboard.mTones.size() + clipboard.mWaves.size());
    EXPECT_FALSE(CBaseTableView::sIsDragging);
    EXPECT_EQ(nullptr, StRowDrag::GetLiveDragData());
    EXPECT_TRUE(IsConsistent(Data()));
  }

  static Rows SelectedRows(const CBaseTableView& table) {
    Rows rows;
    for (int row = 1; row <= table.GetRowCount(); ++row) {
      if (table.IsRowSelected(row)) {
        rows.push_back(row);
      }
    }
    return rows;
  }

  TempFolder mTemp;
  CScriptedAlertRunner mAlerts;
  CScriptedDialogRunner mDialogs;
  ScriptedTextOut* mTextOut = nullptr;
  std::unique_ptr<CLibrarianDoc> mDoc;
  CProjectWindow* mWindow = nullptr;
  CPatchTableView* mPatches = nullptr;
  CToneTableView* mTones = nullptr;
};

TEST_F(RowDragTest, Rows3And4OnRow10_ReplacePatches10And11AndDeleteTheSources) {
  mPatches->SelectRows(3, 4, false);
  const SPlayedDrag drag = DragRows(*mPatches, 3, *mPatches, 10, Qt::NoModifier);

  ASSERT_TRUE(drag.started);
  EXPECT_TRUE(drag.wasDragging);
  EXPECT_EQ(Qt::MoveAction, drag.action);
  EXPECT_EQ(10, drag.dropRow);
  // Replace mode frames the two rows the drop overwrites.
  EXPECT_EQ(mPatches->CalcLocalRowRect(10, 2).top(), drag.hilite.top());
  EXPECT_EQ(2 * mPatches->GetRowHeight(), drag.hilite.height());
  EXPECT_TRUE(drag.received);

  EXPECT_EQ(Names({"", "", "Five"}), PatchNames(3, 5));
  EXPECT_EQ(Names({"Three", "Four"}), PatchNames(10, 11));
  // Overwriting used slots was asked first.
  EXPECT_EQ(std::vector<int>{Bris::CParameterMid::kQuestionOverwrite}, mTextOut->Questions());
  // The pasted rows are selected with the tones they play, and the project is modified.
  EXPECT_EQ(Rows({10, 11}), SelectedRows(*mPatches));
  EXPECT_EQ(Rows({3, 5}), SelectedRows(*mTones));
  EXPECT_TRUE(mDoc->IsModified());
  EXPECT_TRUE(mPatches->GetDropHiliteRect().isEmpty());
  ExpectDragOver();
}

TEST_F(RowDragTest, Rows3And4OnRow10WithAlt_InsertBeforeRow10AndDeleteTheSources) {
  mPatches->SelectRows(3, 4, false);
  const SPlayedDrag drag = DragRows(*mPatches, 3, *mPatches, 10, Qt::AltModifier);

  EXPECT_EQ(Qt::MoveAction, drag.action);
  EXPECT_EQ(10, drag.dropRow);
  // Insert mode: a 2-pixel line along the top edge of row 10.
  EXPECT_EQ(2, drag.hilite.height());
  EXPECT_EQ(mPatches->CalcLocalRowRect(10, 1).top() - 1, drag.hilite.top());

  // The sources were still at rows 3 and 4 when they were deleted: the rows below moved down.
  EXPECT_EQ(Names({"", "", "Five"}), PatchNames(3, 5));
  EXPECT_EQ(Names({"Three", "Four", "Ten", "Eleven"}), PatchNames(10, 13));
  EXPECT_TRUE(mTextOut->Questions().empty());
  EXPECT_EQ(Rows({10, 11}), SelectedRows(*mPatches));
  EXPECT_TRUE(mDoc->IsModified());
  ExpectDragOver();
}

TEST_F(RowDragTest, CtrlDropInsideOneProject_CopiesAndKeepsTheSources) {
  const DataSetSnapshot before(Data());
  mPatches->SelectRows(3, 4, false);
  const SPlayedDrag drag = DragRows(*mPatches, 3, *mPatches, 20, Qt::ControlModifier);

  EXPECT_EQ(Qt::CopyAction, drag.action);
  EXPECT_EQ(Names({"Three", "Four"}), PatchNames(3, 4));
  EXPECT_EQ(Names({"Three", "Four"}), PatchNames(20, 21));
  EXPECT_EQ(Rows({20, 21}), SelectedRows(*mPatches));
  ExpectDragOver();

  // One Undo takes the copy back.
  Bris::Domain().Undo();
  mDoc->HandleUndoApplied();
  EXPECT_TRUE(before.Matches(Data()));
}

TEST_F(RowDragTest, BlockOnItsOwnPlace_ChangesNothingUnlessAltAndCtrlInsertACopy) {
  const DataSetSnapshot before(Data());
  mPatches->SelectRows(3, 4, false);
  // Clicked on row 3 and dropped on row 3; clicked on row 4 and dropped on row 4 (the block lands
  // on rows 3 and 4 again); with only one of the two keys.
  struct SCase {
    int clickedRow;
    Qt::KeyboardModifiers modifiers;
  };
  for (const SCase& drop : {SCase{3, Qt::NoModifier}, SCase{4, Qt::NoModifier},
                            SCase{3, Qt::AltModifier}, SCase{4, Qt::ControlModifier}}) {
    const SPlayedDrag drag =
        DragRows(*mPatches, drop.clickedRow, *mPatches, drop.clickedRow, drop.modifiers);
    EXPECT_TRUE(drag.received);
    EXPECT_EQ(3, drag.dropRow);
    EXPECT_TRUE(before.Matches(Data())) << "clicked row " << drop.clickedRow;
    EXPECT_FALSE(mDoc->IsModified());
    EXPECT_FALSE(Bris::Domain().IsUndoReady());
    EXPECT_EQ(Rows({3, 4}), SelectedRows(*mPatches));
    ExpectDragOver();
  }

  // Alt and Ctrl together duplicate the block in place.
  DragRows(*mPatches, 3, *mPatches, 3, Qt::AltModifier | Qt::ControlModifier);
  EXPECT_EQ(Names({"Three", "Four", "Three", "Four", "Five"}), PatchNames(3, 7));
  EXPECT_EQ(Rows({3, 4}), SelectedRows(*mPatches));
  EXPECT_TRUE(mDoc->IsModified());
  ExpectDragOver();
}

TEST_F(RowDragTest, BlockOfFive_DropsNoLowerThanRow508) {
  mPatches->SelectRows(1, 5, false);
  for (Qt::KeyboardModifiers modifiers :
       {Qt::KeyboardModifiers(Qt::NoModifier), Qt::KeyboardModifiers(Qt::AltModifier)}) {
    const SPlayedDrag drag = DragRows(*mPatches, 1, *mPatches, 512, modifiers, false);
    EXPECT_EQ(508, drag.dropRow);
    EXPECT_FALSE(drag.received);
  }
  // The frame of the replacement covers the five rows 508 to 512.
  const SPlayedDrag drag = DragRows(*mPatches, 1, *mPatches, 512, Qt::ControlModifier);
  EXPECT_EQ(5 * mPatches->GetRowHeight(), drag.hilite.height());
  EXPECT_EQ(Names({"One", "Two", "Three", "Four", "Five"}), PatchNames(508, 512));
  EXPECT_EQ(Names({"One", "Two", "Three", "Four", "Five"}), PatchNames(1, 5));
  EXPECT_EQ(Rows({508, 509, 510, 511, 512}), SelectedRows(*mPatches));
  ExpectDragOver();
}

TEST_F(RowDragTest, PatchesOverTheToneList_AreRefusedWithoutFeedback) {
  const DataSetSnapshot before(Data());
  mPatches->SelectRows(3, 4, false);
  const SPlayedDrag drag = DragRows(*mPatches, 3, *mTones, 10, Qt::NoModifier);

  // A row drag the list takes in, but drops nothing of.
  EXPECT_TRUE(drag.acceptable);
  EXPECT_EQ(Qt::IgnoreAction, drag.action);
  EXPECT_EQ(0, drag.dropRow);
  EXPECT_TRUE(drag.hilite.isEmpty());
  EXPECT_FALSE(drag.received);
  EXPECT_TRUE(before.Matches(Data()));
  EXPECT_FALSE(mDoc->IsModified());
  EXPECT_EQ(Rows({3, 4}), SelectedRows(*mPatches));
  ExpectDragOver();
}

TEST_F(RowDragTest, WhileAnAlertIsOpen_ListsAndWindowRefuseTheDrop) {
  const DataSetSnapshot before(Data());
  mPatches->SelectRows(3, 4, false);
  bool windowAccepts = true;
  bool listReceives = true;
  const SPlayedDrag drag = DragRows(*mPatches, 3, *mPatches, 10, Qt::NoModifier, false, [&] {
    SDragData* live = StRowDrag::GetLiveDragData();
    const std::unique_ptr<QMimeData> mime = RowDragPayload::MakeMimeData(*live);
    CErrorOut::sIsAlertOpened = true;
    windowAccepts = mWindow->ItemIsAcceptable(mime.get());
    listReceives = mPatches->ReceiveDragItem(*live) || mPatches->ItemIsAcceptable(mime.get());
  });
  EXPECT_EQ(10, drag.dropRow) << "the drag was over row 10 before the alert opened";
  EXPECT_FALSE(windowAccepts);
  EXPECT_FALSE(listReceives);
  EXPECT_TRUE(before.Matches(Data()));
  ExpectDragOver();
}

TEST_F(RowDragTest, QtDragEvents_ReachTheListThroughItsViewport) {
  mPatches->SelectRows(3, 4, false);
  Qt::DropAction enterAction = Qt::IgnoreAction;
  Qt::DropAction moveAction = Qt::IgnoreAction;
  bool dropAccepted = false;
  StDragRunner runner([&](QDrag& drag) {
    QWidget* viewport = mPatches->viewport();
    mPatches->ScrollRowIntoView(10);
    const QPointF point = RowPoint(*mPatches, 10);
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(point.toPoint(), actions, drag.mimeData(), Qt::LeftButton,
                          Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &enter);
    enterAction = enter.isAccepted() ? enter.dropAction() : Qt::IgnoreAction;
    // Alt held: the feedback switches to the line of an insertion.
    QDragMoveEvent move(point.toPoint(), actions, drag.mimeData(), Qt::LeftButton, Qt::AltModifier);
    QCoreApplication::sendEvent(viewport, &move);
    moveAction = move.isAccepted() ? move.dropAction() : Qt::IgnoreAction;
    EXPECT_EQ(2, mPatches->GetDropHiliteRect().height());
    QDropEvent drop(point, actions, drag.mimeData(), Qt::LeftButton, Qt::AltModifier);
    QCoreApplication::sendEvent(viewport, &drop);
    dropAccepted = drop.isAccepted();
    EXPECT_TRUE(mPatches->GetDropHiliteRect().isEmpty()) << "no leave follows a drop";
    return drop.dropAction();
  });
  mPatches->TrackDrag(3, RowPoint(*mPatches, 3));

  EXPECT_EQ(Qt::MoveAction, enterAction);
  EXPECT_EQ(Qt::MoveAction, moveAction);
  EXPECT_TRUE(dropAccepted);
  EXPECT_EQ(Names({"Three", "Four", "Ten"}), PatchNames(10, 12));
  EXPECT_EQ(Names({"", ""}), PatchNames(3, 4));
  ExpectDragOver();
}

TEST_F(RowDragTest, FilesDraggedOverAList_GoOnToTheWindow) {
  QMimeData files;
  files.setUrls({QUrl::fromLocalFile(QString::fromStdString(mTemp.Path() + "/a.wav"))});
  QDragEnterEvent enter(RowPoint(*mPatches, 2), Qt::CopyAction, &files, Qt::LeftButton,
                        Qt::NoModifier);
  QCoreApplication::sendEvent(mPatches->viewport(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  EXPECT_FALSE(mPatches->IsDragActivateInstalled());
  EXPECT_TRUE(mWindow->GetDragActivateTask().IsInstalled());
  QDragLeaveEvent leave;
  QCoreApplication::sendEvent(mWindow, &leave);
  EXPECT_FALSE(mWindow->GetDragActivateTask().IsInstalled());
}

// A row drag of patches 1 and 2 held over the lists without the platform drag.
class DragOverTest : public RowDragTest {
protected:
  void SetUp() override {
    RowDragTest::SetUp();
    mPatches->SelectRows(1, 2, false);
    mPatches->HandleCopy();
    mDrag = std::make_unique<StRowDrag>(
        RowDropRules::MakeDragData(mPatches, Bris::CParameter::kPatch, 1, {1, 2}));
    mMime = mDrag->MakeMimeData();
    mPatches->GetDragAutoScroll().SetClock([this] { return mNow; });
  }
  void TearDown() override {
    mPatches->LeaveDropArea();
    mWindow->LeaveDropArea();
    mMime.reset();
    mDrag.reset();
    RowDragTest::TearDown();
  }

  int FirstVisibleRow() const {
    int first = 0;
    int last = 0;
    mPatches->GetVisibleRows(first, last);
    return first;
  }

  std::int64_t mNow = 0;
  std::unique_ptr<StRowDrag> mDrag;
  std::unique_ptr<QMimeData> mMime;
};

TEST_F(DragOverTest, BelowTheRows_ScrollsDownWithTheDropRowAndStopsBackInside) {
  SDragData& drag = mDrag->GetData();
  mPatches->EnterDropArea(drag, Qt::NoModifier);
  const int height = mPatches->viewport()->height();
  ASSERT_EQ(1, FirstVisibleRow());
  int first = 0;
  int last = 0;
  mPatches->GetVisibleRows(first, last);

  EXPECT_EQ(Qt::MoveAction, mPatches->InsideDropArea(drag, QPoint(10, height + 5), Qt::NoModifier));
  EXPECT_TRUE(mPatches->IsDragScrolling());
  mPatches->GetDragAutoScroll().Fire();
  // One row further down is shown, and the block of two ends on it.
  const int shown = last + 1;
  EXPECT_EQ(shown - 1, mPatches->GetDropRow());
  EXPECT_GT(FirstVisibleRow(), 1);
  EXPECT_FALSE(mPatches->GetDropHiliteRect().isEmpty());

  // Back over the rows: no more scrolling, the drop row is the row under the mouse.
  mPatches->InsideDropArea(drag, RowPoint(*mPatches, FirstVisibleRow() + 1), Qt::NoModifier);
  EXPECT_FALSE(mPatches->IsDragScrolling());
  EXPECT_EQ(FirstVisibleRow() + 1, mPatches->GetDropRow());

  mPatches->LeaveDropArea();
  EXPECT_EQ(0, mPatches->GetDropRow());
  EXPECT_EQ(0u, mPatches->GetDropCount());
  EXPECT_TRUE(mPatches->GetDropHiliteRect().isEmpty());
  EXPECT_FALSE(mPatches->IsDragActivateInstalled());
}

TEST_F(DragOverTest, KeysChangedWithoutMoving_SwitchModeAndDropRowOnTheSpot) {
  // Dragged by row 2 of the block 1-2: in replace mode the block starts a row above the mouse.
  SDragData& drag = mDrag->GetData();
  drag.clickedRow = 2;
  drag.rowsBefore = 1;
  Qt::KeyboardModifiers keys = Qt::NoModifier;
  mPatches->SetModifierSource([&keys] { return keys; });
  mPatches->EnterDropArea(drag, keys);
  mPatches->InsideDropArea(drag, RowPoint(*mPatches, 10), keys);
  ASSERT_EQ(9, mPatches->GetDropRow());
  ASSERT_EQ(2 * mPatches->GetRowHeight(), mPatches->GetDropHiliteRect().height());

  // Alt pressed, the mouse still: an insertion before the row under the mouse.
  keys = Qt::AltModifier;
  mPatches->PollDropModifiers();
  EXPECT_EQ(10, mPatches->GetDropRow());
  EXPECT_EQ(2, mPatches->GetDropHiliteRect().height());
  EXPECT_EQ(1, Bris::Domain().GetClipboard().mInsertMode);
  // Ctrl added: a copy inside one project.
  keys = Qt::AltModifier | Qt::ControlModifier;
  mPatches->PollDropModifiers();
  EXPECT_EQ(1, Bris::Domain().GetClipboard().mCopy);
  // Released: back to moving the block over rows 9 and 10.
  keys = Qt::NoModifier;
  mPatches->PollDropModifiers();
  EXPECT_EQ(9, mPatches->GetDropRow());
  EXPECT_EQ(0, Bris::Domain().GetClipboard().mInsertMode);
  EXPECT_EQ(0, Bris::Domain().GetClipboard().mCopy);
}

TEST_F(DragOverTest, AboveAList_TheWindowPassesTheDragToItsScrollZone) {
  mPatches->ScrollRowIntoView(100);
  const int firstBefore = FirstVisibleRow();
  ASSERT_GT(firstBefore, 1);
  // Just above the patch rows: on the column header, inside the 20-pixel zone.
  const QPoint above = mPatches->viewport()->mapTo(mWindow, QPoint(10, -8));
  EXPECT_EQ(Qt::MoveAction, mWindow->EnterDropArea(mMime.get(), above, Qt::NoModifier));
  EXPECT_EQ(mPatches, mWindow->GetDropZoneTable());
  EXPECT_TRUE(mPatches->IsDragScrolling());
  mPatches->GetDragAutoScroll().Fire();
  EXPECT_EQ(firstBefore - 1, FirstVisibleRow());
  EXPECT_EQ(firstBefore - 1, mPatches->GetDropRow());

  // Further up the window takes nothing, and the list lets go.
  const QPoint farAbove = mPatches->viewport()->mapTo(mWindow, QPoint(10, -40));
  EXPECT_EQ(Qt::IgnoreAction, mWindow->InsideDropArea(mMime.get(), farAbove, Qt::NoModifier));
  EXPECT_EQ(nullptr, mWindow->GetDropZoneTable());
  EXPECT_FALSE(mPatches->IsDragScrolling());
  EXPECT_EQ(0, mPatches->GetDropRow());
}

} // namespace
} // namespace BrisTest
