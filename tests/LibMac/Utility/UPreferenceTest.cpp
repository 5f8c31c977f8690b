#include "LibMac/Utility/UPreference.h"
#include "LibMac/Utility/StPreference.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr std::uint32_t kCreator = 0x514D544C; // 'QMTL'
constexpr std::uint32_t kType = 0x70726566;    // 'pref'

// Every test starts and ends with no buffer, and loads its data from a file it writes.
class UPreferenceTest : public ::testing::Test {
protected:
  void SetUp() override { UPreference::CleanUp(); }
  void TearDown() override {
    UPreference::CleanUp();
    std::error_code ignored;
    fs::remove(FilePath(), ignored);
  }

  static fs::path FilePath() {
    return fs::path(std::getenv("XDG_CONFIG_HOME")) / "UPreferenceTest Prefs";
  }

  static void LoadText(const std::string& text) {
    std::ofstream(FilePath(), std::ios::binary) << text;
    ASSERT_EQ(UPreference::kNoErr, UPreference::LoadFile(FilePath()));
  }

  static std::string FileContents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
};

TEST_F(UPreferenceTest, MissingFile_LeavesNoBufferAndEveryReadGivesItsDefault) {
  EXPECT_EQ(UPreference::kFileNotFoundErr, UPreference::LoadFile("No Such Prefs"));
  EXPECT_FALSE(UPreference::HasData());
  EXPECT_FALSE(UPreference::SeekTag("Grid Settings", false));
  EXPECT_EQ(7, UPreference::GetParamValue("Grid State", 7));
  EXPECT_EQ("fallback", UPreference::GetParamString("Name", "fallback"));
  EXPECT_FALSE(UPreference::HasData()) << "reads must never create a buffer";
}

TEST_F(UPreferenceTest, FirstSetIntoEmptyBuffer_WritesTagParameterAndEmptyLineWithCrLf) {
  ASSERT_TRUE(UPreference::SeekTag("Grid Settings", true));
  UPreference::SetParamValue("Grid State", 1);

  EXPECT_EQ("[Grid Settings]\r\nGrid State = 1\r\n\r\n", UPreference::GetData());
  EXPECT_EQ(1, UPreference::GetParamValue("Grid State", 0));
}

TEST_F(UPreferenceTest, NewParametersComeFirstInTheirSectionAndSectionsKeepFirstWriteOrder) {
  UPreference::SeekTag("A", true);
  UPreference::SetParamValue("One", 1);
  UPreference::SeekTag("B", true);
  UPreference::SetParamValue("Two", 2);
  UPreference::SeekTag("A", true);
  UPreference::SetParamValue("Three", -3);
  UPreference::SetParamValue("One", 11); // an existing line is edited in place

  EXPECT_EQ("[A]\r\nThree = -3\r\nOne = 11\r\n\r\n[B]\r\nTwo = 2\r\n\r\n", UPreference::GetData());
}

TEST_F(UPreferenceTest, ValuePositions_MissingOnesAreMadeEmptyAndReadAsDefault) {
  UPreference::SeekTag("S", true);
  UPreference::SetParamValue("Name", 5, 1);

  EXPECT_EQ("[S]\r\nName = , 5\r\n\r\n", UPreference::GetData());
  EXPECT_EQ(-1, UPreference::GetParamValue("Name", -1, 0)) << "empty value gives the default";
  EXPECT_EQ(5, UPreference::GetParamValue("Name", -1, 1));
  EXPECT_EQ(-1, UPreference::GetParamValue("Name", -1, 2)) << "past the line's end";
  EXPECT_EQ("", UPreference::GetParamString("Name", "d", 0));
  EXPECT_EQ("d", UPreference::GetParamString("Name", "d", 2));

  UPreference::SetParamValue("Name", 9, 3);
  EXPECT_EQ("[S]\r\nName = , 5, , 9\r\n\r\n", UPreference::GetData());
}

