#include "domain/CConcreteParameterArray.h"
#include "domain/CTone.h"

#include <gtest/gtest.h>

#include <string>

using Bris::CConcreteParameterArray;
using Bris::CTone;

namespace {

CConcreteParameterArray<CTone> TonesNamed(std::initializer_list<const char*> paths) {
  CConcreteParameterArray<CTone> tones;
  for (const char* path : paths) {
    auto* tone = new CTone;
    tone->SetFilePath(path);
    tone->AddPatchIndex(7, false);
    tones.mParameters.push_back(tone);
  }
  return tones;
}

} // namespace

TEST(CParameterArrayCopy, CopiesCloneEveryRecordInOrder_AndSelfAssignmentKeepsThem) {
  auto original = TonesNamed({"a", "b"});
  CConcreteParameterArray<CTone> copy(original);
  copy.Get(0)->AddPatchIndex(9, false);
  ASSERT_EQ(copy.size(), 2u);
  EXPECT_NE(copy[0], original[0]);
  EXPECT_EQ(copy.Get(1)->GetFilePath(), "b");
  EXPECT_EQ(original.Get(0)->GetPatchIndexes(), std::vector<unsigned>({7}));

  auto target = TonesNamed({"old1", "old2", "old3"});
  target = copy;
  ASSERT_EQ(target.size(), 2u);
  EXPECT_EQ(target.Get(0)->GetPatchIndexes(), std::vector<unsigned>({7, 9}));
  EXPECT_NE(target[0], copy[0]);

  Bris::CParameter* first = target[0];
  auto& alias = target;
  target = alias;
  ASSERT_EQ(target.size(), 2u);
  EXPECT_EQ(target[0], first);
  EXPECT_EQ(target.Get(0)->GetFilePath(), "a");
}

TEST(CParameterArrayResize, GrowsWithDefaultRecordsAndShrinksFromTheEnd) {
  auto tones = TonesNamed({"a", "b", "c"});

  tones.Resize(5);
  ASSERT_EQ(tones.size(), 5u);
  ASSERT_NE(tones[4], nullptr);
  EXPECT_TRUE(tones.Get(4)->IsBlank());

  tones.Resize(2);
  ASSERT_EQ(tones.size(), 2u);
  EXPECT_EQ(tones.Get(1)->GetFilePath(), "b");

  auto* replacement = new CTone;
  tones.ReplaceAt(1, replacement);
  tones.ReplaceAt(1, replacement); // the record it already holds must not be deleted
  EXPECT_EQ(tones[1], replacement);

  tones.Resize(0);
  EXPECT_EQ(tones.size(), 0u);
}
