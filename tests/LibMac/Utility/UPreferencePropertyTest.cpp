#include "LibMac/Utility/UPreference.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <tuple>
#include <vector>

// Generated preference files, as a hand or another program may have left them (CR, LF and CR LF
// line ends mixed, blanks, junk lines, repeated sections and names, a last line without its line
// end), against the property every caller relies on: a value just set reads back, also after a
// save and a load, and nothing else in the file reads differently.
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kTags = {
    "General Settings", "Grid Settings", "Font Settings", "Last Selected Project", "A", "Unused"};
const std::vector<std::string> kNames = {"Grid State", "Font Size", "Window Size",
                                         "Name",       "X",         "Never"};
constexpr unsigned short kIndexes = 5;
const std::string kMissing = "<missing>"; // no generated value holds "<"

class Generator {
public:
  explicit Generator(unsigned int seed) : mRandom(seed) {}

  int Below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(mRandom); }
  template <class T> const T& Pick(const std::vector<T>& items) {
    return items[static_cast<std::size_t>(Below(static_cast<int>(items.size())))];
  }

  std::string Blanks() {
    return std::string(static_cast<std::size_t>(Below(3)), Below(2) ? ' ' : '\t');
  }
  std::string LineEnd() {
    static const std::vector<std::string> kEnds = {"\r\n", "\r", "\n"};
    return mOnlyCrLf ? "\r\n" : Pick(kEnds);
  }
  std::string Value() {
    switch (Below(4)) {
    case 0:
      return "";
    case 1:
      return "word " + std::to_string(Below(100));
    default:
      return std::to_string(Below(2000) - 1000);
    }
  }
  std::string Line() {
    switch (Below(8)) {
    case 0:
      return "";
    case 1:
      return Blanks() + "no equals sign";
    case 2:
      return Blanks() + "[junk";
    default: {
      std::string line = Blanks() + Pick(kNames) + Blanks() + "=";
      const int values = Below(4) + 1;
      for (int v = 0; v < values; ++v) {
        line += (v > 0 ? "," : "") + Blanks() + Value() + Blanks();
      }
      return line;
    }
    }
  }
  std::string File() {
    mOnlyCrLf = Below(4) == 0;
    std::string text;
    const int sections = Below(6);
    for (int s = 0; s < sections; ++s) {
      text += Blanks() + "[" + Pick(kTags) + "]" + LineEnd();
      const int lines = Below(6);
      for (int l = 0; l < lines; ++l) {
        text += Line() + LineEnd();
      }
    }
    if (Below(3) == 0 && !text.empty()) {
      text.erase(text.find_last_not_of("\r\n") + 1); // a last line without its line end
    }
    return text;
  }
  bool IsOnlyCrLf() const { return mOnlyCrLf; }

private:
  std::mt19937 mRandom;
  bool mOnlyCrLf = false;
};

using Key = std::tuple<std::string, std::string, unsigned short>;

// Every value of every tag and name of the pools, as the get calls see it.
std::map<Key, std::string> ReadEverything() {
  std::map<Key, std::string> values;
  for (const auto& tag : kTags) {
    const bool found = UPreference::SeekTag(tag, false);
    for (const auto& name : kNames) {
      for (unsigned short i = 0; i < kIndexes; ++i) {
        values[{tag, name, i}] = found ? UPreference::GetParamString(name, kMissing, i) : kMissing;
      }
    }
  }
  return values;
}

bool HasOnlyCrLfLineEnds(const std::string& text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) ||
        (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))) {
      return false;
    }
  }
  return true;
}

TEST(UPreferencePropertyTest, GeneratedFiles_SetThenGetHoldsThroughSaveAndLoadAndLosesNothingElse) {
  const fs::path file = fs::path(std::getenv("XDG_CONFIG_HOME")) / "UPreferencePropertyTest Prefs";
  for (unsigned int seed = 1; seed <= 400; ++seed) {
    Generator generate(seed);
    UPreference::CleanUp();
    const std::string text = generate.File();
    std::ofstream(file, std::ios::binary) << text;
    ASSERT_EQ(UPreference::kNoErr, UPreference::LoadFile(file));
    for (int step = 0; step < 3; ++step) {
      const std::string tag = generate.Pick(kTags);
      const std::string name = generate.Pick(kNames);
      const auto index = static_cast<unsigned short>(generate.Below(kIndexes));
      const bool asNumber = generate.Below(2) == 0;
      const std::string value =
          asNumber ? std::to_string(generate.Below(100000) - 50000) : "set " + std::to_string(step);
      const auto before = ReadEverything();
      SCOPED_TRACE(testing::Message() << "seed " << seed << " step " << step << " [" << tag << "] "
                                      << name << "[" << index << "] = " << value << "\nfile: "
                                      << testing::PrintToString(UPreference::GetData()));

      ASSERT_TRUE(UPreference::SeekTag(tag, true));
      if (asNumber) {
        UPreference::SetParamValue(name, std::stol(value), index);
      } else {
        UPreference::SetParamString(name, value, index);
      }
      ASSERT_TRUE(UPreference::SeekTag(tag, false));
      EXPECT_EQ(value, UPreference::GetParamString(name, kMissing, index));

      const auto after = ReadEverything();
      for (const auto& [key, was] : before) {
        const auto& [otherTag, otherName, otherIndex] = key;
        if (otherTag == tag && otherName == name) {
          // Positions before the one set may have been made, empty; no value changes.
          if (otherIndex != index && !(otherIndex < index && was == kMissing)) {
            EXPECT_EQ(was, after.at(key)) << otherName << "[" << otherIndex << "]";
          }
        } else {
          EXPECT_EQ(was, after.at(key))
              << "[" << otherTag << "] " << otherName << "[" << otherIndex << "]";
        }
      }
      if (generate.IsOnlyCrLf()) {
        EXPECT_TRUE(HasOnlyCrLfLineEnds(UPreference::GetData()));
      }

      ASSERT_EQ(UPreference::kNoErr, UPreference::SaveFile(file, 0, 0));
      ASSERT_EQ(UPreference::kNoErr, UPreference::LoadFile(file));
      EXPECT_EQ(after, ReadEverything());
      if (HasFailure()) {
        UPreference::CleanUp();
        return;
      }
    }
  }
  UPreference::CleanUp();
  fs::remove(file);
}

} // namespace
