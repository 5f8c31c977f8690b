#include "store/CBriselDocument.h"
#include "store/CFolderFacts.h"

#include "support/ProjectFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

void WriteText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

class CopyZelFileTest : public ::testing::Test {
protected:
  BrisTest::TempFolder mTemp;
  Bris::CBriselDocument mDocument;
};

TEST_F(CopyZelFileTest, Copy_ReplacesTheWholeDestinationByteForByte) {
  std::string binary(70000, '\0');
  for (std::size_t i = 0; i < binary.size(); ++i) {
    binary[i] = static_cast<char>(i * 7);
  }
  WriteText(mTemp / "src.W00", binary);
  WriteText(mTemp / "dst", std::string(100000, 'x')); // longer: no tail may survive
  EXPECT_TRUE(mDocument.CopyZelFile(mTemp / "src.W00", mTemp / "dst"));
  EXPECT_EQ(BrisTest::ReadFileText(mTemp / "dst"), binary);

  WriteText(mTemp / "empty", "");
  EXPECT_TRUE(mDocument.CopyZelFile(mTemp / "empty", mTemp / "empty copy"));
  EXPECT_TRUE(fs::exists(mTemp / "empty copy"));
  EXPECT_EQ(fs::file_size(mTemp / "empty copy"), 0u);
}

TEST_F(CopyZelFileTest, StagedCopy_NeverWritesOverAFileAlreadyAtItsTemporaryName) {
  WriteText(mTemp / "src", "new bytes");
  WriteText(mTemp / "taken.tmp", "someone else's");
  mDocument.StageCopy(mTemp / "dst", mTemp / "taken.tmp");
  EXPECT_FALSE(mDocument.CopyZelFile(mTemp / "src", mTemp / "dst"));
  mDocument.UnstageCopy(mTemp / "dst");
  EXPECT_EQ(BrisTest::ReadFileText(mTemp / "taken.tmp"), "someone else's");
  EXPECT_FALSE(fs::exists(mTemp / "dst"));
}

TEST_F(CopyZelFileTest, MissingSourceOrFolderSource_FailsWithoutCreatingTheDestination) {
  EXPECT_FALSE(mDocument.IsEnableCopyZelFile(mTemp / "missing", mTemp / "dst"));
  EXPECT_FALSE(mDocument.CopyZelFile(mTemp / "missing", mTemp / "dst"));
  fs::create_directory(mTemp / "folder");
  EXPECT_FALSE(mDocument.IsEnableCopyZelFile(mTemp / "folder", mTemp / "dst"));
  EXPECT_FALSE(mDocument.CopyZelFile(mTemp / "folder", mTemp / "dst"));
  EXPECT_FALSE(fs::exists(mTemp / "dst"));
}

TEST_F(CopyZelFileTest, DryRun_ChecksTheDestinationWithoutTouchingIt) {
  WriteText(mTemp / "src", "data");
  EXPECT_TRUE(mDocument.IsEnableCopyZelFile(mTemp / "src", mTemp / "new"));
  EXPECT_FALSE(fs::exists(mTemp / "new"));

  WriteText(mTemp / "old", "old contents");
  EXPECT_TRUE(mDocument.IsEnableCopyZelFile(mTemp / "src", mTemp / "old"));
  EXPECT_EQ(BrisTest::ReadFileText(mTemp / "old"), "old contents");

  fs::create_directory(mTemp / "folder");
  EXPECT_FALSE(mDocument.IsEnableCopyZelFile(mTemp / "src", mTemp / "folder"));
  // The copy could never create a file in a folder that does not exist.
  EXPECT_FALSE(mDocument.IsEnableCopyZelFile(mTemp / "src", mTemp / "no folder/new"));
  EXPECT_FALSE(mDocument.CopyZelFile(mTemp / "src", mTemp / "no folder/new"));

  // A check that keeps its answers per folder keeps each folder's own.
  Bris::CFolderFacts folders;
  EXPECT_FALSE(mDocument.IsEnableCopyZelFile(mTemp / "src", mTemp / "no folder/new", &folders));
  EXPECT_TRUE(mDocument.IsEnableCopyZelFile(mTemp / "src", mTemp / "new", &folders));
  EXPECT_FALSE(mDocument.IsEnableCopyZelFile(mTemp / "src", mTemp / "no folder/other", &folders));
  EXPECT_TRUE(mDocument.IsEnableCopyZelFile(mTemp / "src", mTemp / "other", &folders));

  // Once a folder was asked about often enough to be listed, what it holds still counts.
  for (int i = 0; i < 100; ++i) {
    EXPECT_TRUE(mDocument.IsEnableCopyTo(mTemp / ("new " + std::to_string(i)), &folders));
  }
  EXPECT_FALSE(mDocument.IsEnableCopyZelFile(mTemp / "src", mTemp / "folder", &folders));
  EXPECT_TRUE(mDocument.IsEnableCopyTo(mTemp / "old", &folders));
  fs::permissions(mTemp / "old", fs::perms::owner_write, fs::perm_options::remove);
  EXPECT_EQ(mDocument.IsEnableCopyTo(mTemp / "old", &folders), ::geteuid() == 0);
}

} // namespace
