#include "LibMac/Utility/Ux.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

// The test main points HOME and the XDG folders at a temporary folder.
TEST(UxTest, SpecialFolders_FollowXdgAndAreCreated) {
  const std::string home = std::getenv("HOME");
  const std::string data = std::getenv("XDG_DATA_HOME");
  EXPECT_EQ(Ux::GetSpecialFolderName(Ux::kApplicationSupportFolder), data);
  EXPECT_EQ(Ux::GetSpecialFolderName(Ux::kPreferencesFolder), std::getenv("XDG_CONFIG_HOME"));
  const std::string documents = Ux::GetSpecialFolderName(Ux::kDocumentsFolder);
  EXPECT_EQ(documents, home + "/Documents");
  EXPECT_TRUE(fs::is_directory(documents));
}

TEST(UxTest, SpecialFolders_FallBackToHomeForARelativeXdgValue) {
  const std::string saved = std::getenv("XDG_CONFIG_HOME");
  ::setenv("XDG_CONFIG_HOME", "relative/config", 1);
  EXPECT_EQ(Ux::GetSpecialFolderName(Ux::kPreferencesFolder),
            std::string(std::getenv("HOME")) + "/.config");
  ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
}

TEST(UxTest, DocumentsFolder_IsTheDesktopsOneElseDocumentsBesideHome) {
  const std::string home = std::getenv("HOME");
  const std::string config = std::getenv("XDG_CONFIG_HOME");
  fs::create_directories(config);
  const std::string userDirs = config + "/user-dirs.dirs";
  EXPECT_EQ(home + "/Documents", Ux::GetDocumentsFolderPath()) << "no user-dirs.dirs";
  {
    std::ofstream file(userDirs);
    file << "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
         << "XDG_DOCUMENTS_DIR=\"$HOME/Papers/\"\n";
  }
  EXPECT_EQ(home + "/Papers", Ux::GetDocumentsFolderPath());
  EXPECT_EQ(home + "/Papers", Ux::GetSpecialFolderName(Ux::kDocumentsFolder));
  {
    std::ofstream file(userDirs);
    file << "XDG_DOCUMENTS_DIR=\"relative\"\n";
  }
  EXPECT_EQ(home + "/Documents", Ux::GetDocumentsFolderPath()) << "a relative entry is ignored";
  fs::remove(userDirs);
}

TEST(UxTest, PathConversions_Normalise) {
  std::string fileRef;
  EXPECT_TRUE(Ux::ToFSSpec("/a//b/./c/../d.prj/", fileRef));
  EXPECT_EQ(fileRef, "/a/b/d.prj/");
  std::string path;
  EXPECT_FALSE(Ux::ToPathName("", path));
  EXPECT_EQ(Ux::FSRefGetPath("/x/y/../z"), "/x/z");
}

} // namespace
