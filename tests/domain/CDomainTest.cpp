#include "domain/CDomain.h"

#include "Zel/Generic/CZelTextOut.h"
#include "domain/CZelData.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

using namespace Bris;

namespace {

// Counts the live objects, so that a double delete or a leak shows in the count.
class CCountingTextOut : public CZelTextOut {
public:
  CCountingTextOut() { ++sLive; }
  ~CCountingTextOut() override { --sLive; }
  void Write(int code) override { mLastCode = code; }
  static int sLive;
  int mLastCode = 0;
};
int CCountingTextOut::sLive = 0;

class CDomainChannels : public ::testing::Test {
protected:
  void SetUp() override { Domain().Initialize(); }
  void TearDown() override { Domain().Initialize(); }
};

class CDomainUndo : public ::testing::Test {
protected:
  void SetUp() override { Domain().ClearUndoDoc(); }
  void TearDown() override { Domain().ClearUndoDoc(); }

  static void SetTone(CZelData& data, unsigned int toneIndex, const std::string& path) {
    data.mTones.Get(toneIndex)->SetFilePath(path);
  }
  static std::string TonePath(CZelData& data, unsigned int toneIndex) {
    return data.mTones.Get(toneIndex)->GetFilePath();
  }
};

} // namespace

TEST_F(CDomainChannels, SameObjectInTwoChannels_IsDeletedOnceWhenTheLastLetsGo) {
  auto* shared = new CCountingTextOut;
  Domain().SetErrorOut(shared);
  Domain().SetBufferedErrorOut(shared);

  Domain().SetErrorOut(new CCountingTextOut);
  EXPECT_EQ(CCountingTextOut::sLive, 2);
  EXPECT_EQ(Domain().GetBufferedErrorOut(), shared);

  Domain().SetBufferedErrorOut(nullptr);
  EXPECT_EQ(CCountingTextOut::sLive, 1);

  // Held by every channel, installed twice in one: Initialize still deletes it once.
  shared = new CCountingTextOut;
  for (int id = 0; id < CDomain::kTextOutCount; ++id) {
    Domain().SetTextOut(static_cast<CDomain::ETextOutId>(id), shared);
  }
  Domain().SetTextOut(CDomain::kErrorOut, shared);
  Domain().Initialize();
  EXPECT_EQ(CCountingTextOut::sLive, 0);
  EXPECT_EQ(Domain().GetErrorOut(), nullptr);
}

TEST_F(CDomainChannels, LatestErrorCodeReachesTheBufferedChannel) {
  auto* buffered = new CCountingTextOut;
  Domain().SetBufferedErrorOut(buffered);

  Domain().SetLatestErrorCode(8);

  EXPECT_EQ(buffered->mLastCode, 8);
  EXPECT_EQ(Domain().GetLatestErrorCode(), 8);
}

TEST_F(CDomainUndo, UndoThenRedo_OverTwoDataSets) {
  CZelData target;
  CZelData source;
  SetTone(target, 0, "target-before");
  SetTone(source, 5, "source-before");
  ASSERT_TRUE(Domain().CopyToUndoBuffer(CDomain::kUndoAll, &target));
  ASSERT_TRUE(Domain().CopyToUndoBuffer(CDomain::kUndoAll, &source));
  EXPECT_EQ(Domain().GetUndoDoc(0), &target);
  EXPECT_EQ(Domain().GetUndoDoc(1), &source);
  EXPECT_EQ(Domain().GetNextUndoManager(), -1);

  SetTone(target, 0, "target-after");
  SetTone(source, 5, "");
  target.mWaves.Get(3)->SetFilePath("new wave");

  Domain().Undo();
  EXPECT_EQ(TonePath(target, 0), "target-before");
  EXPECT_EQ(TonePath(source, 5), "source-before");
  EXPECT_TRUE(target.mWaves.Get(3)->IsBlank());
  EXPECT_TRUE(Domain().IsUndoReady());

  Domain().Undo();
  EXPECT_EQ(TonePath(target, 0), "target-after");
  EXPECT_EQ(TonePath(source, 5), "");
  EXPECT_EQ(target.mWaves.Get(3)->GetFilePath(), "new wave");
}

TEST_F(CDomainUndo, SavingOnlyTones_RestoresOnlyTones) {
  CZelData data;
  SetTone(data, 2, "tone");
  ASSERT_TRUE(Domain().CopyToUndoBuffer(CDomain::kUndoTones, &data));

  SetTone(data, 2, "");
  data.mTones.Get(2)->AddPatchIndex(4, false);
  data.mPatches.Get(4)->GetPatchTone(0).SetToneNumber(3);

  Domain().Undo();

  EXPECT_EQ(TonePath(data, 2), "tone");
  EXPECT_TRUE(data.mTones.Get(2)->GetPatchIndexes().empty());
  EXPECT_EQ(data.mPatches.Get(4)->GetPatchTone(0).GetToneNumber(), 3);
}

TEST_F(CDomainUndo, SavingTheSameDataSetTwice_KeepsOneSlotAndTheFirstSnapshot) {
  CZelData data;
  SetTone(data, 0, "first");
  ASSERT_TRUE(Domain().CopyToUndoBuffer(CDomain::kUndoTones, &data));
  SetTone(data, 0, "second");
  ASSERT_TRUE(Domain().CopyToUndoBuffer(CDomain::kUndoAll, &data));
  EXPECT_EQ(Domain().GetNextUndoManager(), 1);
  SetTone(data, 0, "edited");

  Domain().Undo();
  EXPECT_EQ(TonePath(data, 0), "first");
  Domain().Undo();
  EXPECT_EQ(TonePath(data, 0), "edited");
}