TEST_F(UPreferenceTest, SettingOneValue_ReplacesOnlyThatValue) {
  LoadText("[General Settings]\r\nWindow Size = 600, 800\r\n");
  ASSERT_TRUE(UPreference::SeekTag("General Settings", false));

  UPreference::SetParamValue("Window Size", 700, 0);
  EXPECT_EQ("[General Settings]\r\nWindow Size = 700, 800\r\n", UPreference::GetData());

  UPreference::SetParamValue("Window Size", 12345, 1);
  EXPECT_EQ("[General Settings]\r\nWindow Size = 700, 12345\r\n", UPreference::GetData());

  UPreference::SetParamValue("Window Size", 1, 0);
  EXPECT_EQ("[General Settings]\r\nWindow Size = 1, 12345\r\n", UPreference::GetData());
}

TEST_F(UPreferenceTest, Reading_SkipsBlanksAndMalformedLinesAndStopsAtTheNextSection) {
  LoadText("[S]\r\n"
           "no equals sign here\r\n"
           "  \tSpaced Name   =   12  ,  34  \r\n"
           "Text = hello world ,  second  \r\n"
           "[T]\r\n"
           "Other = 1\r\n");
  ASSERT_TRUE(UPreference::SeekTag("S", false));

  EXPECT_EQ(12, UPreference::GetParamValue("Spaced Name", 0, 0));
  EXPECT_EQ(34, UPreference::GetParamValue("Spaced Name", 0, 1));
  EXPECT_EQ("hello world", UPreference::GetParamString("Text", "", 0));
  EXPECT_EQ("second", UPreference::GetParamString("Text", "", 1));
  EXPECT_FALSE(UPreference::SeekParam("Other", false)) << "belongs to the next section";
  EXPECT_EQ(99, UPreference::GetParamValue("no equals sign here", 99));
}

TEST_F(UPreferenceTest, SameParameterNameInTwoSections_IsIndependent) {
  UPreference::SeekTag("Wave Option", true);
  UPreference::SetParamValue("State", 1);
  UPreference::SeekTag("Tone Option", true);
  UPreference::SetParamValue("State", 0);
  UPreference::SeekTag("Wave Option", true);
  UPreference::SetParamValue("State", 3);

  ASSERT_TRUE(UPreference::SeekTag("Tone Option", false));
  EXPECT_EQ(0, UPreference::GetParamValue("State", -1));
  ASSERT_TRUE(UPreference::SeekTag("Wave Option", false));
  EXPECT_EQ(3, UPreference::GetParamValue("State", -1));
}

TEST_F(UPreferenceTest, TagTextInsideAValue_IsFoundAsIfItWereATagLine) {
  LoadText("[General Settings]\r\n"
           "Note = see [Font Settings] below\r\n"
           "Font Size = 18\r\n"
           "[Font Settings]\r\n"
           "Font Size = 12\r\n");

  ASSERT_TRUE(UPreference::SeekTag("Font Settings", false));
  // The section starts on the line after the value that holds the tag text.
  EXPECT_EQ(18, UPreference::GetParamValue("Font Size", 0));
}

TEST_F(UPreferenceTest, TagsAreMatchedExactlyWithRegardToCase) {
  LoadText("[grid settings]\r\nGrid State = 1\r\n[Grid]\r\n");
  EXPECT_FALSE(UPreference::SeekTag("Grid Settings", false));
  EXPECT_FALSE(UPreference::SeekTag("Grid Setting", false));
  EXPECT_TRUE(UPreference::SeekTag("grid settings", false));
}

