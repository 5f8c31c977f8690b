#include "LibMac/Utility/UPreferenceLongString.h"

#include "LibMac/Utility/UPreference.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace {

namespace fs = std::filesystem;

// Bytes a stored value must not hold: the value separator, line ends, and other control bytes.
bool IsSafeValue(const std::string& value) {
  if (value.size() > UPreference::kMaxStringBytes) {
    return false;
  }
  if (!value.empty() && (value.front() == ' ' || value.back() == ' ' || value.front() == '\t' ||
                         value.back() == '\t')) {
    return false;
  }
  for (char c : value) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == ',' || byte < 0x20 || byte == 0x7F) {
      return false;
    }
  }
  return true;
}

std::string RandomText(std::mt19937& random, std::size_t length) {
  // Mostly the awkward bytes: separators, blanks, escapes, line ends and UTF-8 sequences.
  static const std::string kPieces[] = {",",  " ",        "\t",           "%",
                                        "%4", "\r",       "\n",           "a",
                                        "Z",  "\xC3\xA9", "\xE3\x81\x82", "\xF0\x9F\x8E\xB9",
                                        "/"};
  std::uniform_int_distribution<std::size_t> pick(0, std::size(kPieces) - 1);
  std::string text;
  while (text.size() < length) {
    text += kPieces[pick(random)];
  }
  return text;
}

class UPreferenceLongStringTest : public ::testing::Test {
protected:
  void SetUp() override {
    UPreference::CleanUp();
    std::ofstream(FilePath(), std::ios::binary) << "[Strings]\r\n";
    ASSERT_EQ(UPreference::kNoErr, UPreference::LoadFile(FilePath()));
    ASSERT_TRUE(UPreference::SeekTag("Strings", false));
  }
  void TearDown() override {
    UPreference::CleanUp();
    std::error_code ignored;
    fs::remove(FilePath(), ignored);
  }
  static fs::path FilePath() {
    return fs::path(std::getenv("XDG_CONFIG_HOME")) / "UPreferenceLongStringTest Prefs";
  }
};

TEST_F(UPreferenceLongStringTest, AnyString_ComesBackWhole_FromValuesThePreferencesCanHold) {
  // Random lengths, so a shorter string often replaces a longer one.
  std::mt19937 random(12);
  std::uniform_int_distribution<std::size_t> length(0, 700);
  for (int round = 0; round < 200; ++round) {
    const std::string raw = RandomText(random, length(random));
    UPreferenceLongString::Write("Name", raw);

    ASSERT_TRUE(UPreference::SeekTag("Strings", false));
    EXPECT_EQ(raw, UPreferenceLongString::Read("Name")) << "round " << round;
    for (unsigned short index = 0;; ++index) {
      const std::string value = UPreference::GetParamString("Name", std::string(), index);
      if (value.empty()) {
        break;
      }
      EXPECT_TRUE(IsSafeValue(value)) << "round " << round << " value " << index;
    }
    // A piece never ends inside a UTF-8 character.
    for (const std::string& piece : UPreferenceLongString::SplitIntoPieces(raw)) {
      ASSERT_FALSE(piece.empty());
      EXPECT_NE(0x80, static_cast<unsigned char>(piece.front()) & 0xC0) << "round " << round;
    }
  }
}

} // namespace