TEST_F(CDomainUndo, FlagsAndSlotsControlWhatUndoTouches) {
  CZelData data;
  SetTone(data, 0, "saved");
  ASSERT_TRUE(Domain().CopyToUndoBuffer(CDomain::kUndoAll, &data));
  SetTone(data, 0, "current");

  Domain().ClearUndoReady();
  Domain().Undo();
  EXPECT_EQ(TonePath(data, 0), "current");
  EXPECT_TRUE(Domain().IsUndoReady()); // the data set pointer stays

  Domain().ClearUndoDoc();
  EXPECT_FALSE(Domain().IsUndoReady());
  EXPECT_FALSE(Domain().CopyToUndoBuffer(CDomain::kUndoAll, nullptr));
  ASSERT_TRUE(Domain().CopyToUndoBuffer(3, &data)); // an unknown kind saves nothing
  Domain().Undo();
  EXPECT_EQ(TonePath(data, 0), "current");

  CZelData other;
  CZelData third;
  Domain().SetUndoDoc(&other);
  EXPECT_EQ(Domain().GetNextUndoManager(), -1);
  EXPECT_FALSE(Domain().CopyToUndoBuffer(CDomain::kUndoAll, &third));
  EXPECT_FALSE(Domain().IsUndoDoc(&third));
}

TEST(CDomainFileSize, MissingEmptyAndRealFiles) {
  const std::filesystem::path folder = std::filesystem::path(std::getenv("HOME")) / "filesize";
  std::filesystem::create_directories(folder);
  { std::ofstream(folder / "empty.wav", std::ios::binary); }
  {
    std::ofstream real(folder / "real.wav", std::ios::binary);
    real << std::string(1500, 'x');
  }

  CDomain domain;
  EXPECT_EQ(domain.GetFileSize(""), 0u);
  EXPECT_EQ(domain.GetFileSize((folder / "missing.wav").string()), 0u);
  EXPECT_EQ(domain.GetFileSize((folder / "empty.wav").string()), 0u);
  EXPECT_EQ(domain.GetFileSize((folder / "real.wav").string()), 1500u);
  EXPECT_EQ(domain.GetFileSize(folder.string()), 0u);

  // The path goes through the delimiter: with another one the "/" path no longer names the file.
  domain.SetPathDelimiter(":");
  EXPECT_EQ(domain.GetFileSize((folder / "real.wav").string()), 0u);
}

TEST(CDomainRegistry, ModifiedDataSetsAndAllDocumentsInRegistrationOrder) {
  CDomain domain;
  CZelData first;
  CZelData second;
  auto* documentA = reinterpret_cast<CZelFileDocument*>(&first);
  auto* documentB = reinterpret_cast<CZelFileDocument*>(&second);
  bool secondModified = true;
  domain.RegisterOpenDocument({documentA, &first, [] { return false; }});
  domain.RegisterOpenDocument({documentB, &second, [&] { return secondModified; }});
  domain.RegisterOpenDocument({nullptr, &first, [] { return true; }});

  EXPECT_EQ(domain.GetModifiedZelData(), std::vector<CZelData*>({&second}));
  EXPECT_EQ(domain.GetOpenFileDocuments(), std::vector<CZelFileDocument*>({documentA, documentB}));

  domain.RegisterOpenDocument({documentA, &first, [] { return true; }});
  secondModified = false;
  EXPECT_EQ(domain.GetModifiedZelData(), std::vector<CZelData*>({&first}));

  domain.UnregisterOpenDocument(documentA);
  EXPECT_EQ(domain.GetOpenFileDocuments(), std::vector<CZelFileDocument*>({documentB}));
}

TEST(CDomainReset, GivesTheStateOfANewContextAndDeletesTheChannelObjects) {
  CDomain domain;
  CZelData data;
  auto* document = reinterpret_cast<CZelFileDocument*>(&data);
  domain.SetErrorOut(new CCountingTextOut);
  domain.SetBufferedErrorOut(domain.GetErrorOut());
  domain.SetLatestErrorCode(5);
  domain.SetPathDelimiter(":");
  domain.SetWorkFolderPath("/somewhere/");
  domain.SetCleanOption(CDomain::kKeepToneNumbers, 1);
  domain.GetClipboard().mPatches.Resize(3);
  domain.GetClipboard().mCopy = 1;
  domain.CopyToUndoBuffer(CDomain::kUndoAll, &data);
  domain.RegisterOpenDocument({document, &data, [] { return true; }});
  domain.TakeTempIndex();
  domain.TakeTempIndex();
  domain.SetWriteStoppedPartWay();

  domain.Reset();

  const CDomain fresh;
  EXPECT_EQ(CCountingTextOut::sLive, 0);
  EXPECT_EQ(domain.GetErrorOut(), nullptr);
  EXPECT_EQ(domain.GetLatestErrorCode(), 0);
  EXPECT_EQ(domain.GetPathDelimiter(), fresh.GetPathDelimiter());
  EXPECT_EQ(domain.GetWorkFolderPath(), "");
  EXPECT_EQ(domain.GetCleanOption(CDomain::kKeepToneNumbers), 0);
  EXPECT_EQ(domain.GetClipboard().mPatches.size(), 0u);
  EXPECT_EQ(domain.GetClipboard().mCopy, 0);
  EXPECT_FALSE(domain.IsUndoReady());
  EXPECT_FALSE(domain.IsUndoDoc(&data));
  EXPECT_TRUE(domain.GetOpenDocuments().empty());
  EXPECT_EQ(domain.TakeTempIndex(), 0);
  EXPECT_FALSE(domain.IsWriteStoppedPartWay());
}
