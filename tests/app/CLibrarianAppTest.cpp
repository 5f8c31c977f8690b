#include "LibMac/Utility/UPreference.h"
#include "Zel/Generic/CStringTable.h"
#include "app/AppTestSupport.h"
#include "app/CAboutBox.h"
#include "app/CSelectFontDialog.h"
#include "app/CSetGridDialog.h"
#include "app/CStartWindow.h"
#include "domain/CDomain.h"
#include "domain/CZelData.h"
#include "framework/CWindowMenu.h"
#include "framework/UWindowArrangement.h"
#include "views/CTableSettings.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <csignal>
#include <map>

namespace {

using namespace BrisTest;

// A started application in its own data home, with scripted alerts and dialogs.
class CLibrarianAppTest : public ::testing::Test {
protected:
  void SetUp() override {
    UPreference::CleanUp();
    ASSERT_TRUE(mApp.Initialize());
  }
  void TearDown() override { Bris::Domain().ClearUndoDoc(); }

  // The start window's menus, each command with its enabled state after the menu was opened.
  std::map<QString, std::map<QString, bool>> OpenedMenus() {
    std::map<QString, std::map<QString, bool>> menus;
    auto* window = qobject_cast<QMainWindow*>(mApp.GetStartWindow());
    for (QMenu* menu : window->menuBar()->findChildren<QMenu*>()) {
      emit menu->aboutToShow();
      for (const QAction* action : menu->actions()) {
        if (!action->isSeparator()) {
          menus[menu->objectName()][action->text().remove(QLatin1Char('&'))] = action->isEnabled();
        }
      }
    }
    return menus;
  }

  CFakeDocument* AddDocument(const std::string& folder, const QString& title) {
    auto document = std::make_unique<CFakeDocument>(folder, title);
    CFakeDocument* raw = document.get();
    mApp.AddDocument(std::move(document));
    raw->GetWindow()->show();
    raw->GetWindow()->activateWindow();
    QApplication::processEvents();
    return raw;
  }

