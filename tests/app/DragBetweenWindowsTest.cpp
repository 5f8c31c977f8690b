#include "app/ProjectWindowFixture.h"

#include "domain/CZelData.h"
#include "framework/CommandCodes.h"
#include "gui_support/GuiTestSupport.h"
#include "gui_support/RowDragPlayer.h"
#include "support/DataSetChecker.h"
#include "support/DataSetSnapshot.h"
#include "views/CPatchTableView.h"
#include "views/CToneTableView.h"
#include "views/CWaveTableView.h"
#include "views/RowDragPayload.h"
#include "views/RowDropRules.h"
#include "views/StRowDrag.h"

#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>

#include <fstream>

namespace {

using namespace BrisTest;

const char* const kAlsaSounds = "/usr/share/sounds/alsa/";

class DragBetweenWindowsTest : public ProjectWindowFixture {
protected:
  // Patches 1 "Lead" (tone 2) and 2 "Pluck" (tone 2); tone 2 "Saw" plays wave 1 "Pulse".
  std::string BuildProject(const std::string& name) {
    return ProjectBuilder(mProjects.Path(), name)
        .Patch(1, PatchFile("Lead").Part(0, 2))
        .Patch(2, PatchFile("Pluck").Part(0, 2))
        .Tone(2, ToneFile("Saw").Wave(0, 1))
        .Wave(1, "Pulse", 100)
        .Write();
  }

  void OpenBoth() {
    mSource = Open(BuildProject("Source"));
    mTarget = Open(BuildProject("Target"));
    ASSERT_NE(nullptr, mSource);
    ASSERT_NE(nullptr, mTarget);
    mSourcePatches = mSource->GetProjectWindow()->GetPatchTable();
    mTargetPatches = mTarget->GetProjectWindow()->GetPatchTable();
    // The source window is in front, the drag goes to the one behind.
    mSource->GetProjectWindow()->activateWindow();
    ASSERT_TRUE(WaitUntil([&] { return mSource->GetProjectWindow()->isActiveWindow(); }));
  }

  static std::string PatchName(CLibrarianDoc* document, int row) {
    const Bris::CParameter* patch =
        document->GetZelData().mPatches[static_cast<unsigned int>(row - 1)];
    return patch->IsBlank() ? "" : patch->GetName();
  }

  static std::vector<int> SelectedRows(const CBaseTableView* table) {
    std::vector<int> rows;
    for (int row = 1; row <= table->GetRowCount(); ++row) {
      if (table->IsRowSelected(row)) {
        rows.push_back(row);
      }
    }
    return rows;
  }

  void Undo() {
    SCommandStatus status;
    mApp.FindCommandStatus(kCmdUndo, status);
    ASSERT_TRUE(status.enabled);
    mApp.ObeyCommand(kCmdUndo);
  }

  static std::unique_ptr<QMimeData> Files(const std::vector<std::string>& paths) {
    return BrisTest::FileDragData(paths);
  }

  static std::string Alsa(const char* name) { return std::string(kAlsaSounds) + name; }

