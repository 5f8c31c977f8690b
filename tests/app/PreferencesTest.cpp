#include "LibMac/Utility/UPreference.h"
#include "app/CLibrarianApp.h"
#include "domain/CDomain.h"
#include "framework/UFontNumber.h"
#include "views/CTableSettings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/stat.h>

namespace {

class AppPreferencesTest : public ::testing::Test {
protected:
  void SetUp() override { UPreference::CleanUp(); }
  void TearDown() override {
    UPreference::CleanUp();
    for (int i = 0; i < Bris::CDomain::kCleanOptionCount; ++i) {
      Bris::Domain().SetCleanOption(i, 0);
    }
    CTableSettings::SetFont(0, 0);
    CTableSettings::SetGridState(0);
  }
};

TEST_F(AppPreferencesTest, SavePreferenceIntoAnEmptyBuffer_WritesTheSectionsInTheirOrder) {
  CTableSettings::SetGridState(1);
  CTableSettings::SetFont(4242, 14);
  const int options[] = {1, 0, 5, 0}; // any non-zero option is written as 1
  for (int i = 0; i < 4; ++i) {
    Bris::Domain().SetCleanOption(i, options[i]);
  }

  CLibrarianApp::SavePreference();

  EXPECT_EQ("[General Settings]\r\nPreference Version = 1\r\n\r\n"
            "[Grid Settings]\r\nGrid State = 1\r\n\r\n"
            "[Wave Option]\r\nWave State = 1\r\n\r\n"
            "[Tone Option]\r\nTone State = 0\r\n\r\n"
            "[Tnum Option]\r\nTnum State = 1\r\n\r\n"
            "[Pnum Option]\r\nPnum State = 0\r\n\r\n"
            "[Font Settings]\r\nFont Size = 14\r\nFont Number = 4242\r\n\r\n"
            "[Save Preview]\r\nPreview State = 1\r\n\r\n",
            UPreference::GetData());
}

TEST_F(AppPreferencesTest, LoadPreference_TakesDefaultsWithoutAFileAndSavedValuesWithOne) {
  CTableSettings::SetGridState(1);
  CTableSettings::SetFont(77, 20);
  Bris::Domain().SetCleanOption(2, 1);

  CLibrarianApp::LoadPreference();
  EXPECT_EQ(0, CTableSettings::sGridState);
  EXPECT_EQ(UFontNumber::kApplicationFont, CTableSettings::sFontNum);
  EXPECT_EQ(UFontNumber::DefaultPointSize(), CTableSettings::sFontSize);
  EXPECT_EQ(0, Bris::Domain().GetCleanOption(2));

  CTableSettings::SetGridState(1);
  CTableSettings::SetFont(77, 20);
  Bris::Domain().SetCleanOption(3, 1);
  CLibrarianApp::SavePreference();
  CTableSettings::SetGridState(0);
  CTableSettings::SetFont(0, 0);
  Bris::Domain().SetCleanOption(3, 0);

  CLibrarianApp::LoadPreference();
  EXPECT_EQ(1, CTableSettings::sGridState);
  EXPECT_EQ(77, CTableSettings::sFontNum);
  EXPECT_EQ(20, CTableSettings::sFontSize);
  EXPECT_EQ(1, Bris::Domain().GetCleanOption(3));
  EXPECT_EQ(0, CTableSettings::sRowHeight) << "a new font asks for the row height again";
}

TEST_F(AppPreferencesTest, LastProject_IsMissingUntilSavedThenRebuiltEvenFromAwkwardPaths) {
  std::string folder;
  EXPECT_FALSE(CLibrarianApp::LoadPrefLastProject(folder));

  CLibrarianApp::SavePrefLastProject("/tmp/Song.prj");
  ASSERT_TRUE(CLibrarianApp::LoadPrefLastProject(folder));
  EXPECT_EQ("/tmp/Song.prj", folder);
  struct stat parent = {};
  ASSERT_EQ(0, ::stat("/tmp", &parent));
  ASSERT_TRUE(UPreference::SeekTag("Last Selected Project", false));
  EXPECT_EQ(static_cast<long>(parent.st_ino), UPreference::GetParamValue("ParID", 0));
  EXPECT_EQ(static_cast<long>(parent.st_dev), UPreference::GetParamValue("VRefNum", 0));
  EXPECT_EQ("Song.prj", UPreference::GetParamString("Name", "")) << "a plain name stays plain";

  // Commas, percent signs, outer blanks and a parent path far beyond one value's 255 bytes.
  const std::string longParent = "/" + std::string(300, 'x') + "/\xC3\xA9t\xC3\xA9, 100%";
  const std::string awkward = longParent + "/ My, Song .prj";
  CLibrarianApp::SavePrefLastProject(awkward);
  ASSERT_TRUE(CLibrarianApp::LoadPrefLastProject(folder));
  EXPECT_EQ(awkward, folder);

  // A shorter path written over the long one is read back alone.
  CLibrarianApp::SavePrefLastProject("/a/b.prj/");
  ASSERT_TRUE(CLibrarianApp::LoadPrefLastProject(folder));
  EXPECT_EQ("/a/b.prj", folder);
}

} // namespace
