#include "formats/CPatchSvdManager.h"

#include "support/ByteStream.h"
#include "support/ProjectFixture.h"

#include <gtest/gtest.h>

namespace {

using Bris::CPatch;
using Bris::CPatchSvdManager;
using BrisTest::StreamOf;

TEST(CPatchSvdManagerTest, ReadPatchFile_TakesToneReferencesFromBothBlocks) {
  auto stream = StreamOf(BrisTest::PatchFile("A").Part(0, 3).Part(1, 700, false).Bytes());
  CPatch patch;
  ASSERT_TRUE(CPatchSvdManager().ReadPatchFile(stream, patch));
  EXPECT_EQ(patch.GetPatchTone(0).GetToneNumber(), 3);
  EXPECT_EQ(patch.GetPatchTone(0).GetToneSwitch(), 1);
  EXPECT_EQ(patch.GetPatchTone(1).GetToneNumber(), 700);
  EXPECT_EQ(patch.GetPatchTone(1).GetToneSwitch(), 0);
}

TEST(CPatchSvdManagerTest, ReadPatchFile_NeedsExactly170BytesAndAPatchSignature) {
  auto bytes = BrisTest::PatchFile("A").Size(170).Bytes();
  ASSERT_EQ(bytes.size(), 170u);
  CPatch patch;
  auto exact = StreamOf(bytes);
  EXPECT_TRUE(CPatchSvdManager().ReadPatchFile(exact, patch));

  bytes.pop_back();
  auto shortFile = StreamOf(bytes);
  EXPECT_FALSE(CPatchSvdManager().ReadPatchFile(shortFile, patch));

  // A tone file's signature differs only in the chunk identifier.
  auto tone = BrisTest::ToneFile("T").Bytes();
  auto toneFile = StreamOf(tone);
  EXPECT_FALSE(CPatchSvdManager().ReadPatchFile(toneFile, patch));
}

TEST(CPatchSvdManagerTest, WriteTone_ClearsBitsNoFieldCovers) {
  CPatch patch;
  unsigned char buffer[32];
  std::fill(std::begin(buffer), std::end(buffer), 0xFF);
  EXPECT_TRUE(CPatchSvdManager().WriteTone(&patch, buffer));
  EXPECT_EQ(buffer[15] & 0x3F, 0); // the last six bits of each 16-byte block
  EXPECT_EQ(buffer[31] & 0x3F, 0);
  EXPECT_FALSE(CPatchSvdManager().WriteTone(nullptr, buffer));
}

} // namespace
