#include "framework/CQtTrash.h"

#include "domain/CDomain.h"
#include "store/CBriselDocument.h"
#include "store/CFileOperations.h"
#include "support/ProjectFixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

namespace fs = std::filesystem;

// A save that removes a slot's file puts it into the desktop's Trash (XDG_DATA_HOME/Trash here,
// the test's own folder) with its .trashinfo, and the project no longer has it.
TEST(CQtTrashTest, FileASaveRemoves_IsInTheTrashWithItsTrashInfo) {
  BrisTest::TempFolder temp;
  const std::string dataHome = temp / "data";
  fs::create_directories(dataHome);
  const char* previous = std::getenv("XDG_DATA_HOME");
  const std::string restore = previous == nullptr ? std::string() : previous;
  ::setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
  fs::create_directories(temp / "work");
  Bris::Domain().SetWorkFolderPath(temp / "work/");
  CQtTrash trash;
  Bris::CFileOperations::SetTrash(&trash);

  const std::string project = BrisTest::ProjectBuilder(temp.Path(), "Song")
                                  .Patch(1, BrisTest::PatchFile("Keep"))
                                  .Patch(2, BrisTest::PatchFile("Gone"))
                                  .Write();
  {
    Bris::CBriselDocument document;
    ASSERT_TRUE(BrisTest::OpenProject(document, project));
    document.GetZelData().mPatches[1]->Initialize();
    EXPECT_TRUE(document.WriteDocument(false));
  }
  Bris::CFileOperations::SetTrash(nullptr);
  Bris::Domain().SetWorkFolderPath("");
  if (previous == nullptr) {
    ::unsetenv("XDG_DATA_HOME");
  } else {
    ::setenv("XDG_DATA_HOME", restore.c_str(), 1);
  }

  EXPECT_FALSE(fs::exists(project + "Patch/002 Gone.d00"));
  EXPECT_TRUE(fs::exists(project + "Patch/001 Keep.d00"));
  EXPECT_TRUE(fs::exists(dataHome + "/Trash/files/002 Gone.d00"));
  const std::string info = dataHome + "/Trash/info/002 Gone.d00.trashinfo";
  ASSERT_TRUE(fs::exists(info));
  std::ifstream in(info);
  const std::string text(std::istreambuf_iterator<char>(in), {});
  EXPECT_NE(text.find("[Trash Info]"), std::string::npos);
  EXPECT_NE(text.find("Path="), std::string::npos);
  EXPECT_NE(text.find("DeletionDate="), std::string::npos);
}

} // namespace
