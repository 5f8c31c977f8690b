#include "domain/CZelData.h"

#include "domain/CDomain.h"

#include <gtest/gtest.h>

#include <memory>

using namespace Bris;

namespace {

constexpr CParameter::EDataType kPatch = CParameter::kPatch;
constexpr CParameter::EDataType kTone = CParameter::kTone;
constexpr CParameter::EDataType kWave = CParameter::kWave;
const auto kOther = static_cast<CParameter::EDataType>(7);

void Use(CZelData& data, CParameter::EDataType kind, unsigned int index) {
  (*data.GetArray(kind))[index]->SetFilePath("/p.prj/used" + std::to_string(index));
}

} // namespace

TEST(CZelDataBlankSlots, NewDataSetHasOnlyBlankSlots) {
  CZelData data;
  EXPECT_EQ(data.mPatches.size(), 512u);
  EXPECT_EQ(data.mTones.size(), 896u);
  EXPECT_EQ(data.mWaves.size(), 999u);
  EXPECT_EQ(data.mToneOriginalNames.size(), 896u);
  for (auto kind : {kPatch, kTone, kWave}) {
    EXPECT_EQ(data.GetDeletedSize(kind), CZelData::GetParameterSize(kind));
    EXPECT_EQ(data.GetBlankTopIndex(kind), 0u);
    EXPECT_FALSE(data.IsDeleteToInsert(kind, 1));
  }
  EXPECT_EQ(data.GetDeletedSize(kOther), 0u);
  EXPECT_TRUE(data.GetDeletedIndexes(kOther).empty());
  EXPECT_EQ(data.GetArray(kOther), nullptr);
  EXPECT_EQ(CZelData::GetParameterSize(kOther), 0u);
}

TEST(CZelDataBlankSlots, LastSlotUsed_QueriesAtTheEndOfTheList) {
  CZelData data;
  Use(data, kTone, 895);

  EXPECT_EQ(data.GetBlankTopIndex(kTone), 896u);
  EXPECT_TRUE(data.IsDeleteToInsert(kTone, 1));
  EXPECT_TRUE(data.IsDeleteToOverwrite(kTone, 890, 6));
  EXPECT_FALSE(data.IsDeleteToOverwrite(kTone, 890, 5));
  EXPECT_FALSE(data.IsDeleteToInsert(kTone, 0));
  EXPECT_FALSE(data.IsDeleteToInsert(kTone, 897));
  EXPECT_TRUE(data.IsDeleteToInsert(kTone, 896));
  // An unknown kind selects the wave list for the list-end queries.
  EXPECT_EQ(data.GetBlankTopIndex(kOther), 0u);
}

TEST(CZelDataBlankSlots, FirstSlotUsed_QueriesAtTheStartOfTheList) {
  CZelData data;
  Use(data, kWave, 0);

  EXPECT_EQ(data.GetBlankTopIndex(kWave), 1u);
  EXPECT_FALSE(data.IsDeleteToInsert(kWave, 998));
  EXPECT_TRUE(data.IsDeleteToInsert(kWave, 999));
  EXPECT_TRUE(data.IsDeleteToOverwrite(kWave, 0, 1));
  EXPECT_FALSE(data.IsDeleteToOverwrite(kWave, 0, 0));
  EXPECT_FALSE(data.IsDeleteToOverwrite(kWave, 1, 998));
  EXPECT_EQ(data.GetDeletedIndexes(kWave).front(), 1u);
}

TEST(CZelDataBlankSlots, DropFitsOnlyInsideTheList) {
  CZelData data;
  EXPECT_TRUE(data.IsDropEnable(kWave, 998, 1));
  EXPECT_FALSE(data.IsDropEnable(kWave, 998, 2));
  EXPECT_FALSE(data.IsDropEnable(kWave, 999, 0));
  EXPECT_TRUE(data.IsDropEnable(kPatch, 0, 512));
  EXPECT_TRUE(data.IsDropEnable(kOther, 998, 1));
  // A count near the unsigned limit must not wrap around and pass.
  EXPECT_FALSE(data.IsDropEnable(kPatch, 1, 0xFFFFFFFFu));
  EXPECT_FALSE(data.IsDeleteToOverwrite(kPatch, 1, 0xFFFFFFFFu));
}

TEST(CZelDataBlankSlots, DeletedIndexesListTheBlankSlotsAscending) {
  CZelData data;
  for (unsigned int i = 0; i < 10; ++i) {
    Use(data, kPatch, i);
  }
  Use(data, kPatch, 20);
  data.mPatches.Get(30)->SetFinalName("a name alone does not use a slot", false);

  const auto blankIndexes = data.GetDeletedIndexes(kPatch);

  ASSERT_EQ(blankIndexes.size(), 501u);
  EXPECT_EQ(blankIndexes[0], 10u);
  EXPECT_EQ(blankIndexes[9], 19u);
  EXPECT_EQ(blankIndexes[10], 21u);
  EXPECT_EQ(blankIndexes.back(), 511u);
  EXPECT_EQ(data.GetDeletedSize(kPatch), 501u);
}

TEST(CZelDataProjectName, AcceptsOnlyAPathEndingInPrjFolder) {
  CZelData data;
  EXPECT_TRUE(data.SetProjectName("/a/b.c/Demo.prj/"));
  EXPECT_TRUE(data.SetProjectName("/a/Demo.PRJ/"));

  EXPECT_FALSE(data.SetProjectName("/a/Demo.prj"));
  EXPECT_EQ(data.mProjectPath, "/a/Demo.prj"); // stored even when refused
  EXPECT_FALSE(data.SetProjectName("/a/Demo/"));
  EXPECT_FALSE(data.SetProjectName("/a/Demo.prj/x/"));
}

TEST(CZelDataLifetime, DestroyingAnUndoDataSetCancelsThePendingUndo) {
  Domain().ClearUndoDoc();
  auto data = std::make_unique<CZelData>();
  ASSERT_TRUE(Domain().CopyToUndoBuffer(CDomain::kUndoAll, data.get()));

  std::make_unique<CZelData>().reset(); // a data set the undo does not know of
  ASSERT_TRUE(Domain().IsUndoReady());
  data.reset();

  EXPECT_FALSE(Domain().IsUndoReady());
  EXPECT_EQ(Domain().GetNextUndoManager(), 0);
}