TEST_F(UPreferenceTest, LfOnlyFile_IsReadLineByLineAndANewParameterGetsACrLfLineOfItsOwn) {
  LoadText("[Grid Settings]\nGrid State = 1\n\n[Font Settings]\nFont Size = 18\n[Last]");

  EXPECT_TRUE(UPreference::SeekTag("Grid Settings", false));
  EXPECT_EQ(1, UPreference::GetParamValue("Grid State", 0));
  EXPECT_TRUE(UPreference::SeekTag("Font Settings", false));
  EXPECT_EQ(18, UPreference::GetParamValue("Font Size", 9));

  UPreference::SeekTag("Grid Settings", true);
  UPreference::SetParamValue("Tone State", 41);
  UPreference::SeekTag("Last", true);
  UPreference::SetParamValue("X", 2);
  EXPECT_EQ("[Grid Settings]\nTone State = 41\r\nGrid State = 1\n\n[Font Settings]\nFont Size = "
            "18\n[Last]\r\nX = 2\r\n",
            UPreference::GetData());
  ASSERT_TRUE(UPreference::SeekTag("Grid Settings", false));
  EXPECT_EQ(41, UPreference::GetParamValue("Tone State", -1));
  ASSERT_TRUE(UPreference::SeekTag("Last", false));
  EXPECT_EQ(2, UPreference::GetParamValue("X", -1));
}

TEST_F(UPreferenceTest, CrOnlyLines_AreReadLikeCrLfLines) {
  LoadText("[Grid Settings]\rGrid State = 1\r\r[Font Settings]\rFont Size = 18\r");

  ASSERT_TRUE(UPreference::SeekTag("Grid Settings", false));
  EXPECT_EQ(1, UPreference::GetParamValue("Grid State", 0));
  ASSERT_TRUE(UPreference::SeekTag("Font Settings", false));
  EXPECT_EQ(18, UPreference::GetParamValue("Font Size", 0));
}

TEST_F(UPreferenceTest, NewSectionAfterALastLineWithoutLineEnd_StartsOnItsOwnLine) {
  LoadText("[A]\r\nName = Song");
  UPreference::SeekTag("B", true);
  UPreference::SetParamValue("X", 1);

  EXPECT_EQ("[A]\r\nName = Song\r\n[B]\r\nX = 1\r\n\r\n", UPreference::GetData());
  ASSERT_TRUE(UPreference::SeekTag("A", false));
  EXPECT_EQ("Song", UPreference::GetParamString("Name", ""));
}

TEST_F(UPreferenceTest, StringValues_LoseCommaTailAndOuterBlanksAndStayWithin255Bytes) {
  UPreference::SeekTag("Last Selected Project", true);
  UPreference::SetParamString("Name", "My, Song.prj");
  EXPECT_EQ("My", UPreference::GetParamString("Name", ""));
  EXPECT_EQ("Song.prj", UPreference::GetParamString("Name", "", 1));

  UPreference::SetParamString("Name", "  padded  ", 0);
  EXPECT_EQ("padded", UPreference::GetParamString("Name", ""));

  // 254 ASCII bytes then a two-byte character: the character does not fit and is left out.
  const std::string longText = std::string(254, 'a') + "\xC3\xA9" + "tail";
  UPreference::SetParamString("Long", longText);
  EXPECT_EQ(std::string(254, 'a'), UPreference::GetParamString("Long", ""));
}

TEST_F(UPreferenceTest, PointsAndRects_UseConsecutiveValuesAndKeepDefaultsPastTheLineEnd) {
  UPreference::SeekTag("General Settings", true);
  UPreference::SetParamPoint("Window Size", UPreference::Point{600, 800});
  UPreference::SetParamRect("Frame", UPreference::Rect{10, 20, 30, 40}, 1);
  EXPECT_EQ("[General Settings]\r\nFrame = , 10, 20, 30, 40\r\nWindow Size = 600, 800\r\n\r\n",
            UPreference::GetData());

  UPreference::Point point;
  UPreference::GetParamPoint("Window Size", point, nullptr);
  EXPECT_EQ(600, point.v);
  EXPECT_EQ(800, point.h);

  UPreference::Rect rect;
  UPreference::GetParamRect("Frame", rect, nullptr, 1);
  EXPECT_EQ(10, rect.top);
  EXPECT_EQ(40, rect.right);

  // Two values on the line: the first two coordinates are read, the others keep the default.
  const UPreference::Rect fallback{1, 2, 3, 4};
  UPreference::GetParamRect("Window Size", rect, &fallback);
  EXPECT_EQ(600, rect.top);
  EXPECT_EQ(800, rect.left);
  EXPECT_EQ(3, rect.bottom);
  EXPECT_EQ(4, rect.right);

  // An empty value reads as 0, not as the default.
  const UPreference::Point pointFallback{7, 8};
  UPreference::GetParamPoint("Frame", point, &pointFallback);
  EXPECT_EQ(0, point.v);
  EXPECT_EQ(10, point.h);

  UPreference::GetParamPoint("Missing", point, &pointFallback);
  EXPECT_EQ(7, point.v);
  EXPECT_EQ(8, point.h);
}

