#include "formats/CMemoFile.h"

#include "domain/CConcreteParameterArray.h"
#include "domain/CPatch.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

namespace {

using Bris::CMemoFile;

Bris::CConcreteParameterArray<Bris::CPatch> Records(unsigned long count) {
  Bris::CConcreteParameterArray<Bris::CPatch> records;
  records.Resize(count);
  return records;
}

TEST(CMemoFileTest, Read_PutsLineKIntoMemoKMod4OfSlotKDiv4) {
  auto records = Records(3);
  std::istringstream in("a1\na2\na3\na4\nb1\nb2\n");
  CMemoFile::Read(in, records);
  EXPECT_EQ(records[0]->GetMemo(3), "a4");
  EXPECT_EQ(records[1]->GetMemo(1), "b2"); // line 6
  EXPECT_EQ(records[1]->GetMemo(2), "");   // fewer lines leave the rest empty
  EXPECT_EQ(records[2]->GetMemo(0), "");
}

TEST(CMemoFileTest, Read_KeepsCarriageReturnsAndTakesALastLineWithoutLineFeed) {
  auto records = Records(1);
  std::istringstream in("dos line\r\n\nlast");
  CMemoFile::Read(in, records);
  EXPECT_EQ(records[0]->GetMemo(0), "dos line\r");
  EXPECT_EQ(records[0]->GetMemo(1), "");
  EXPECT_EQ(records[0]->GetMemo(2), "last");
}

TEST(CMemoFileTest, Read_CutsOverlongLinesWithoutShiftingTheNextMemos) {
  auto records = Records(2);
  const std::string longLine(1024 * 1024, 'x');
  std::istringstream in(std::string(1023, 'y') + "\n" + longLine + "\nthird\n" + longLine);
  CMemoFile::Read(in, records);
  EXPECT_EQ(records[0]->GetMemo(0), std::string(1023, 'y'));
  EXPECT_EQ(records[0]->GetMemo(1), std::string(1023, 'x'));
  EXPECT_EQ(records[0]->GetMemo(2), "third");
  EXPECT_EQ(records[0]->GetMemo(3), std::string(1023, 'x'));
  EXPECT_EQ(records[1]->GetMemo(0), "");
}

TEST(CMemoFileTest, Read_IgnoresLinesBeyondTheLastSlot) {
  auto records = Records(2);
  std::ostringstream text;
  for (int line = 0; line < 10000; ++line) {
    text << "line " << line << "\n";
  }
  std::istringstream in(text.str());
  CMemoFile::Read(in, records);
  EXPECT_EQ(records[1]->GetMemo(3), "line 7");
  EXPECT_EQ(records.size(), 2u);
}

// A project's memo files are read from their whole bytes; that reading must take every input
// exactly as the stream reading does (line ends, empty and overlong lines, zero bytes, the end).
TEST(CMemoFileTest, ReadText_TakesEveryInputAsTheStreamReadingDoes) {
  std::mt19937 random(20261208);
  const char alphabet[] = {'a', 'b', ' ', '\n', '\n', '\r', '\0', 'z'};
  for (int round = 0; round < 400; ++round) {
    std::string text;
    const int pieces = static_cast<int>(random() % 24);
    for (int piece = 0; piece < pieces; ++piece) {
      // Now and then a run long enough to pass the line limit.
      const std::size_t run = random() % 8 == 0 ? 1000 + random() % 100 : random() % 4;
      text.append(run, alphabet[random() % sizeof(alphabet)]);
    }
    const unsigned long slots = 1 + random() % 3;
    auto streamed = Records(slots);
    std::istringstream in(text);
    CMemoFile::Read(in, streamed);
    auto cut = Records(slots);
    CMemoFile::ReadText(text, cut);
    for (unsigned long slot = 0; slot < slots; ++slot) {
      for (int line = 0; line < Bris::CParameter::kMemoLineCount; ++line) {
        ASSERT_EQ(cut[slot]->GetMemo(line), streamed[slot]->GetMemo(line))
            << "round " << round << ", slot " << slot << ", line " << line;
      }
    }
  }
}

TEST(CMemoFileTest, Write_FourLinesPerRecordAndNeverALineFeedInsideAMemo) {
  auto records = Records(2);
  records[0]->SetMemo(0, "first");
  records[0]->SetMemo(2, "pasted\nsecond line");
  records[1]->SetMemo(3, std::string("cut here\0hidden", 15));
  std::ostringstream out;
  CMemoFile::Write(out, records);
  EXPECT_EQ(out.str(), "first\n\npasted second line\n\n\n\n\ncut here\n");

  auto reread = Records(2);
  std::istringstream in(out.str());
  CMemoFile::Read(in, reread);
  EXPECT_EQ(reread[1]->GetMemo(3), "cut here");
  EXPECT_EQ(reread[0]->GetMemo(2), "pasted second line");
}

TEST(CMemoFileTest, FileNames) {
  EXPECT_STREQ(CMemoFile::FileName(Bris::CParameter::kPatch), "PatchMemo.txt");
  EXPECT_STREQ(CMemoFile::FileName(Bris::CParameter::kTone), "ToneMemo.txt");
  EXPECT_STREQ(CMemoFile::FileName(Bris::CParameter::kWave), "WaveMemo.txt");
  EXPECT_EQ(CMemoFile::FileName(static_cast<Bris::CParameter::EDataType>(3)), nullptr);
}

} // namespace