  StTempFolder mHome;
  StEnvironment mDataHome{"XDG_DATA_HOME", mHome.Path()};
  CScriptedAlertRunner mAlerts;
  CScriptedDialogRunner mDialogs;
  CTestApp mApp;
};

TEST_F(CLibrarianAppTest, StartWindow_CarriesEveryMenuWithItsCommandStates) {
  ASSERT_TRUE(mApp.GetStartWindow()->isVisible());
  auto menus = OpenedMenus();

  using Items = std::map<QString, bool>;
  EXPECT_EQ((Items{{"New Project", true},
                   {"Open Project...", true},
                   {"Open Recent", true},
                   {"Close", false},
                   {"Save", false},
                   {"Save As...", false},
                   {"Preview Save...", false},
                   {"Quit", true}}),
            menus["File"]);
  EXPECT_EQ((Items{{"Undo", false},
                   {"Delete", false},
                   {"Select All", false},
                   {"Find...", true},
                   {"Library Folders...", true}}),
            menus["Edit"]);
  EXPECT_EQ((Items{{"Import Waves...", false}, {"Clean Project...", false}}), menus["Project"]);
  EXPECT_EQ((Items{{"List Font...", true}, {"Grid...", true}}), menus["View"]);
  EXPECT_EQ((Items{{"Cascade", true}, {"Tile Horizontally", true}, {"Tile Vertically", true}}),
            menus["Window"]);
  EXPECT_EQ((Items{{QString::fromStdString(CStringTable::Get(CStringTable::kHelp, 1)), true},
                   {"About Brisel Librarian", true}}),
            menus["Help"]);

  Bris::CZelData data;
  Bris::Domain().CopyToUndoBuffer(Bris::CDomain::kUndoAll, &data);
  EXPECT_TRUE(OpenedMenus()["Edit"]["Undo"]) << "Undo follows the domain's undo buffer";
  Bris::Domain().ClearUndoDoc();
}

TEST_F(CLibrarianAppTest, Documents_ReplaceTheStartWindowAndAreListedInTheWindowMenu) {
  CFakeDocument* first = AddDocument("/p/A.prj", QStringLiteral("A.prj"));
  CFakeDocument* second = AddDocument("/p/B.prj", QStringLiteral("B.prj"));
  EXPECT_FALSE(mApp.GetStartWindow()->isVisible());
  EXPECT_EQ(&mApp, first->GetSuperCommander());
  EXPECT_EQ((std::vector<QWidget*>{first->GetWindow(), second->GetWindow()}),
            mApp.GetWindowsInActivationOrder());

  const CommandT itemOfFirst = mApp.GetWindowMenu().GetCommandOfWindow(first->GetWindow());
  EXPECT_FALSE(CCommander::GetCommandStatus(itemOfFirst).checked);
  EXPECT_TRUE(CCommander::ProcessCommand(itemOfFirst));
  QApplication::processEvents();
  EXPECT_EQ(first->GetWindow(), mApp.GetSelectedWindow());
  EXPECT_TRUE(CCommander::GetCommandStatus(itemOfFirst).checked);

  EXPECT_TRUE(mApp.CloseDocument(first));
  EXPECT_TRUE(mApp.CloseDocument(second));
  EXPECT_EQ(0, mApp.GetWindowMenu().GetWindowCount());
  EXPECT_TRUE(mApp.GetStartWindow()->isVisible()) << "back when no project window is left";
}

TEST_F(CLibrarianAppTest, OpenDocument_BringsAnOpenFolderForwardAndOtherwiseBuildsOne) {
  CFakeDocument* open = AddDocument(mHome.MakeFolder("A.prj"), QStringLiteral("A.prj"));
  EXPECT_TRUE(mApp.OpenDocument(mHome.Path() + "/A.prj/"));
  EXPECT_TRUE(mApp.mCreateRequests.empty()) << "the same folder is not opened twice";
  EXPECT_EQ(open->GetWindow(), mApp.GetSelectedWindow());

  EXPECT_FALSE(mApp.OpenDocument(mHome.Path() + "/B.prj")) << "no document could be made";
  mApp.mMadeDocuments.push_back(std::make_unique<CFakeDocument>(mHome.Path() + "/B.prj"));
  EXPECT_TRUE(mApp.OpenDocument(mHome.Path() + "/B.prj"));
  EXPECT_EQ(2u, mApp.GetDocuments().size());
  EXPECT_EQ((std::vector<std::string>{mHome.Path() + "/B.prj", mHome.Path() + "/B.prj"}),
            mApp.mCreateRequests);
}

TEST_F(CLibrarianAppTest, Quit_AsksModifiedDocumentsAndStopsWhenOneIsKeptOpen) {
  CFakeDocument* document = AddDocument("/p/A.prj", QStringLiteral("A.prj"));
  document->mModified = true;

  mAlerts.mAnswers = {"Cancel"};
  mApp.DoQuit();
  EXPECT_EQ(1u, mApp.GetDocuments().size());

  document->mSaveSucceeds = false;
  mAlerts.mAnswers = {"Save"};
  mApp.DoQuit();
  EXPECT_EQ(1, document->mSaveCount);
  EXPECT_EQ(1u, mApp.GetDocuments().size()) << "a failed save keeps the document";

  mAlerts.mAnswers = {"Don't Save"};
  mApp.DoQuit();
  EXPECT_TRUE(mApp.GetDocuments().empty());
  EXPECT_EQ(3u, mAlerts.mShown.size());
  // The save-changes question answers from the keyboard: mnemonics, Return saves, Escape
  // cancels, and the platform orders the buttons by their standard roles.
  const SShownAlert& question = mAlerts.mShown[0];
  EXPECT_EQ((QStringList{"&Save", "&Cancel", "&Don't Save"}), question.buttonTexts);
  EXPECT_EQ((std::vector<QMessageBox::ButtonRole>{QMessageBox::AcceptRole, QMessageBox::RejectRole,
                                                  QMessageBox::DestructiveRole}),
            question.buttonRoles);
  EXPECT_EQ(QStringLiteral("Save"), question.defaultButton);
  EXPECT_EQ(QStringLiteral("Cancel"), question.escapeButton);
  EXPECT_EQ(QStringLiteral("Do you want to save the changes you made to \"A.prj\"?"),
            question.text);
  EXPECT_FALSE(mApp.GetStartWindow()->isVisible());
}

TEST_F(CLibrarianAppTest, Quit_CancelledAtAnyProject_ClosesNoneAndAsksAllBeforeClosingAny) {
  // GIVEN three projects, the middle one modified and the last one modified too
  CFakeDocument* first = AddDocument("/p/A.prj", QStringLiteral("A.prj"));
  CFakeDocument* second = AddDocument("/p/B.prj", QStringLiteral("B.prj"));
  CFakeDocument* third = AddDocument("/p/C.prj", QStringLiteral("C.prj"));
  second->mModified = true;
  third->mModified = true;

  // WHEN the quit is cancelled at the second question
  mAlerts.mAnswers = {"Don't Save", "Cancel"};
  mApp.DoQuit();

  // THEN every window is still open, the unmodified one included
  EXPECT_EQ(2u, mAlerts.mShown.size());
  EXPECT_EQ(3u, mApp.GetDocuments().size());
  for (CFakeDocument* document : {first, second, third}) {
    EXPECT_TRUE(document->GetWindow()->isVisible()) << document->GetDescriptor().toStdString();
  }
  EXPECT_EQ(3, mApp.GetWindowMenu().GetWindowCount());

  // WHEN every question is answered: all close at once
  mAlerts.mShown.clear();
  mAlerts.mAnswers = {"Save", "Don't Save"};
  mApp.DoQuit();
  EXPECT_EQ(2u, mAlerts.mShown.size());
  EXPECT_EQ(1, third->mSaveCount) << "the front window is asked first";
  EXPECT_EQ(0, second->mSaveCount);
  EXPECT_TRUE(mApp.GetDocuments().empty());
}

TEST_F(CLibrarianAppTest, Undo_ReadsRedoWhileTheNextUndoRedoesAndTakesTheRedoKeys) {
  Bris::CZelData data;
  CFakeDocument* document = AddDocument("/p/A.prj", QStringLiteral("A.prj"));
  document->mData = &data;
  QAction* undo = mApp.GetCommandAction(kCmdUndo);
  const QKeySequence redoKeys[] = {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                   QKeySequence(Qt::CTRL | Qt::Key_Y)};

  Bris::Domain().CopyToUndoBuffer(Bris::CDomain::kUndoAll, &data);
  mApp.UpdateCommandStatus();
  EXPECT_EQ(QStringLiteral("&Undo"), undo->text());
  for (const QKeySequence& keys : redoKeys) {
    EXPECT_FALSE(undo->shortcuts().contains(keys)) << "no Redo keys while Undo undoes";
  }

  ASSERT_TRUE(CCommander::ProcessCommand(kCmdUndo));
  mApp.UpdateCommandStatus();
  EXPECT_EQ(QStringLiteral("&Redo"), undo->text());
  for (const QKeySequence& keys : redoKeys) {
    EXPECT_TRUE(undo->shortcuts().contains(keys)) << keys.toString().toStdString();
  }
  EXPECT_TRUE(undo->shortcuts().contains(QKeySequence(QKeySequence::Undo)));

  ASSERT_TRUE(CCommander::ProcessCommand(kCmdUndo));
  mApp.UpdateCommandStatus();
  EXPECT_EQ(QStringLiteral("&Undo"), undo->text()) << "redone: the next one undoes again";

  ASSERT_TRUE(CCommander::ProcessCommand(kCmdUndo));
  Bris::Domain().ClearUndoDoc();
  Bris::Domain().CopyToUndoBuffer(Bris::CDomain::kUndoAll, &data); // a new edit after an undo
  mApp.UpdateCommandStatus();
  EXPECT_EQ(QStringLiteral("&Undo"), undo->text());
  EXPECT_EQ(3, document->mUndoCount);
}

TEST_F(CLibrarianAppTest, StartWindow_OffersTheDemoProjectOnlyWhileItExists) {
  StEnvironment home("HOME", mHome.Path());
  auto* demoButton = mApp.GetStartWindow()->findChild<QPushButton*>(QStringLiteral("Demo"));
  ASSERT_NE(nullptr, demoButton);
  auto* start = static_cast<CStartWindow*>(mApp.GetStartWindow());
  start->UpdateDemoButton();
  EXPECT_FALSE(demoButton->isVisibleTo(start));

  mHome.MakeFolder("Documents/Brisel Demo.prj");
  start->UpdateDemoButton();
  EXPECT_TRUE(demoButton->isVisibleTo(start));
  demoButton->click();
  EXPECT_EQ(std::vector<std::string>{mHome.Path() + "/Documents/Brisel Demo.prj"},
            mApp.mCreateRequests);
}

TEST_F(CLibrarianAppTest, Undo_RefreshesExactlyTheDocumentsWhoseDataItExchanged) {
  Bris::CZelData touched;
  Bris::CZelData other;
  CFakeDocument* first = AddDocument("/p/A.prj", QStringLiteral("A.prj"));
  CFakeDocument* second = AddDocument("/p/B.prj", QStringLiteral("B.prj"));
  first->mData = &touched;
  second->mData = &other;
  touched.mPatches[4]->SetFilePath("/p/A.prj/Patch/005 Pad.d00");
  Bris::Domain().ClearUndoDoc();
  Bris::Domain().CopyToUndoBuffer(Bris::CDomain::kUndoPatches, &touched);
  touched.mPatches[4]->SetFilePath("");

  EXPECT_TRUE(CCommander::ProcessCommand(kCmdUndo));
  EXPECT_EQ("/p/A.prj/Patch/005 Pad.d00", touched.mPatches[4]->GetFilePath());
  EXPECT_EQ(1, first->mUndoCount);
  EXPECT_EQ(0, second->mUndoCount);
}

TEST_F(CLibrarianAppTest, FontAndGrid_ApplyOnOkAndKeepThePreviousChoiceOnCancel) {
  CTableSettings::SetFont(123, 13);
  mDialogs.mSteps.push_back([](QDialog& dialog) {
    auto& fontDialog = dynamic_cast<CSelectFontDialog&>(dialog);
    EXPECT_EQ("Hello!! Taveno Brisel Librarian.", fontDialog.GetSampleText()->text());
    fontDialog.ChooseDefault();
    return CModalDialogRunner::kMessageCancel;
  });
  EXPECT_TRUE(CCommander::ProcessCommand(kCmdFont));
  EXPECT_EQ(123, CTableSettings::sFontNum);
  EXPECT_EQ(13, CTableSettings::sFontSize);

  QList<short> changed;
  QObject::connect(&mApp, &CLibrarianApp::FontChanged,
                   [&changed](short number, short) { changed.append(number); });
  mDialogs.mSteps.push_back([](QDialog& dialog) {
    dynamic_cast<CSelectFontDialog&>(dialog).ChooseDefault();
    return CModalDialogRunner::kMessageOk;
  });
  EXPECT_TRUE(CCommander::ProcessCommand(kCmdFont));
  EXPECT_EQ(0, CTableSettings::sFontNum);
  EXPECT_EQ(QList<short>{0}, changed);

  mDialogs.mSteps.push_back([](QDialog& dialog) {
    dynamic_cast<CSetGridDialog&>(dialog).GetButton(CSetGridDialog::kGridOnButton)->click();
    return CModalDialogRunner::kMessageOk;
  });
  EXPECT_TRUE(CCommander::ProcessCommand(kCmdGrid));
  EXPECT_EQ(1, CTableSettings::sGridState);
  CTableSettings::SetGridState(0);
}

TEST_F(CLibrarianAppTest, Help_OpensTheFileBesideTheProgramOrShowsAlert10001) {
  const QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/") +
                       QString::fromStdString(CStringTable::Get(CStringTable::kHelp, 2));
  QFile::remove(path);
  mAlerts.mAnswers = {"OK"};
  EXPECT_TRUE(CCommander::ProcessCommand(mApp.GetHelpCommand()));
  ASSERT_EQ(1u, mAlerts.mShown.size());
  EXPECT_EQ(QString::fromStdString(CStringTable::Get(CStringTable::kErrors, 5)),
            mAlerts.mShown[0].text);

  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  EXPECT_TRUE(CCommander::ProcessCommand(mApp.GetHelpCommand()));
  EXPECT_EQ(std::vector<QString>{path}, mApp.mOpenedWithDesktop);
  EXPECT_EQ(1u, mAlerts.mShown.size());
  QFile::remove(path);
}

TEST_F(CLibrarianAppTest, Cascade_PlacesTheDocumentWindowsOnTheirComputedRectangles) {
  CFakeDocument* first = AddDocument("/p/A.prj", QStringLiteral("A.prj"));
  CFakeDocument* second = AddDocument("/p/B.prj", QStringLiteral("B.prj"));
  EXPECT_TRUE(CCommander::ProcessCommand(kCmdCascade));
  const std::vector<QRect> rects =
      UWindowArrangement::CalcCascadeRects(UWindowArrangement::GetScreenArea(), 2);
  EXPECT_EQ(rects[0].size(), first->GetWindow()->frameGeometry().size());
  EXPECT_EQ(rects[1].topLeft(), second->GetWindow()->frameGeometry().topLeft());
}

TEST_F(CLibrarianAppTest, QuitSignal_CancelsAnOpenDialogThenEndsTheRun) {
  CModalDialogRunner::Install(nullptr); // the real modal loop, so the signal arrives inside it
  CTableSettings::SetGridState(0);
  QTimer::singleShot(0, &mApp, [this] { mApp.ObeyCommand(kCmdGrid); });
  QTimer::singleShot(50, [] { ::raise(SIGTERM); });
  EXPECT_EQ(0, mApp.Run());
  EXPECT_EQ(0, CTableSettings::sGridState) << "the dialog was cancelled, not confirmed";
  EXPECT_FALSE(mApp.GetStartWindow()->isVisible());
}

} // namespace
