#include "app/ProjectWindowFixture.h"

#include "LibMac/Utility/UPreference.h"
#include "app/CFindHandler.h"
#include "app/CFindResultModel.h"
#include "app/CFindResultView.h"
#include "app/CFindWindow.h"
#include "app/ULibraryFolders.h"
#include "domain/CParameterArray.h"
#include "domain/CZelData.h"
#include "views/CPatchTableView.h"
#include "views/CQuickFilter.h"
#include "views/CToneTableView.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QKeyEvent>

#include <filesystem>
#include <set>

namespace {

namespace fs = std::filesystem;
using Bris::CParameter;
using BrisTest::PatchFile;
using BrisTest::ProjectBuilder;
using BrisTest::ToneFile;

// "Song patch 3 Warm Pad (open)" for comparing results at a glance.
std::set<std::string> Describe(const std::vector<SFindResult>& results) {
  std::set<std::string> described;
  static const char* const kKinds[] = {"patch", "tone", "wave"};
  for (const SFindResult& result : results) {
    described.insert(fs::path(result.projectPath).stem().string() + " " + kKinds[result.kind] +
                     " " + std::to_string(result.slotNumber) + " " + result.name +
                     (result.isOpen ? " (open)" : ""));
  }
  return described;
}

class FindTest : public BrisTest::ProjectWindowFixture {
protected:
  void SetUp() override {
    ProjectWindowFixture::SetUp();
    mSong = ProjectBuilder(mProjects.Path(), "Song")
                .Patch(3, PatchFile("Warm Pad"))
                .Patch(4, PatchFile("Bass"))
                .Tone(2, ToneFile("Pad Layer"))
                .Memo(CParameter::kPatch, 4, 1, "under the pad")
                .Write();
    mGig = ProjectBuilder(mProjects.Path(), "Gig")
               .Patch(7, PatchFile("Glass Pad"))
               .Patch(8, PatchFile("Organ"))
               .Write();
    mHandler = std::make_unique<CFindHandler>(mApp, mIndexFolder / "Index.sqlite",
                                              std::vector<std::string>{mProjects.Path()});
  }

  void TearDown() override {
    mHandler.reset();
    ProjectWindowFixture::TearDown();
  }

  // Lets the index threads answer (a guard ends the wait should they never do).
  void WaitForIndex() {
    const QDeadlineTimer guard(30000);
    while (mHandler->IsBusy() && !guard.hasExpired()) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    ASSERT_FALSE(mHandler->IsBusy());
  }

  std::set<std::string> Find(const std::string& text) {
    mHandler->SetText(text);
    WaitForIndex();
    return Describe(mHandler->GetResults());
  }

