#include "app/FileDropRules.h"

#include "app/CProjectWindow.h"

#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

using FileDropRules::PlanFileDrop;
using FileDropRules::SDroppedItem;

bool IsValidName(const std::string& name) {
  return CProjectWindow::IsValidFileName(name);
}

TEST(FileDropRulesTest, AudioFiles_AreImportedInDropOrder) {
  const auto plan = PlanFileDrop(
      {{"/music/b.wav", false}, {"/music/a.AIFF", false}, {"/x/001 Kick.w00", false}}, IsValidName);
  EXPECT_EQ(plan.importFiles,
            (std::vector<std::string>{"/music/b.wav", "/music/a.AIFF", "/x/001 Kick.w00"}));
  EXPECT_TRUE(plan.projectFolder.empty());
}

TEST(FileDropRulesTest, OneUnacceptableName_RefusesTheWholeDrop) {
  for (const char* refused : {"/music/notes.txt", "/music/.hidden.wav", "/music/what?.wav"}) {
    SCOPED_TRACE(refused);
    const auto plan = PlanFileDrop({{"/music/b.wav", false}, {refused, false}}, IsValidName);
    EXPECT_TRUE(plan.IsEmpty());
  }
}

TEST(FileDropRulesTest, SingleFolder_IsTheProjectToOpen) {
  const auto plan = PlanFileDrop({{"/work/Songs.prj", true}}, IsValidName);
  EXPECT_EQ(plan.projectFolder, "/work/Songs.prj");
  EXPECT_TRUE(plan.importFiles.empty());
}

TEST(FileDropRulesTest, FoldersAmongSeveralItems_AreIgnored) {
  const auto plan = PlanFileDrop(
      {{"/work/Songs.prj", true}, {"/music/b.wav", false}, {"/work/Other.prj", true}}, IsValidName);
  EXPECT_TRUE(plan.projectFolder.empty());
  EXPECT_EQ(plan.importFiles, (std::vector<std::string>{"/music/b.wav"}));

  EXPECT_TRUE(PlanFileDrop({{"/a.prj", true}, {"/b.prj", true}}, IsValidName).IsEmpty());
}

TEST(FileDropRulesTest, LocalItems_TellFoldersFromFilesAndLeaveOutOtherUrls) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  ASSERT_TRUE(QDir(dir.path()).mkdir("Songs.prj"));
  QFile file(dir.filePath("Kick.wav"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();

  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(dir.filePath("Songs.prj") + "/"),
                QUrl("https://example.org/Snare.wav"),
                QUrl::fromLocalFile(dir.filePath("Kick.wav"))});

  ASSERT_TRUE(FileDropRules::HasLocalItems(&mime));
  const auto items = FileDropRules::LocalItems(&mime);
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].path, dir.filePath("Songs.prj").toStdString());
  EXPECT_TRUE(items[0].isFolder);
  EXPECT_EQ(items[1].path, dir.filePath("Kick.wav").toStdString());
  EXPECT_FALSE(items[1].isFolder);

  QMimeData remoteOnly;
  remoteOnly.setUrls({QUrl("https://example.org/Snare.wav")});
  EXPECT_FALSE(FileDropRules::HasLocalItems(&remoteOnly));
  EXPECT_TRUE(FileDropRules::LocalItems(&remoteOnly).empty());
}

} // namespace
