#include "store/CBriselDocument.h"

#include <gtest/gtest.h>

namespace {

using Bris::CParameter;

struct Listing {
  std::vector<std::string> names;
  std::vector<std::string> useless;
};

// SetOriginalNames on a listing of "/p/Test.prj/Patch/" + each file name.
Listing Assign(const std::list<std::string>& fileNames, CParameter::EDataType kind) {
  std::list<std::string> paths;
  for (const auto& name : fileNames) {
    paths.push_back("/p/Test.prj/Patch/" + name);
  }
  Bris::CBriselDocument document;
  EXPECT_TRUE(document.SetOriginalNames(paths, kind));
  return {*document.GetZelData().GetOriginalNames(kind), document.GetUselessFiles()};
}

std::string P(const std::string& name) {
  return "/p/Test.prj/Patch/" + name;
}

TEST(SetOriginalNamesTest, SecondFileOfASlotIsUselessAndGapsStayEmpty) {
  const auto result = Assign({"003 C.d00", "001 B.d00", "001 A.d00"}, CParameter::kPatch);
  ASSERT_EQ(result.names.size(), 512u);
  EXPECT_EQ(result.names[0], P("001 A.d00"));
  EXPECT_EQ(result.names[1], "");
  EXPECT_EQ(result.names[2], P("003 C.d00"));
  EXPECT_EQ(result.useless, std::vector<std::string>{P("001 B.d00")});
}

TEST(SetOriginalNamesTest, NamesOutsideTheSchemeAreUseless) {
  const auto result = Assign(
      {"000 X.d00", "readme.d00", "1234 X.d00", "001 ABCDEFGHIJKLM.d00", "12 X.d00", "002 .d00"},
      CParameter::kPatch);
  EXPECT_EQ(result.names[1], P("002 .d00")); // an empty name still fits the scheme
  EXPECT_EQ(result.names[0], "");
  std::vector<std::string> useless = result.useless;
  std::sort(useless.begin(), useless.end());
  EXPECT_EQ(useless, (std::vector<std::string>{P("000 X.d00"), P("001 ABCDEFGHIJKLM.d00"),
                                               P("12 X.d00"), P("1234 X.d00"), P("readme.d00")}));
}

TEST(SetOriginalNamesTest, NumbersBeyondTheSlotCountAreNeitherPlacedNorUseless) {
  const auto patches = Assign({"600 X.d00", "512 Last.d00"}, CParameter::kPatch);
  EXPECT_EQ(patches.names[511], P("512 Last.d00"));
  EXPECT_TRUE(patches.useless.empty());
  // The same number is a slot for waves.
  const auto waves = Assign({"600 X.w00"}, CParameter::kWave);
  ASSERT_EQ(waves.names.size(), 999u);
  EXPECT_EQ(waves.names[599], P("600 X.w00"));
}

TEST(SetOriginalNamesTest, SecondFileOfTheLastSlotIsUselessToo) {
  // Otherwise it would stay in the folder and could take the slot at the next open.
  const auto result = Assign({"512 B.d00", "512 A.d00"}, CParameter::kPatch);
  EXPECT_EQ(result.names[511], P("512 A.d00"));
  EXPECT_EQ(result.useless, std::vector<std::string>{P("512 B.d00")});
}

TEST(SetOriginalNamesTest, OtherKindsChangeNothing) {
  Bris::CBriselDocument document;
  EXPECT_TRUE(document.SetOriginalNames({P("001 A.d00")}, static_cast<CParameter::EDataType>(3)));
  EXPECT_TRUE(document.GetUselessFiles().empty());
}

TEST(SetOriginalNamesTest, IndexStrings) {
  EXPECT_EQ(Bris::CZelFileDocument::GetIndexStr(1), "001 ");
  EXPECT_EQ(Bris::CZelFileDocument::GetIndexStr(10), "010 ");
  EXPECT_EQ(Bris::CZelFileDocument::GetIndexStr(100), "100 ");
  EXPECT_EQ(Bris::CZelFileDocument::GetIndexStr(999), "999 ");
  EXPECT_EQ(Bris::CZelFileDocument::GetIndexStr(1000), "1000 ");
}

} // namespace
