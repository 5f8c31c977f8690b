#include "Zel/Generic/CZelTextOut.h"

#include "Zel/Generic/CZelTextOutBuffer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Keeps every piece of text the channel emits.
class RecordingTextOut : public CZelTextOut {
public:
  std::vector<std::string> mEmitted;

protected:
  void DoWrite(const std::string& text) override { mEmitted.push_back(text); }
};

} // namespace

TEST(CZelTextOut, Write_IndentsEveryLineStartButNotTheMiddleOfALine) {
  RecordingTextOut out;
  out.Indent(2);

  out.Write(std::string("first\nsecond\n"));
  out.Write(std::string("third "));
  out.Write(std::string("still third\n"));
  out.Indent(2);
  out.Write(std::string("fourth\n\nsixth"));

  EXPECT_EQ(out.mEmitted,
            (std::vector<std::string>{"  first\n  second\n", "  third ", "still third\n",
                                      "    fourth\n    \n    sixth"}));
}

TEST(CZelTextOut, Indent_NeverGoesBelowZero) {
  RecordingTextOut out;
  out.Indent(3);
  out.Indent(-10);
  out.Write(std::string("a\n"));
  out.Indent(1);
  out.Write(std::string("b"));

  EXPECT_EQ(out.mEmitted, (std::vector<std::string>{"a\n", " b"}));
}

TEST(CZelTextOut, FormattedWrite_IsIndentedLikePlainText) {
  RecordingTextOut out;
  out.Indent(1);
  out.Write("(%d) name=[%s]\n", 7, "Bass");
  ASSERT_EQ(out.mEmitted.size(), 1u);
  EXPECT_EQ(out.mEmitted[0], " (7) name=[Bass]\n");
}

TEST(CZelTextOutBuffer, KeepsTheLastCodeAndTheLastText) {
  CZelTextOutBuffer buffer;
  EXPECT_EQ(buffer.GetLastCode(), 0);
  EXPECT_EQ(buffer.GetLastText(), "");

  CZelTextOut& channel = buffer;
  channel.Write(6);
  channel.Write(11);
  channel.Indent(2);
  channel.Write(std::string("one\n"));
  channel.Write(std::string("two"));

  EXPECT_EQ(buffer.GetLastCode(), 11);
  EXPECT_EQ(buffer.GetLastText(), "  two");
}