TEST_F(UPreferenceTest, MalformedNumbers_ReadAsFarAsTheyAreDigits) {
  LoadText("[S]\r\nA = 12abc\r\nB = -7\r\nC = x\r\n");
  ASSERT_TRUE(UPreference::SeekTag("S", false));
  EXPECT_EQ(12, UPreference::GetParamValue("A", 0));
  EXPECT_EQ(-7, UPreference::GetParamValue("B", 0));
  EXPECT_EQ(0, UPreference::GetParamValue("C", 5));
}

TEST_F(UPreferenceTest, SaveAndLoad_RoundTripTheBytesExactly) {
  const std::string text = "[A]\r\nB = 1, 2\r\n\r\n[Odd]\nline\r";
  LoadText(text);
  UPreference::SeekTag("A", true);
  UPreference::SetParamValue("B", 3, 2);
  const fs::path copy = FilePath().string() + " copy";
  ASSERT_EQ(UPreference::kNoErr, UPreference::SaveFile(copy, kCreator, kType));

  EXPECT_EQ("[A]\r\nB = 1, 2, 3\r\n\r\n[Odd]\nline\r", FileContents(copy));
  fs::remove(copy);
}

TEST_F(UPreferenceTest, SaveWithoutBuffer_LeavesAnEmptyFile) {
  std::ofstream(FilePath(), std::ios::binary) << "old contents";
  UPreference::CleanUp();
  ASSERT_EQ(UPreference::kNoErr, UPreference::SaveFile(FilePath(), kCreator, kType));
  EXPECT_EQ("", FileContents(FilePath()));
}

TEST_F(UPreferenceTest, StPreference_LoadsByNameAtStartAndWritesBackAndReleasesAtEnd) {
  const std::string name = "UPreferenceTest Prefs";
  std::ofstream(FilePath(), std::ios::binary) << "[Grid Settings]\r\nGrid State = 1\r\n";
  {
    StPreference preferences(name, kCreator, kType);
    EXPECT_EQ(UPreference::kNoErr, preferences.GetLoadResult());
    ASSERT_TRUE(UPreference::SeekTag("Grid Settings", false));
    EXPECT_EQ(1, UPreference::GetParamValue("Grid State", 0));
    UPreference::SetParamValue("Grid State", 0);
  }
  EXPECT_FALSE(UPreference::HasData());
  EXPECT_EQ("[Grid Settings]\r\nGrid State = 0\r\n", FileContents(FilePath()));
}

TEST_F(UPreferenceTest, StPreference_CreatesTheFileWhenItWasMissing) {
  {
    StPreference preferences(std::string("UPreferenceTest Prefs"), kCreator, kType);
    EXPECT_EQ(UPreference::kFileNotFoundErr, preferences.GetLoadResult());
    UPreference::SeekTag("General Settings", true);
    UPreference::SetParamValue("Preference Version", 1);
  }
  EXPECT_EQ("[General Settings]\r\nPreference Version = 1\r\n\r\n", FileContents(FilePath()));
}

} // namespace
