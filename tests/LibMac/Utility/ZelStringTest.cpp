#include "LibMac/Utility/ZelString.h"

#include <gtest/gtest.h>

namespace {

TEST(ZelStringTest, SlotPath_IsTakenApartIntoIndexNameAndExtension) {
  const std::string path = "/Users/a/Song.prj/Patch/007 Warm Pad.d00";
  EXPECT_EQ(GetFileIndex(path), 7);
  EXPECT_EQ(GetFileName(path), "Warm Pad");
  EXPECT_EQ(GetExtensionName(path), ".d00");
  EXPECT_EQ(GetFolderName(path), "/Users/a/Song.prj/Patch");
  EXPECT_EQ(GetImportFileName("/in/My Sample.v2.WAV"), "My Sample.v2");
}

TEST(ZelStringTest, FileIndex_ReadsLikeAtoiAndGivesZeroForNonDigits) {
  EXPECT_EQ(GetFileIndex("042 X.p00"), 42);
  EXPECT_EQ(GetFileIndex("/a/1234 X.d00"), 123);
  EXPECT_EQ(GetFileIndex("/a/readme.d00"), 0);
  EXPECT_EQ(GetFileIndex(""), 0);
}

TEST(ZelStringTest, ExtensionName_ComesFromTheFileNameOnly) {
  // The project folder's ".prj" must never pass for the extension of a file without one.
  EXPECT_EQ(GetExtensionName("/a/Song.prj/Wave/001 Kick"), "");
  EXPECT_EQ(GetExtensionName("001 Kick.WAV"), ".WAV");
  EXPECT_EQ(GetExtensionName("/a/b.c/001 x.y.w00"), ".w00");
}

TEST(ZelStringTest, AddFileExtention_AppendsOnceWithoutDoubledDots) {
  std::string name = "Song.";
  EXPECT_EQ(AddFileExtention(name, "prj"), "Song.prj");
  std::string upper = "Song.PRJ";
  EXPECT_EQ(AddFileExtention(upper, ".prj"), "Song.PRJ");
  std::string empty;
  EXPECT_EQ(AddFileExtention(empty, ".prj"), "");
  std::string plain = "Song";
  EXPECT_EQ(AddFileExtention(plain, ".prj"), "Song.prj");
}

TEST(ZelStringTest, ReplacePathDelimiter_ConvertsOnlyForAnotherDelimiter) {
  EXPECT_EQ(ReplacePathDelimiter("a/b/c", "/"), "a/b/c");
  EXPECT_EQ(ReplacePathDelimiter("a/b/c", ":"), "a:b:c");
}

TEST(ZelStringTest, ReplaceFileName_KeepsIndexStringAndExtension) {
  EXPECT_EQ(ReplaceFileName("/p/Patch/003 Old.d00", "New Name"), "/p/Patch/003 New Name.d00");
  EXPECT_EQ(ReplaceFileName("003 Old.d00", "X"), "003 X.d00");
}

TEST(ZelStringTest, RightStringAndIsEqualNoCase) {
  EXPECT_EQ(RightString("Song.PRJ", 4), ".PRJ");
  EXPECT_EQ(RightString("ab", 5), "ab");
  EXPECT_TRUE(IsEqualNoCase(".PRJ", ".prj"));
  EXPECT_FALSE(IsEqualNoCase(".prj", ".prj/"));
}

} // namespace
