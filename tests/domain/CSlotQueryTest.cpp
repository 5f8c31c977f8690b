#include "domain/CSlotQuery.h"

#include "domain/CPatch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Bris::CSlotQuery;
using Range = CSlotQuery::SMatchRange;

const std::vector<std::string> kNoMemos;

TEST(CSlotQueryTest, EveryWordMustOccurInTheNameOrAMemoLineWithoutRegardToCase) {
  const std::vector<std::string> memos = {"", "Bright STRINGS", "", "recorded 2019"};
  EXPECT_TRUE(CSlotQuery("warm").Matches("Warm Pad", memos));
  EXPECT_TRUE(CSlotQuery("  PAD\tstrings ").Matches("Warm Pad", memos));
  EXPECT_TRUE(CSlotQuery("19 ARM").Matches("Warm Pad", memos));
  EXPECT_FALSE(CSlotQuery("warm brass").Matches("Warm Pad", memos));
  // A word is matched inside one field: it never runs from the name into a memo line.
  EXPECT_FALSE(CSlotQuery("padbright").Matches("Warm Pad", memos));
  EXPECT_FALSE(CSlotQuery("bright").Matches("Warm Pad", kNoMemos));
}

TEST(CSlotQueryTest, TextWithoutWordsMatchesEverything) {
  for (const char* text : {"", "   ", "\t\n"}) {
    const CSlotQuery query(text);
    EXPECT_TRUE(query.IsEmpty());
    std::vector<Range> ranges = {{0, 1, 2}};
    EXPECT_TRUE(query.Matches("", kNoMemos, &ranges));
    EXPECT_TRUE(ranges.empty());
  }
}

TEST(CSlotQueryTest, WordsAreFoldedOnceAndKeptInTheOrderTyped) {
  EXPECT_EQ(CSlotQuery("Kick SNARE kick").GetWords(), (std::vector<std::string>{"kick", "snare"}));
  // Only ASCII letters are folded; other bytes, and so the offsets, stay as they are.
  EXPECT_EQ(CSlotQuery::Fold("Caf\xC3\x89 AB"), "caf\xC3\x89 ab");
}

TEST(CSlotQueryTest, RangesGiveEveryOccurrencePerFieldWithOverlapsMerged) {
  const std::vector<std::string> memos = {"no", "Pad pad", "", "PADDING"};
  std::vector<Range> ranges;
  ASSERT_TRUE(CSlotQuery("pad add").Matches("Warm Pad", memos, &ranges));
  EXPECT_EQ(ranges, (std::vector<Range>{{CSlotQuery::kName, 5, 8},
                                        {1, 0, 3},
                                        {1, 4, 7},
                                        {3, 0, 4}})); // "PAD" and "ADD" overlap in "PADD"
  Bris::CPatch patch;
  patch.SetFinalName("Warm Pad", false);
  patch.SetMemo(2, "layered pad");
  ASSERT_TRUE(CSlotQuery("PAD").Matches(patch, &ranges));
  EXPECT_EQ(ranges, (std::vector<Range>{{CSlotQuery::kName, 5, 8}, {2, 8, 11}}));
}

TEST(CSlotQueryTest, NeverMatchesPartOfAMultiByteCharacter) {
  const std::string e = "\xC3\xA9";      // é
  const std::string ha = "\xE3\x81\xAF"; // は
  EXPECT_TRUE(CSlotQuery(e).Matches("caf" + e, kNoMemos));
  EXPECT_TRUE(CSlotQuery(ha).Matches("x" + ha + "y", kNoMemos));
  // The last byte of は alone, or a lead byte without its continuation, is no character.
  EXPECT_FALSE(CSlotQuery("\xAF").Matches("x" + ha, kNoMemos));
  EXPECT_FALSE(CSlotQuery("\xE3\x81").Matches("x" + ha, kNoMemos));
  EXPECT_FALSE(CSlotQuery("\xC3").Matches("caf" + e, kNoMemos));
  std::vector<Range> ranges;
  ASSERT_TRUE(CSlotQuery(ha).Matches("", std::vector<std::string>{ha + ha}, &ranges));
  EXPECT_EQ(ranges, (std::vector<Range>{{0, 0, 6}}));
}

} // namespace