  BrisTest::TempFolder mIndexFolder;
  std::string mSong;
  std::string mGig;
  std::unique_ptr<CFindHandler> mHandler;
};

// GIVEN Song open with an unsaved rename and Gig closed, both indexed
// WHEN searching THEN the open project answers from its data set as it is now, the closed one
// from the index, each project once; once Gig is deleted from disk, a new update drops it.
TEST_F(FindTest, Search_OpenProjectsAsTheyAreNowAndClosedOnesFromTheIndex) {
  CLibrarianDoc* song = Open(mSong);
  ASSERT_NE(song, nullptr);
  (*song->GetZelData().GetArray(CParameter::kPatch))[2]->SetFinalName("Velvet Pad", false);
  mHandler->UpdateIndex();
  WaitForIndex();

  EXPECT_EQ(Find("pad"),
            (std::set<std::string>{"Song patch 3 Velvet Pad (open)",
                                   "Song patch 4 Bass (open)", // its memo
                                   "Song tone 2 Pad Layer (open)", "Gig patch 7 Glass Pad"}));
  EXPECT_EQ(Find("VELVET"), (std::set<std::string>{"Song patch 3 Velvet Pad (open)"}));
  EXPECT_TRUE(Find("warm").empty()) << "the saved name of an open project is out of date";
  EXPECT_EQ(Find("pad glass"), (std::set<std::string>{"Gig patch 7 Glass Pad"}));

  // The highlight covers the typed words in the shown text.
  Find("glass pad");
  ASSERT_EQ(mHandler->GetResults().size(), 1u);
  const auto ranges =
      CFindResultModel::MatchRanges(mHandler->GetResults()[0], CFindResultModel::kNameColumn);
  EXPECT_EQ(ranges, (QList<QPair<int, int>>{{0, 5}, {6, 3}}));

  fs::remove_all(mGig);
  mHandler->UpdateIndex();
  WaitForIndex();
  EXPECT_EQ(Describe(mHandler->GetResults()), std::set<std::string>{})
      << "the results follow the update";
  EXPECT_EQ(Find("pad").count("Gig patch 7 Glass Pad"), 0u);
}

// GIVEN a result of a closed project WHEN Return is pressed on it in the Find window THEN its
// project opens with that slot as the only selection, scrolled into view; a quick filter in an
// open project that hides the slot is cleared first.
TEST_F(FindTest, ReturnOnResult_OpensTheProjectAndSelectsTheSlot) {
  mHandler->UpdateIndex();
  CFindWindow window(*mHandler);
  window.GetField()->setText(QStringLiteral("glass"));
  WaitForIndex();
  ASSERT_EQ(mHandler->GetResults().size(), 1u);

  CFindResultView* view = window.GetResultView();
  view->setCurrentIndex(view->model()->index(0, CFindResultModel::kNameColumn));
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QCoreApplication::sendEvent(view, &enter);

  auto* gig = dynamic_cast<CLibrarianDoc*>(mApp.FindDocumentOfFolder(mGig));
  ASSERT_NE(gig, nullptr);
  CPatchTableView* patches = gig->GetProjectWindow()->GetPatchTable();
  EXPECT_TRUE(patches->IsRowSelected(7));
  EXPECT_EQ(patches->GetFirstSelectedRow(), 7);
  EXPECT_EQ(patches->GetLastSelectedRow(), 7);
  EXPECT_EQ(Describe(mHandler->GetResults()), std::set<std::string>{"Gig patch 7 Glass Pad (open)"})
      << "the opened project now answers from its data set";

  // Organ hidden by the window's filter: showing it clears the filter.
  gig->GetProjectWindow()->GetQuickFilter()->setText(QStringLiteral("glass"));
  EXPECT_FALSE(patches->IsRowShown(8));
  mHandler->SetText("organ");
  ASSERT_EQ(mHandler->GetResults().size(), 1u);
  ASSERT_TRUE(mHandler->OpenResult(0));
  EXPECT_FALSE(gig->GetProjectWindow()->GetQuickFilter()->IsActive());
  EXPECT_TRUE(patches->IsRowShown(8));
  EXPECT_TRUE(patches->IsRowSelected(8));
  EXPECT_FALSE(patches->IsRowSelected(7));
  EXPECT_EQ(mApp.GetDocuments().size(), 1u) << "an open project is not opened twice";
}

// GIVEN a project window with selected rows WHEN the quick filter hides some THEN only matching
// used slots show, under their own numbers, hidden rows leave the selection and a range takes
// only shown rows; clearing the filter gives back every row and the earlier selection.
TEST_F(FindTest, QuickFilter_HidesRowsKeepsNumbersAndRestoresTheSelection) {
  CLibrarianDoc* song = Open(mSong);
  ASSERT_NE(song, nullptr);
  CProjectWindow* window = song->GetProjectWindow();
  CPatchTableView* patches = window->GetPatchTable();
  patches->SelectRow(4, false);
  patches->SelectRow(3, true);

  window->GetQuickFilter()->setText(QStringLiteral("pad"));
  EXPECT_EQ(patches->GetShownRowCount(), 2); // Warm Pad, and Bass by its memo
  EXPECT_EQ(patches->GetRowAtPosition(1), 3);
  EXPECT_EQ(patches->GetRowAtPosition(2), 4);
  EXPECT_EQ(window->GetToneTable()->GetShownRowCount(), 1);
  EXPECT_EQ(window->GetToneTable()->GetRowAtPosition(1), 2);

  window->GetQuickFilter()->setText(QStringLiteral("warm"));
  EXPECT_TRUE(patches->IsRowSelected(3));
  EXPECT_FALSE(patches->IsRowSelected(4)) << "a hidden slot must not stay selected";
  std::vector<unsigned int> indexes;
  patches->GetSelectedIndexes(indexes, true);
  EXPECT_EQ(indexes, (std::vector<unsigned int>{2}));

  window->GetQuickFilter()->Clear();
  EXPECT_FALSE(patches->IsFiltered());
  EXPECT_EQ(patches->GetShownRowCount(), patches->GetRowCount());
  EXPECT_TRUE(patches->IsRowSelected(3));
  EXPECT_TRUE(patches->IsRowSelected(4)) << "the selection from before the filter comes back";

  // A choice made while filtering is kept, and a range skips the hidden rows.
  window->GetQuickFilter()->setText(QStringLiteral("a"));
  patches->SelectRows(1, 10, false);
  std::vector<unsigned int> chosen;
  patches->GetSelectedIndexes(chosen, false);
  EXPECT_EQ(chosen, (std::vector<unsigned int>{2, 3}));
  window->GetQuickFilter()->Clear();
  chosen.clear();
  patches->GetSelectedIndexes(chosen, false);
  EXPECT_EQ(chosen, (std::vector<unsigned int>{2, 3}));

  // The arrow keys step over hidden rows; a Delete after them never acts out of sight.
  window->GetQuickFilter()->setText(QStringLiteral("pad"));
  patches->ClearSelection();
  patches->HandleKey(Qt::Key_Down, Qt::NoModifier);
  EXPECT_TRUE(patches->IsRowSelected(3)) << "the first shown row, not the hidden row 1";
  patches->HandleKey(Qt::Key_Down, Qt::NoModifier);
  patches->HandleKey(Qt::Key_Down, Qt::NoModifier);
  EXPECT_TRUE(patches->IsRowSelected(4));
  EXPECT_FALSE(patches->IsRowSelected(5)) << "nothing shown below the last shown row";
  patches->ClearSelection();
  patches->HandleKey(Qt::Key_Up, Qt::NoModifier);
  EXPECT_TRUE(patches->IsRowSelected(4)) << "the last shown row, not the hidden row 512";
  patches->HandleKey(Qt::Key_Up, Qt::ShiftModifier);
  patches->HandleKey(Qt::Key_Up, Qt::ShiftModifier);
  chosen.clear();
  patches->GetSelectedIndexes(chosen, false);
  EXPECT_EQ(chosen, (std::vector<unsigned int>{2, 3}));
}

// The library folders default to Documents until the user stores a list; a stored empty list
// stays empty, and a shorter list leaves nothing of the longer one behind.
TEST_F(FindTest, LibraryFolders_DefaultToDocumentsAndRoundTrip) {
  EXPECT_EQ(ULibraryFolders::Load(), ULibraryFolders::DefaultFolders());
  ASSERT_EQ(ULibraryFolders::DefaultFolders().size(), 1u);
  ULibraryFolders::Save({"/music/a, b", "/music/c", "/music/d"});
  ULibraryFolders::Save({"/music/a, b"});
  EXPECT_EQ(ULibraryFolders::Load(), (std::vector<std::string>{"/music/a, b"}));
  ULibraryFolders::Save({});
  EXPECT_TRUE(ULibraryFolders::Load().empty());
}

} // namespace