  CLibrarianDoc* mSource = nullptr;
  CLibrarianDoc* mTarget = nullptr;
  CPatchTableView* mSourcePatches = nullptr;
  CPatchTableView* mTargetPatches = nullptr;
};

TEST_F(DragBetweenWindowsTest, PlainDrop_CopiesWithToneAndWaveAndUndoRestoresTheTarget) {
  OpenBoth();
  const DataSetSnapshot sourceBefore(mSource->GetZelData());
  const DataSetSnapshot targetBefore(mTarget->GetZelData());
  mSourcePatches->SelectRows(1, 2, false);

  const SPlayedDrag drag = DragRows(*mSourcePatches, 1, *mTargetPatches, 10, Qt::NoModifier);

  EXPECT_EQ(Qt::CopyAction, drag.action);
  EXPECT_TRUE(drag.received);
  EXPECT_EQ("Lead", PatchName(mTarget, 10));
  EXPECT_EQ("Pluck", PatchName(mTarget, 11));
  // The tone they play came along into the first blank tone slot, with its wave.
  const Bris::CZelData& target = mTarget->GetZelData();
  EXPECT_EQ("Saw", target.mTones[0]->GetName());
  EXPECT_EQ("Pulse", target.mWaves[1]->GetName());
  EXPECT_TRUE(sourceBefore.Matches(mSource->GetZelData())) << "a plain drop copies";
  EXPECT_EQ(std::vector<int>({1, 2}), SelectedRows(mSourcePatches));
  EXPECT_EQ(std::vector<int>({10, 11}), SelectedRows(mTargetPatches));
  EXPECT_TRUE(mTarget->IsModified());
  EXPECT_FALSE(mSource->IsModified());
  // The target window came to the front for the paste.
  EXPECT_TRUE(WaitUntil([&] { return mTarget->GetProjectWindow()->isActiveWindow(); }));
  EXPECT_TRUE(IsConsistent(mSource->GetZelData()));
  EXPECT_TRUE(IsConsistent(target));

  Undo();
  EXPECT_TRUE(targetBefore.Matches(mTarget->GetZelData()));
  EXPECT_TRUE(sourceBefore.Matches(mSource->GetZelData()));
  EXPECT_TRUE(IsConsistent(mTarget->GetZelData()));
}

TEST_F(DragBetweenWindowsTest, CtrlDrop_MovesAndOneUndoRestoresBothProjects) {
  OpenBoth();
  const DataSetSnapshot sourceBefore(mSource->GetZelData());
  const DataSetSnapshot targetBefore(mTarget->GetZelData());
  mSourcePatches->SelectRows(1, 2, false);

  const SPlayedDrag drag = DragRows(*mSourcePatches, 2, *mTargetPatches, 21, Qt::ControlModifier);

  EXPECT_EQ(Qt::MoveAction, drag.action);
  // Replace mode: the clicked row 2 lands under the mouse, the block starts a row above.
  EXPECT_EQ(20, drag.dropRow);
  EXPECT_EQ("Lead", PatchName(mTarget, 20));
  EXPECT_EQ("Pluck", PatchName(mTarget, 21));
  EXPECT_EQ("", PatchName(mSource, 1));
  EXPECT_EQ("", PatchName(mSource, 2));
  // Nothing stays selected in the list the rows left; both projects are modified.
  EXPECT_TRUE(SelectedRows(mSourcePatches).empty());
  EXPECT_EQ(std::vector<int>({20, 21}), SelectedRows(mTargetPatches));
  EXPECT_TRUE(mSource->IsModified());
  EXPECT_TRUE(mTarget->IsModified());
  EXPECT_TRUE(IsConsistent(mSource->GetZelData()));
  EXPECT_TRUE(IsConsistent(mTarget->GetZelData()));

  // Undo must mark and redraw both windows itself, the source's (the second undo slot) too: the
  // flags the drag set are taken away first, and a row is selected that the redraw lets go of.
  mSource->SetModified(false);
  mTarget->SetModified(false);
  mSourcePatches->SelectRows(5, 5, false);
  ASSERT_EQ(std::vector<int>({5}), SelectedRows(mSourcePatches));
  Undo();
  EXPECT_TRUE(sourceBefore.Matches(mSource->GetZelData()));
  EXPECT_TRUE(targetBefore.Matches(mTarget->GetZelData()));
  EXPECT_TRUE(mSource->IsModified());
  EXPECT_TRUE(mTarget->IsModified());
  EXPECT_TRUE(SelectedRows(mSourcePatches).empty());
  EXPECT_TRUE(IsConsistent(mSource->GetZelData()));
  EXPECT_TRUE(IsConsistent(mTarget->GetZelData()));
}

TEST_F(DragBetweenWindowsTest, DeclinedOverwrite_PastesAndDeletesNothing) {
  OpenBoth();
  const DataSetSnapshot sourceBefore(mSource->GetZelData());
  const DataSetSnapshot targetBefore(mTarget->GetZelData());
  mSourcePatches->SelectRows(1, 1, false);
  mAlerts.mAnswers.push_back(QStringLiteral("Cancel"));

  const SPlayedDrag drag = DragRows(*mSourcePatches, 1, *mTargetPatches, 2, Qt::ControlModifier);

  EXPECT_TRUE(drag.received);
  EXPECT_EQ(1u, mAlerts.mShown.size()) << "the overwrite question";
  EXPECT_TRUE(sourceBefore.Matches(mSource->GetZelData()));
  EXPECT_TRUE(targetBefore.Matches(mTarget->GetZelData()));
  EXPECT_FALSE(mSource->IsModified());
  EXPECT_FALSE(mTarget->IsModified());
  EXPECT_EQ(std::vector<int>({1}), SelectedRows(mSourcePatches));
}

TEST_F(DragBetweenWindowsTest, DragRestingOverABackgroundWindow_BringsItToTheFront) {
  OpenBoth();
  CProjectWindow* back = mTarget->GetProjectWindow();
  ASSERT_FALSE(back->isActiveWindow());
  std::int64_t now = 0;
  CDragActivateTask& task = mTargetPatches->GetDragActivateTask();
  task.SetClock([&now] { return now; });
  task.SetMouse([] { return QPoint(40, 40); });

  mSourcePatches->SelectRows(1, 1, false);
  mSourcePatches->HandleCopy();
  StRowDrag drag(RowDropRules::MakeDragData(mSourcePatches, Bris::CParameter::kPatch, 1, {1}));
  mTargetPatches->EnterDropArea(drag.GetData(), Qt::NoModifier);
  ASSERT_TRUE(task.IsInstalled());
  now = 900;
  task.CheckDragActivate();
  QApplication::processEvents();
  EXPECT_FALSE(back->isActiveWindow()) << "not yet a second of rest";
  now = 1100;
  task.CheckDragActivate();
  EXPECT_TRUE(WaitUntil([&] { return back->isActiveWindow(); }));
  EXPECT_FALSE(task.IsInstalled());
  mTargetPatches->LeaveDropArea();
}

TEST_F(DragBetweenWindowsTest, DroppedWaveFiles_AreImportedOnceTheDropHasFinished) {
  CLibrarianDoc* document = Open(BuildProject("Song"));
  ASSERT_NE(nullptr, document);
  CProjectWindow* window = document->GetProjectWindow();
  const auto files = Files({Alsa("Front_Left.wav"), Alsa("Noise.wav")});
  ASSERT_TRUE(window->ItemIsAcceptable(files.get()));

  QDragEnterEvent enter(QPoint(30, 30), Qt::CopyAction, files.get(), Qt::LeftButton,
                        Qt::NoModifier);
  QCoreApplication::sendEvent(window, &enter);
  EXPECT_TRUE(enter.isAccepted());
  EXPECT_TRUE(window->IsDropHighlighted());
  QDropEvent drop(QPointF(30, 30), Qt::CopyAction, files.get(), Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(window, &drop);
  EXPECT_TRUE(drop.isAccepted());
  EXPECT_FALSE(window->IsDropHighlighted()) << "the frame goes with the drop";
  EXPECT_TRUE(window->HasPendingWork());
  EXPECT_TRUE(document->GetZelData().mWaves[1]->IsBlank()) << "nothing happens during the drop";
  // A second drop waits until the first one's import has run.
  EXPECT_FALSE(window->ItemIsAcceptable(files.get()));

  ASSERT_TRUE(WaitUntil([&] { return !window->HasPendingWork(); }));
  const Bris::CZelData& data = document->GetZelData();
  EXPECT_EQ("Front_Left", data.mWaves[1]->GetName().substr(0, 10));
  EXPECT_EQ("Noise", data.mWaves[2]->GetName().substr(0, 5));
  EXPECT_EQ(std::vector<int>({2, 3}), SelectedRows(window->GetWaveTable()));
  EXPECT_TRUE(document->IsModified());
  EXPECT_TRUE(ShownAlerts().empty());
  EXPECT_TRUE(IsConsistent(data));
}

TEST_F(DragBetweenWindowsTest, FileDrag_HighlightsTheWindowOnlyWhenTheDropWouldDoSomething) {
  CLibrarianDoc* document = Open(BuildProject("Song"));
  ASSERT_NE(nullptr, document);
  CProjectWindow* window = document->GetProjectWindow();
  const auto enter = [window](const QMimeData* mime) {
    QDragEnterEvent event(QPoint(30, 30), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &event);
    return window->IsDropHighlighted();
  };
  const auto leave = [window] {
    QDragLeaveEvent event;
    QCoreApplication::sendEvent(window, &event);
  };
  std::string folder = BuildProject("Other");
  folder.pop_back();
  const std::string notes = mProjects.Path() + "/notes.txt";
  std::ofstream(notes) << "not a wave";

  EXPECT_TRUE(enter(Files({Alsa("Noise.wav")}).get()));
  leave();
  EXPECT_FALSE(window->IsDropHighlighted()) << "the frame goes when the drag leaves";
  EXPECT_TRUE(enter(Files({folder}).get())) << "a project folder to open";
  leave();
  EXPECT_FALSE(enter(Files({Alsa("Noise.wav"), notes}).get())) << "a drop that imports nothing";
  leave();

  CErrorOut::sIsAlertOpened = true; // nothing is taken while an alert is open
  const bool highlightedDuringAlert = enter(Files({Alsa("Noise.wav")}).get());
  CErrorOut::sIsAlertOpened = false;
  EXPECT_FALSE(highlightedDuringAlert);

  // A drag that becomes unacceptable on its way loses the frame.
  const auto wave = Files({Alsa("Noise.wav")});
  ASSERT_TRUE(enter(wave.get()));
  CErrorOut::sIsAlertOpened = true;
  QDragMoveEvent move(QPoint(40, 40), Qt::CopyAction, wave.get(), Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(window, &move);
  CErrorOut::sIsAlertOpened = false;
  EXPECT_FALSE(window->IsDropHighlighted());
}

TEST_F(DragBetweenWindowsTest, DroppedProjectFolder_OpensAndOtherFoldersAreIgnored) {
  CLibrarianDoc* document = Open(BuildProject("Song"));
  ASSERT_NE(nullptr, document);
  CProjectWindow* window = document->GetProjectWindow();
  std::string other = BuildProject("Other");
  other.pop_back(); // a desktop names a folder without the trailing "/"

  // A folder among other items is no project to open.
  EXPECT_TRUE(window->DoDragReceive(Files({other, Alsa("Noise.wav")}).get()));
  ASSERT_TRUE(WaitUntil([&] { return !window->HasPendingWork(); }));
  EXPECT_EQ(1u, mApp.GetDocuments().size());

  EXPECT_TRUE(window->DoDragReceive(Files({other}).get()));
  ASSERT_TRUE(WaitUntil([&] { return mApp.GetDocuments().size() == 2; }));
  EXPECT_NE(nullptr, mApp.FindDocumentOfFolder(other));
  EXPECT_TRUE(ShownAlerts().empty());
  EXPECT_TRUE(IsConsistent(document->GetZelData()));
}

TEST_F(DragBetweenWindowsTest, UnacceptableFileName_RefusesTheWholeDropWithoutAMessage) {
  CLibrarianDoc* document = Open(BuildProject("Song"));
  ASSERT_NE(nullptr, document);
  CProjectWindow* window = document->GetProjectWindow();
  const std::string notes = mProjects.Path() + "/notes.txt";
  std::ofstream(notes) << "not a wave";
  const DataSetSnapshot before(document->GetZelData());

  EXPECT_FALSE(window->DoDragReceive(Files({Alsa("Noise.wav"), notes}).get()));
  EXPECT_FALSE(window->HasPendingWork());
  QApplication::processEvents();
  EXPECT_TRUE(before.Matches(document->GetZelData()));
  EXPECT_FALSE(document->IsModified());
  EXPECT_TRUE(ShownAlerts().empty());

  // Nor is anything taken while an alert is open.
  CErrorOut::sIsAlertOpened = true;
  const auto wave = Files({Alsa("Noise.wav")});
  const bool accepted = window->ItemIsAcceptable(wave.get());
  const bool received = window->DoDragReceive(wave.get());
  CErrorOut::sIsAlertOpened = false;
  EXPECT_FALSE(accepted);
  EXPECT_FALSE(received);
  EXPECT_FALSE(window->HasPendingWork());
}

} // namespace
