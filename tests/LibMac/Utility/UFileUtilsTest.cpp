#include "LibMac/Utility/UFileUtils.h"

#include "store/FileExt.h"
#include "support/ProjectFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

void Touch(const std::string& path, const std::string& text = "x") {
  std::ofstream(path) << text;
}

TEST(UFileUtilsTest, IsEqualExt_EndingIgnoresCaseButWildcardComparesWithCase) {
  EXPECT_TRUE(UFileUtils::IsEqualExt("001 A.D00", ".d00"));
  EXPECT_TRUE(UFileUtils::IsEqualExt("001 A.w00", ".w*"));
  EXPECT_TRUE(UFileUtils::IsEqualExt("001 A.wav", ".w*"));
  EXPECT_TRUE(UFileUtils::IsEqualExt("001 A.w", ".w*"));
  EXPECT_FALSE(UFileUtils::IsEqualExt("001 A.W00", ".w*"));
  EXPECT_TRUE(UFileUtils::IsEqualExt("001 A.AIFF", ".aiff"));
  EXPECT_FALSE(UFileUtils::IsEqualExt("001 A.d000", ".d00"));
  EXPECT_FALSE(UFileUtils::IsEqualExt("001 A.d0", ".d00"));
  EXPECT_TRUE(UFileUtils::IsEqualExt("anything.txt", ".*"));
  EXPECT_FALSE(UFileUtils::IsEqualExt("no_dot", ".*"));
  EXPECT_TRUE(UFileUtils::IsEqualExt("x.d00", ".d00"));
}

TEST(UFileUtilsTest, SearchFiles_ListsMatchingPlainFilesWithFullPaths) {
  BrisTest::TempFolder temp;
  Touch(temp / "001 A.w00");
  Touch(temp / "002 B.WAV");
  Touch(temp / "003 C.mp3");
  fs::create_directory(temp / "004 D.w00"); // a folder is never a data file
  std::list<std::string> paths;
  EXPECT_EQ(UFileUtils::SearchFiles(temp.Path(), Bris::FileExt_Wave, &paths),
            UFileUtils::kEndOfListing);
  paths.sort();
  EXPECT_EQ(paths, (std::list<std::string>{temp / "001 A.w00", temp / "002 B.WAV"}));

  std::list<std::string> withSlash;
  UFileUtils::SearchFiles(temp.Path() + "/", Bris::FileExt_Patch, &withSlash);
  EXPECT_TRUE(withSlash.empty());
}

TEST(UFileUtilsTest, SearchFiles_RaisesForAFolderThatCannotBeListed) {
  BrisTest::TempFolder temp;
  std::list<std::string> paths;
  EXPECT_THROW(UFileUtils::SearchFiles(temp / "missing", Bris::FileExt_All, &paths),
               fs::filesystem_error);
  EXPECT_THROW(UFileUtils::IsFolder(std::string(300, 'a') + "/x"), fs::filesystem_error);
}

TEST(UFileUtilsTest, DeleteSubFiles_CountsOrDeletesOnlyMatchingFiles) {
  BrisTest::TempFolder temp;
  Touch(temp / "Brisel System.s00");
  Touch(temp / "Brisel Setup.S00");
  Touch(temp / "PatchMemo.txt");
  EXPECT_EQ(UFileUtils::DeleteSubFiles(temp.Path(), Bris::FileExt_System, true), 2);
  EXPECT_TRUE(fs::exists(temp / "Brisel System.s00"));
  EXPECT_EQ(UFileUtils::DeleteSubFiles(temp.Path(), Bris::FileExt_System, false), 2);
  EXPECT_FALSE(fs::exists(temp / "Brisel System.s00"));
  EXPECT_TRUE(fs::exists(temp / "PatchMemo.txt"));
}

TEST(UFileUtilsTest, ReplaceFileContents_ReplacesWholeFileAndLeavesNoHelperFile) {
  BrisTest::TempFolder temp;
  const std::string path = temp / "memo.txt";
  Touch(path, "a much longer old content\n");
  EXPECT_TRUE(UFileUtils::ReplaceFileContents(path, [](std::ostream& out) { out << "new\n"; }));
  EXPECT_EQ(BrisTest::ReadFileText(path), "new\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(temp.Path()), fs::directory_iterator()), 1);
}

TEST(UFileUtilsTest, ReplaceFileContents_FailureKeepsWhatWasThere) {
  BrisTest::TempFolder temp;
  // A folder in the file's place cannot be replaced by a file.
  fs::create_directory(temp / "memo.txt");
  EXPECT_FALSE(
      UFileUtils::ReplaceFileContents(temp / "memo.txt", [](std::ostream& out) { out << "x"; }));
  EXPECT_TRUE(fs::is_directory(temp / "memo.txt"));
  EXPECT_FALSE(fs::exists(temp / "memo.txt.new"));
  // No folder to write into.
  EXPECT_FALSE(UFileUtils::ReplaceFileContents(temp / "missing/memo.txt", [](std::ostream&) {}));
}

TEST(UFileUtilsTest, FolderTestAndFullPath) {
  BrisTest::TempFolder temp;
  Touch(temp / "f");
  EXPECT_TRUE(UFileUtils::IsFolder(temp.Path()));
  EXPECT_FALSE(UFileUtils::IsFolder(temp / "f"));
  EXPECT_FALSE(UFileUtils::IsFolder(temp / "missing"));
  std::string full;
  UFileUtils::GetFullPathString(temp.Path() + "/./x/../f", full, true);
  EXPECT_EQ(full, temp / "f");
  UFileUtils::GetFullPathString("/" + std::string(1100, 'a'), full, true);
  EXPECT_EQ(full, "");
}

TEST(UFileUtilsTest, CharacterHelpers_NeverSplitAMultiByteCharacter) {
  EXPECT_TRUE(UFileUtils::Is2byteChar(0xC3));
  EXPECT_TRUE(UFileUtils::Is2byteChar(0xA9));
  EXPECT_FALSE(UFileUtils::Is2byteChar('A'));
  // 254 ASCII bytes and a two-byte "é": the cut at 255 bytes drops the whole character.
  const std::string name = std::string(254, 'a') + "\xC3\xA9";
  EXPECT_EQ(UFileUtils::UTF8ToSystemEncoding(name), std::string(254, 'a'));
  EXPECT_EQ(UFileUtils::SystemEncodingToUTF8("Caf\xC3\xA9"), "Caf\xC3\xA9");
  EXPECT_EQ(UFileUtils::FindChar("a/B/c", 'b', 0), 2u);
  EXPECT_EQ(UFileUtils::FindChar("a/B/c", 'b', 3), std::string::npos);
  EXPECT_EQ(UFileUtils::ReverseFindChar("a.b.C", 'c'), 4u);
}

} // namespace
