#pragma once

#include "domain/CDomain.h"
#include "domain/CZelData.h"
#include "formats/SvdFileLayout.h"
#include "store/CBriselDocument.h"
#include "support/ProjectFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

// Helpers shared by the tests that write projects: a document whose copies can be counted and
// made to fail, folder contents, and a test base that gives every test its own work folder.
namespace BrisTest {

// A project document whose whole-file copies are logged and can be made to fail. A failing copy
// leaves a few bytes at the destination, as a copy broken off half-way would.
class FaultyDocument : public Bris::CBriselDocument {
public:
  bool CopyZelFile(std::string source, std::string destination) override {
    ++mCopyCount;
    mCopies.emplace_back(source, destination);
    if (mCopyCount == mFailAtCopy || (mFailWhen && mFailWhen(destination))) {
      std::ofstream(destination, std::ios::binary) << "partial";
      return false;
    }
    return CBriselDocument::CopyZelFile(std::move(source), std::move(destination));
  }

  int mCopyCount = 0;
  int mFailAtCopy = 0; // 1-based; 0: none fails by number
  std::function<bool(const std::string& destination)> mFailWhen;
  std::vector<std::pair<std::string, std::string>> mCopies;
};

// Every plain file below folder, by path relative to it, with its bytes.
using FolderContents = std::map<std::string, std::vector<unsigned char>>;
inline FolderContents ReadFolder(const std::string& folder) {
  FolderContents contents;
  if (!std::filesystem::is_directory(folder)) {
    return contents;
  }
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) {
      contents[std::filesystem::relative(entry.path(), folder).string()] =
          ReadFileBytes(entry.path().string());
    }
  }
  return contents;
}

// The bytes of a data file with its reference blocks zeroed: what every save must carry
// unchanged. Other files are returned whole.
inline std::vector<unsigned char> BytesOutsideReferenceBlocks(const std::string& path) {
  namespace Layout = Bris::SvdFileLayout;
  std::vector<unsigned char> bytes = ReadFileBytes(path);
  auto blank = [&bytes](std::size_t offset, std::size_t size) {
    for (std::size_t i = offset; i < offset + size && i < bytes.size(); ++i) {
      bytes[i] = 0;
    }
  };
  const std::string extension = std::filesystem::path(path).extension().string();
  if (extension == ".d00") {
    blank(Layout::kPatchToneBlocksOffset, Layout::kPatchToneBlocksSize);
  } else if (extension == ".p00") {
    blank(Layout::kToneOscBlocksOffset, Layout::kToneOscBlocksSize);
  }
  return bytes;
}

inline std::vector<std::string> FileNamesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& [relative, bytes] : ReadFolder(folder)) {
    names.push_back(relative);
  }
  return names;
}

// Every test gets its own temporary folder with a work folder "work/" that a fresh domain
// context uses.
class WriteTestBase : public ::testing::Test {
protected:
  // Before the members of a derived fixture, which may register documents or install channels.
  WriteTestBase() { Bris::Domain().Reset(); }
  void SetUp() override {
    std::filesystem::create_directory(mTemp / "work");
    Bris::Domain().SetWorkFolderPath(WorkFolder());
  }
  void TearDown() override { Bris::Domain().Reset(); }
  // A new domain context (temporary numbering from 0, no write stopped part-way) on the test's
  // work folder. Only while no document is registered.
  void StartFreshDomain() {
    Bris::Domain().Reset();
    Bris::Domain().SetWorkFolderPath(WorkFolder());
  }
  std::string WorkFolder() const { return mTemp / "work/"; }

  TempFolder mTemp;
};

} // namespace BrisTest
