#include "formats/WaveFiles.h"

#include <gtest/gtest.h>

namespace {

TEST(WaveFilesTest, FormatWaveSize_SwitchesUnitsAtKibAndMib) {
  EXPECT_EQ(Bris::FormatWaveSize(0), "0 Bytes");
  EXPECT_EQ(Bris::FormatWaveSize(1023), "1023 Bytes");
  EXPECT_EQ(Bris::FormatWaveSize(1024), "1.0 KB");
  EXPECT_EQ(Bris::FormatWaveSize(1048575), "1024.0 KB");
  EXPECT_EQ(Bris::FormatWaveSize(1048576), "1.0 MB");
  EXPECT_EQ(Bris::FormatWaveSize(Bris::kTotalWaveSizeLimit), "64.0 MB");
  EXPECT_EQ(Bris::FormatWaveSize(0xFFFFFFFFu), "4096.0 MB");
}

TEST(WaveFilesTest, ShortenImportName_KeepsHeadAndTail) {
  EXPECT_EQ(Bris::ShortenImportName("Twelve Bytes"), "Twelve Bytes");
  EXPECT_EQ(Bris::ShortenImportName("Thirteen Byte"), "Thirteen Byt");
  EXPECT_EQ(Bris::ShortenImportName("Fifteen Bytes.."), "Fifteen Byte");
  EXPECT_EQ(Bris::ShortenImportName("Sixteen Bytes..."), "Sixteen Bytes...");
  EXPECT_EQ(Bris::ShortenImportName("Seventeen Bytes.."), "Seventeen Byes..");
  EXPECT_EQ(Bris::ShortenImportName("A very long sample name"), "A very long name");
}

TEST(WaveFilesTest, ShortenImportName_NeverSplitsACharacter) {
  // "\xC3\xA9" (é) straddles byte 12: the head stops before it, the tail starts after it.
  EXPECT_EQ(Bris::ShortenImportName("abcdefghijk\xC3\xA9xyz"), "abcdefghijkxyz");
  // The last four bytes start inside "é": the tail keeps only the whole "\xE2\x82\xAC" (€).
  EXPECT_EQ(Bris::ShortenImportName("abcdefghijklmnop\xC3\xA9\xE2\x82\xAC"),
            "abcdefghijkl\xE2\x82\xAC");
}

TEST(WaveFilesTest, ImportableExtensions_IgnoreCase) {
  for (const char* ext : {".wav", ".WAV", ".aif", ".AIFF", ".vpw"}) {
    EXPECT_TRUE(Bris::IsImportableWaveExtension(ext)) << ext;
  }
  for (const char* ext : {".w00", ".mp3", "", ".wave"}) {
    EXPECT_FALSE(Bris::IsImportableWaveExtension(ext)) << ext;
  }
}

} // namespace
