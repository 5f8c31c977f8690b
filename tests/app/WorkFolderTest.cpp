#include "LibMac/Utility/UPreference.h"
#include "Zel/Generic/CStringTable.h"
#include "app/AppTestSupport.h"
#include "domain/CDomain.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;
using namespace BrisTest;

// Each test gets its own data home, so the work folder starts missing.
class WorkFolderTest : public ::testing::Test {
protected:
  StTempFolder mHome;
  StEnvironment mDataHome{"XDG_DATA_HOME", mHome.Path()};
  std::string mWork = mHome.Path() + "/Taveno/Brisel Librarian/BrisWork";
};

TEST_F(WorkFolderTest, CreateTempFolder_MakesTheWholeChainAndReturnsItWithASlash) {
  EXPECT_EQ(mWork + "/", CLibrarianApp::CreateTempFolder());
  EXPECT_TRUE(fs::is_directory(mWork));
  EXPECT_EQ(mWork + "/", CLibrarianApp::CreateTempFolder()) << "an existing chain is reused";
}

TEST_F(WorkFolderTest, AFileWhereAFolderBelongs_FailsTheChain) {
  mHome.MakeFile("Taveno/Brisel Librarian");
  EXPECT_EQ("", CLibrarianApp::CreateTempFolder());
  EXPECT_FALSE(CLibrarianApp::CreateFolder(mHome.Path() + "/missing", "child"));
  EXPECT_FALSE(CLibrarianApp::CreateFolder(mHome.Path() + "/Taveno", "Brisel Librarian"));
}

TEST_F(WorkFolderTest, DeleteWorkFiles_RemovesOnlyDataFilesDirectlyInTheFolder) {
  for (const char* name : {"1.d00", "2.p00", "3.w00", "4.WAV", "5.aiff", "6.vpw"}) {
    mHome.MakeFile(std::string("BrisWork/") + name);
  }
  for (const char* name : {"notes.txt", "Brisel System.s00", "sub/7.d00"}) {
    mHome.MakeFile(std::string("BrisWork/") + name);
  }

  EXPECT_EQ(6, CLibrarianApp::DeleteWorkFiles(mHome.Path() + "/BrisWork/"));
  std::vector<std::string> left;
  for (const auto& entry : fs::recursive_directory_iterator(mHome.Path() + "/BrisWork")) {
    left.push_back(fs::relative(entry.path(), mHome.Path() + "/BrisWork").string());
  }
  std::sort(left.begin(), left.end());
  EXPECT_EQ((std::vector<std::string>{"Brisel System.s00", "notes.txt", "sub", "sub/7.d00"}), left);
}

TEST_F(WorkFolderTest, KeepWorkFiles_MovesDataFilesWhereTheExitCleanUpNeverReaches) {
  for (const char* name : {"000 Pad.d00", "001 Bell.p00", "002 Kick.w00", "notes.txt"}) {
    mHome.MakeFile(std::string("BrisWork/") + name);
  }
  const std::string work = mHome.Path() + "/BrisWork/";

  EXPECT_EQ(3, CLibrarianApp::KeepWorkFiles(work));
  EXPECT_EQ(0, CLibrarianApp::DeleteWorkFiles(work)) << "a later exit finds nothing to delete";

  std::vector<std::string> kept;
  for (const auto& entry : fs::directory_iterator(work)) {
    if (entry.is_directory()) {
      for (const auto& file : fs::directory_iterator(entry.path())) {
        kept.push_back(file.path().filename().string());
      }
      EXPECT_EQ(0u, entry.path().filename().string().rfind("Kept ", 0));
    }
  }
  std::sort(kept.begin(), kept.end());
  EXPECT_EQ((std::vector<std::string>{"000 Pad.d00", "001 Bell.p00", "002 Kick.w00"}), kept);
  EXPECT_TRUE(fs::exists(work + "notes.txt"));
}

TEST_F(WorkFolderTest, StartWithoutWorkFolder_ShowsAlert7StopsAndLeavesThePreferencesAlone) {
  UPreference::CleanUp();
  UPreference::SeekTag("Grid Settings", true);
  UPreference::SetParamValue("Grid State", 1);
  const std::string before = UPreference::GetData();
  mHome.MakeFile("Taveno");
  CScriptedAlertRunner alerts;
  alerts.mAnswers = {"OK"};
  {
    CTestApp app;
    EXPECT_FALSE(app.Initialize());
    EXPECT_EQ(nullptr, app.GetStartWindow());
  }
  ASSERT_EQ(1u, alerts.mShown.size());
  EXPECT_EQ(QString::fromStdString(CStringTable::Get(CStringTable::kErrors, 4)),
            alerts.mShown[0].text);
  EXPECT_EQ(before, UPreference::GetData()) << "settings never loaded are not written back";
  UPreference::CleanUp();
}

TEST_F(WorkFolderTest, ARun_SetsTheDomainsWorkPathAndEmptiesTheFolderAtExit) {
  UPreference::CleanUp();
  CScriptedAlertRunner alerts;
  {
    CTestApp app;
    ASSERT_TRUE(app.Initialize());
    EXPECT_EQ(mWork + "/", Bris::Domain().GetWorkFolderPath());
    mHome.MakeFile("Taveno/Brisel Librarian/BrisWork/0001.d00");
    mHome.MakeFile("Taveno/Brisel Librarian/BrisWork/keep.txt");
  }
  EXPECT_FALSE(fs::exists(mWork + "/0001.d00"));
  EXPECT_TRUE(fs::exists(mWork + "/keep.txt"));
  EXPECT_TRUE(alerts.mShown.empty());
  EXPECT_EQ(0u, UPreference::GetData().find("[General Settings]\r\nPreference Version = 1\r\n"));
  UPreference::CleanUp();
}

} // namespace
