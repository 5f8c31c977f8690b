#include "LibMac/Utility/CFolderFileOpener.h"

#include "support/ProjectFixture.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace {

// The bytes of the file open on fd, which is closed.
std::string ReadAndClose(int fd) {
  std::string text;
  char bytes[64];
  for (ssize_t count; (count = ::read(fd, bytes, sizeof bytes)) > 0;) {
    text.append(bytes, static_cast<std::size_t>(count));
  }
  ::close(fd);
  return text;
}

// The errno of a refused open, or 0 when the file opened after all.
int ErrorOfOpen(CFolderFileOpener& opener, const std::string& path) {
  errno = 0;
  const int fd = opener.OpenForReading(path);
  if (fd >= 0) {
    ::close(fd);
    return 0;
  }
  return errno;
}

TEST(CFolderFileOpenerTest, FilesOfChangingFolders_OpenAsTheirWholePathsWouldAndFailAlike) {
  // GIVEN files with their own contents in two folders, and a plain file where a folder could be
  const BrisTest::TempFolder temp;
  std::filesystem::create_directories(temp / "Patch");
  std::filesystem::create_directories(temp / "Tone");
  std::ofstream(temp / "Patch/001 A.d00") << "patch one";
  std::ofstream(temp / "Patch/002 B.d00") << "patch two";
  std::ofstream(temp / "Tone/001 T.t00") << "tone one";
  std::ofstream(temp / "plain") << "not a folder";
  CFolderFileOpener opener;

  // WHEN the files are asked for in turns across the folders, THEN each opens as itself
  EXPECT_EQ(ReadAndClose(opener.OpenForReading(temp / "Patch/001 A.d00")), "patch one");
  EXPECT_EQ(ReadAndClose(opener.OpenForReading(temp / "Tone/001 T.t00")), "tone one");
  EXPECT_EQ(ReadAndClose(opener.OpenForReading(temp / "Patch/002 B.d00")), "patch two");
  EXPECT_EQ(ReadAndClose(opener.OpenForReading(temp / "Patch/001 A.d00")), "patch one");

  // and what open(2) refuses is refused with its reason, after which the opener still works
  EXPECT_EQ(ErrorOfOpen(opener, temp / "Patch/003 Gone.d00"), ENOENT);
  EXPECT_EQ(ErrorOfOpen(opener, temp / "Wave/001 W.w00"), ENOENT);
  EXPECT_EQ(ErrorOfOpen(opener, temp / "plain/001 A.d00"), ENOTDIR);
  EXPECT_EQ(ReadAndClose(opener.OpenForReading(temp / "Tone/001 T.t00")), "tone one");
  // and a folder removed right after a file of it was opened no longer yields its files
  EXPECT_EQ(ReadAndClose(opener.OpenForReading(temp / "Patch/002 B.d00")), "patch two");
  std::filesystem::remove_all(temp / "Patch");
  EXPECT_EQ(ErrorOfOpen(opener, temp / "Patch/001 A.d00"), ENOENT);
}

} // namespace
