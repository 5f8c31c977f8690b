// The index's search and CSlotQuery must agree exactly: the full-text index only narrows the
// candidates, so a slot it fails to offer would be missing from the Find window while the
// project window's filter shows it.
#include "index/CLibraryIndex.h"

#include "domain/CSlotQuery.h"
#include "support/ProjectFixture.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

using Bris::CParameter;
using Bris::CSlotQuery;

// Letters of both cases, characters of two and three bytes (some that differ only in case
// outside ASCII), and the characters a full-text query treats specially.
const std::vector<std::string> kAlphabet = {"a",
                                            "A",
                                            "b",
                                            "B",
                                            "c",
                                            "x",
                                            "1",
                                            " ",
                                            "\"",
                                            "*",
                                            "-",
                                            "\xC3\xA9",
                                            "\xC3\x89",
                                            "\xE3\x81\xAF",
                                            "\xE6\x97\xA5",
                                            "(",
                                            ":",
                                            "\r",
                                            "'",
                                            "^"};

struct SSlot {
  CParameter::EDataType kind;
  int slotNumber;
  std::string name;
  std::vector<std::string> memos;
};

std::string RandomText(std::mt19937& random, std::size_t maxBytes) {
  std::uniform_int_distribution<std::size_t> pick(0, kAlphabet.size() - 1);
  std::uniform_int_distribution<std::size_t> length(0, 8);
  std::string text;
  for (std::size_t n = length(random); n > 0; --n) {
    const std::string& c = kAlphabet[pick(random)];
    if (text.size() + c.size() > maxBytes) {
      break;
    }
    text += c;
  }
  return text;
}

// A query from pieces of the texts (with the case of ASCII letters flipped at random) and from
// random characters, one to three words.
std::string RandomQuery(std::mt19937& random, const std::vector<SSlot>& slots) {
  std::uniform_int_distribution<int> words(1, 3);
  std::string query;
  for (int w = words(random); w > 0; --w) {
    std::string word;
    if (random() % 3 == 0) {
      word = RandomText(random, 6);
    } else {
      const SSlot& slot = slots[random() % slots.size()];
      const std::string& field = random() % 2 == 0 ? slot.name : slot.memos[random() % 4];
      if (field.empty()) {
        continue;
      }
      const std::size_t begin = random() % field.size();
      word = field.substr(begin, 1 + random() % 5);
      for (char& c : word) {
        if (std::isalpha(static_cast<unsigned char>(c)) && random() % 2 == 0) {
          c = static_cast<char>(c ^ 0x20);
        }
      }
    }
    query += word + (random() % 2 == 0 ? " " : "\t");
  }
  return query;
}

TEST(SearchAgreementTest, IndexFindsExactlyWhatCSlotQueryMatches) {
  std::mt19937 random(20240617);
  BrisTest::TempFolder library;
  BrisTest::TempFolder data;
  BrisTest::ProjectBuilder builder(library.Path(), "Random");
  std::vector<SSlot> slots;
  std::set<std::pair<int, int>> used;
  while (slots.size() < 300) {
    SSlot slot{static_cast<CParameter::EDataType>(random() % 3),
               static_cast<int>(1 + random() % 500),
               RandomText(random, 12),
               {}};
    // A name must make a file name the store reads back as that name.
    if (slot.name.empty() || slot.name.find_first_of(" \r") == 0 ||
        slot.name.find_first_of("/\r") != std::string::npos ||
        !used.insert({slot.kind, slot.slotNumber}).second) {
      continue;
    }
    for (int line = 0; line < CParameter::kMemoLineCount; ++line) {
      slot.memos.push_back(RandomText(random, 40));
      builder.Memo(slot.kind, slot.slotNumber, line, slot.memos.back());
    }
    if (slot.kind == CParameter::kPatch) {
      builder.Patch(slot.slotNumber, BrisTest::PatchFile(slot.name));
    } else if (slot.kind == CParameter::kTone) {
      builder.Tone(slot.slotNumber, BrisTest::ToneFile(slot.name));
    } else {
      builder.Wave(slot.slotNumber, slot.name);
    }
    slots.push_back(slot);
  }
  builder.Write();
  Bris::CLibraryIndex index(data / "index.sqlite");
  ASSERT_TRUE(index.Update({library.Path()}).completed);
  ASSERT_EQ(index.Search("", 100000).size(), slots.size());

  for (int round = 0; round < 400; ++round) {
    const std::string text = RandomQuery(random, slots);
    SCOPED_TRACE("query [" + text + "]");
    const CSlotQuery query(text);
    std::set<std::pair<int, int>> expected;
    for (const auto& slot : slots) {
      if (query.Matches(slot.name, slot.memos)) {
        expected.insert({slot.kind, slot.slotNumber});
      }
    }
    std::set<std::pair<int, int>> found;
    for (const auto& slot : index.Search(text, 100000)) {
      found.insert({slot.kind, slot.slotNumber});
    }
    ASSERT_EQ(found, expected);
  }
}

} // namespace
