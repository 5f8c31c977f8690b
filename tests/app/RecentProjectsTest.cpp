#include "app/ProjectWindowFixture.h"

#include "app/CRecentProjects.h"
#include "app/CRecentProjectsList.h"
#include "app/CRecentProjectsMenu.h"
#include "app/CStartWindow.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <filesystem>

namespace {

using namespace BrisTest;

class RecentProjectsTest : public ProjectWindowFixture {
protected:
  std::string Project(const std::string& name) {
    return CRecentProjects::Normalized(ProjectBuilder(mProjects.Path(), name).Write());
  }

  CStartWindow* StartWindow() { return dynamic_cast<CStartWindow*>(mApp.GetStartWindow()); }

  // The Open Recent menu of the start window as it shows: each item's text and enabled state.
  std::vector<std::pair<QString, bool>> ShownRecentMenu() {
    QMenu* menu = StartWindow()->menuBar()->findChild<QMenu*>(QStringLiteral("Recent"));
    if (menu == nullptr) {
      return {};
    }
    emit menu->aboutToShow();
    std::vector<std::pair<QString, bool>> items;
    for (const QAction* action : menu->actions()) {
      if (!action->isSeparator()) {
        items.emplace_back(action->text(), action->isEnabled());
      }
    }
    return items;
  }

  QAction* RecentMenuAction(const QString& textStart) {
    QMenu* menu = StartWindow()->menuBar()->findChild<QMenu*>(QStringLiteral("Recent"));
    emit menu->aboutToShow();
    for (QAction* action : menu->actions()) {
      if (!action->isSeparator() && action->text().startsWith(textStart)) {
        return action;
      }
    }
    ADD_FAILURE() << "no item " << textStart.toStdString();
    return nullptr;
  }
};

TEST_F(RecentProjectsTest, TheLastTenDistinctProjectsAreKeptMostRecentFirstAndSurviveTheFile) {
  // GIVEN twelve projects noted one after another, the third again (with a trailing "/") at the end
  std::vector<std::string> folders;
  for (int i = 0; i < 12; ++i) {
    folders.push_back(
        CRecentProjects::Normalized(mProjects.Path() + "/P" + std::to_string(i) + ".prj"));
    CRecentProjects::Note(folders.back());
  }
  CRecentProjects::Note(folders[2] + "/");

  // THEN the list holds ten, the most recent first, the third once only
  std::vector<std::string> expected = {folders[2]};
  for (int i = 11; expected.size() < CRecentProjects::kMaxCount; --i) {
    if (i != 2) {
      expected.push_back(folders[static_cast<std::size_t>(i)]);
    }
  }
  EXPECT_EQ(CRecentProjects::Load(), expected);

  // and it is one section of its own of the preferences file, read back whole after a restart
  const std::filesystem::path file = mHome.Path() + "/prefs";
  ASSERT_EQ(UPreference::SaveFile(file, 0, 0), UPreference::kNoErr);
  EXPECT_NE(UPreference::GetData().find("[Recent Projects]\r\nProject 1 = "), std::string::npos);
  UPreference::CleanUp();
  EXPECT_TRUE(CRecentProjects::Load().empty());
  ASSERT_EQ(UPreference::LoadFile(file), UPreference::kNoErr);
  EXPECT_EQ(CRecentProjects::Load(), expected);
  // None of these folders exists.
  for (const CRecentProjects::SEntry& entry : CRecentProjects::LoadEntries()) {
    EXPECT_TRUE(entry.missing) << entry.folderPath;
  }
}

TEST_F(RecentProjectsTest, OpenRecentMenuAndStartListOpenProjectsGreyMissingOnesAndClear) {
  // GIVEN two projects opened and closed, and a third whose folder has gone since
  const std::string gone = Project("Gone");
  const std::string song = Project("Song");
  const std::string demo = Project("Demo");
  for (const std::string& folder : {gone, song, demo}) {
    ASSERT_NE(nullptr, Open(folder));
  }
  std::filesystem::remove_all(gone);
  for (const std::string& folder : {gone, song, demo}) {
    mApp.CloseDocument(mApp.FindDocumentOfFolder(folder), false);
  }
  QApplication::processEvents();
  ASSERT_TRUE(mApp.GetDocuments().empty());

  // THEN the menu lists them most recent first, the missing one disabled, Clear Menu last
  const auto items = ShownRecentMenu();
  ASSERT_EQ(items.size(), 4u);
  EXPECT_TRUE(items[0].first.startsWith(QStringLiteral("&1 Demo.prj")))
      << items[0].first.toStdString();
  EXPECT_TRUE(items[0].second);
  EXPECT_TRUE(items[1].first.startsWith(QStringLiteral("&2 Song.prj")));
  EXPECT_TRUE(items[1].second);
  EXPECT_TRUE(items[2].first.startsWith(QStringLiteral("&3 Gone.prj")));
  EXPECT_FALSE(items[2].second) << "a missing folder is greyed";
  EXPECT_EQ(items[3], std::make_pair(QStringLiteral("Clear Menu"), true));

  // and the start window lists the same, the missing one greyed
  CRecentProjectsList* list = StartWindow()->GetRecentList();
  ASSERT_TRUE(list->isVisibleTo(StartWindow()));
  ASSERT_EQ(list->count(), 3);
  EXPECT_FALSE(list->IsRowMissing(0));
  EXPECT_TRUE(list->IsRowMissing(2));

  // WHEN the second item is chosen from the menu, that project opens and moves to the top
  RecentMenuAction(QStringLiteral("&2 Song.prj"))->trigger();
  ASSERT_NE(nullptr, mApp.FindDocumentOfFolder(song));
  EXPECT_EQ(CRecentProjects::Load().front(), song);
  mApp.CloseDocument(mApp.FindDocumentOfFolder(song), false);
  QApplication::processEvents();
  EXPECT_EQ(list->item(0)->text().left(8), QStringLiteral("Song.prj"));

  // The missing one, tried from the start list, gives the ordinary open failure alert only
  const std::size_t alertsBefore = ShownAlerts().size();
  EXPECT_FALSE(list->OpenRow(2));
  EXPECT_EQ(ShownAlerts().size(), alertsBefore + 1);
  EXPECT_TRUE(mApp.GetDocuments().empty());
  EXPECT_EQ(CRecentProjects::Load().size(), 3u) << "a folder that is away may come back";

  // Return (activation) on the list opens the project of the item
  emit list->itemActivated(list->item(1));
  EXPECT_NE(nullptr, mApp.FindDocumentOfFolder(demo));
  mApp.CloseDocument(mApp.FindDocumentOfFolder(demo), false);
  QApplication::processEvents();

  // WHEN Clear Menu is chosen the list is empty, the menu says so and the start list hides
  RecentMenuAction(QStringLiteral("Clear Menu"))->trigger();
  EXPECT_TRUE(CRecentProjects::Load().empty());
  const auto cleared = ShownRecentMenu();
  ASSERT_EQ(cleared.size(), 2u);
  EXPECT_FALSE(cleared[0].second);
  EXPECT_FALSE(cleared[1].second) << "nothing left to clear";
  EXPECT_FALSE(list->isVisibleTo(StartWindow()));
}

} // namespace
