#include "EditingFixture.h"

namespace BrisTest {
namespace {

using Bris::CParameter;
using Bris::CParameterMid;

class PasteChecksTest : public EditingFixture {
protected:
  static std::vector<unsigned int> Rows(unsigned int count) {
    std::vector<unsigned int> rows;
    for (unsigned int i = 0; i < count; ++i) {
      rows.push_back(i);
    }
    return rows;
  }
};

TEST_F(PasteChecksTest, BlocksThatJustFitArePastedAndOneMoreSlotIsRefusedSilently) {
  struct SCase {
    CParameter::EDataType kind;
    bool insert;
    unsigned int first;
    unsigned int count;
    bool fits;
  };
  const SCase cases[] = {
      {CParameter::kPatch, true, 510, 2, true},  {CParameter::kPatch, true, 511, 2, false},
      {CParameter::kTone, true, 893, 3, true},   {CParameter::kTone, false, 894, 3, false},
      {CParameter::kWave, true, 990, 9, true},   {CParameter::kWave, true, 990, 10, false},
      {CParameter::kWave, false, 994, 5, true},  {CParameter::kWave, false, 995, 5, false},
      {CParameter::kPatch, false, 512, 1, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "kind " << c.kind << " first " << c.first << " count "
                                      << c.count << (c.insert ? " insert" : " replace"));
    CZelData source;
    CZelData target;
    for (unsigned int i = 0; i < c.count; ++i) {
      UseSlot(source, c.kind, i, "N");
    }
    UseSlot(target, c.kind, 0, "Kept");
    Bris::Domain().ClearUndoDoc();
    mOut->Forget();
    const DataSetSnapshot before(target);

    const int pasted =
        PerformDrop({&source, &target, c.kind, Rows(c.count), c.first, c.insert, true});

    EXPECT_TRUE(mOut->Questions().empty());
    EXPECT_TRUE(mOut->Errors().empty());
    if (c.fits) {
      EXPECT_EQ(pasted, static_cast<int>(c.count));
      EXPECT_EQ((*target.GetArray(c.kind))[c.first + c.count - 1]->GetName(), "N");
      EXPECT_TRUE(Bris::Domain().IsUndoReady());
    } else {
      EXPECT_EQ(pasted, 0);
      EXPECT_TRUE(before.Matches(target));
      EXPECT_FALSE(Bris::Domain().IsUndoReady());
    }
    EXPECT_TRUE(IsConsistent(target));
  }
}

TEST_F(PasteChecksTest, NothingToPaste_IsRefusedSilently) {
  EXPECT_EQ(mMid.EditInsert(*mA, 0, CParameter::kTone, true), 0);
  EXPECT_FALSE(mMid.EditReplace(*mA, 0, CParameter::kWave, false));
  EXPECT_FALSE(mMid.ConfirmEditInsert(*mA, 0, CParameter::kPatch, true, Clipboard().mPatches));
  EXPECT_TRUE(mOut->Questions().empty());
  EXPECT_FALSE(Bris::Domain().IsUndoReady());
}

TEST_F(PasteChecksTest, ReplaceAsksQuestion10OnlyWhenAUsedSlotIsOverwritten) {
  UseSlot(*mA, CParameter::kPatch, 0, "A");
  UseSlot(*mA, CParameter::kPatch, 1, "B");
  UseSlot(*mB, CParameter::kPatch, 7, "Used");

  ASSERT_EQ(PerformDrop({mA.get(), mB.get(), CParameter::kPatch, {0, 1}, 5, false, true}), 2);
  EXPECT_TRUE(mOut->Questions().empty());

  ASSERT_EQ(PerformDrop({mA.get(), mB.get(), CParameter::kPatch, {0, 1}, 6, false, true}), 2);
  EXPECT_EQ(mOut->Questions(), (std::vector<int>{10}));
  EXPECT_EQ(mOut->QuestionTypes(), (std::vector<CZelTextOut::EDialogType>{CZelTextOut::kOkCancel}));
}

TEST_F(PasteChecksTest, CancelledQuestion_ChangesNeitherTheDataSetNorTheUndoBuffer) {
  // GIVEN an earlier edit waiting in the undo buffer
  UseAllBut(*mB, CParameter::kTone, {});
  UseSlot(*mA, CParameter::kTone, 0, "New");
  const DataSetSnapshot beforeEarlierEdit(*mB);
  ASSERT_TRUE(mMid.EditDelete(*mB, {3}, CParameter::kTone, true, true));
  const DataSetSnapshot beforeCancel(*mB);

  for (bool insert : {true, false}) {
    mOut->QueueAnswer(CZelTextOut::kAnswerCancel);
    mOut->Forget();
    EXPECT_EQ(PerformDrop({mA.get(), mB.get(), CParameter::kTone, {0}, 0, insert, false}), 0);
    EXPECT_EQ(mOut->Questions(), (std::vector<int>{insert ? 11 : 10}));
    EXPECT_TRUE(beforeCancel.Matches(*mB));
    EXPECT_TRUE(mA->mTones.Get(0)->GetName() == "New"); // a refused move deletes nothing
  }

  // THEN the undo buffer still undoes the earlier edit, and only that
  EXPECT_EQ(Bris::Domain().GetUndoDoc(0), mB.get());
  EXPECT_EQ(Bris::Domain().GetUndoDoc(1), nullptr);
  Bris::Domain().Undo();
  EXPECT_TRUE(beforeEarlierEdit.Matches(*mB));
}

TEST_F(PasteChecksTest, QuestionComesBeforeTheFreeSlotCheck) {
  // GIVEN a full target without a free wave slot, and a tone playing a wave
  UseSlot(*mA, CParameter::kTone, 0, "T");
  UseSlot(*mA, CParameter::kWave, 0, "W");
  PlayWave(*mA, 0, 0, 0, 1);
  UseAllBut(*mB, CParameter::kTone, {});
  UseAllBut(*mB, CParameter::kWave, {});

  EXPECT_EQ(PerformDrop({mA.get(), mB.get(), CParameter::kTone, {0}, 0, true, true}), 0);
  EXPECT_EQ(mOut->Questions(), (std::vector<int>{11}));
  EXPECT_EQ(mOut->Errors(), (std::vector<int>{6}));

  mOut->Forget();
  mOut->QueueAnswer(CZelTextOut::kAnswerCancel);
  EXPECT_EQ(PerformDrop({mA.get(), mB.get(), CParameter::kTone, {0}, 0, true, true}), 0);
  EXPECT_TRUE(mOut->Errors().empty());
}

TEST_F(PasteChecksTest, WaveMemory_ExactlyTheLimitPassesOneByteMoreIsError8) {
  const std::uintmax_t limit = CParameterMid::kWaveMemoryLimit;
  UseSlot(*mB, CParameter::kWave, 0, "Big", MakeFile("big.wav", limit - 1000));
  UseSlot(*mA, CParameter::kWave, 0, "Fits", MakeFile("fits.wav", 1000));
  UseSlot(*mA, CParameter::kWave, 1, "TooBig", MakeFile("toobig.wav", 1001));

  EXPECT_EQ(PerformDrop({mA.get(), mB.get(), CParameter::kWave, {1}, 5, true, true}), 0);
  EXPECT_EQ(mOut->Errors(), (std::vector<int>{8}));
  EXPECT_TRUE(mB->mWaves.Get(5)->IsBlank());

  EXPECT_EQ(PerformDrop({mA.get(), mB.get(), CParameter::kWave, {0}, 5, true, true}), 1);
  EXPECT_EQ(mOut->Errors().size(), 1u);
}

TEST_F(PasteChecksTest, WaveMemory_ReplacedWavesGiveTheirRoomBack) {
  const std::uintmax_t limit = CParameterMid::kWaveMemoryLimit;
  UseSlot(*mB, CParameter::kWave, 0, "Old", MakeFile("old.wav", limit / 2));
  UseSlot(*mB, CParameter::kWave, 1, "Keep", MakeFile("keep.wav", limit / 2));
  UseSlot(*mA, CParameter::kWave, 0, "New", MakeFile("new.wav", limit / 2));

  // inserting would exceed the limit, replacing wave 1 frees its room
  EXPECT_EQ(PerformDrop({mA.get(), mB.get(), CParameter::kWave, {0}, 2, true, true}), 0);
  EXPECT_EQ(mOut->Errors(), (std::vector<int>{8}));
  EXPECT_EQ(PerformDrop({mA.get(), mB.get(), CParameter::kWave, {0}, 0, false, true}), 1);
  EXPECT_EQ(mB->mWaves.Get(0)->GetName(), "New");
}

TEST_F(PasteChecksTest, WaveMemory_CopyOfWavesInOneProjectAddsTheirSize) {
  const std::uintmax_t limit = CParameterMid::kWaveMemoryLimit;
  UseSlot(*mA, CParameter::kWave, 0, "A", MakeFile("a.wav", limit / 2 + 1));

  EXPECT_EQ(PerformDrop({mA.get(), mA.get(), CParameter::kWave, {0}, 3, true, true}), 0);
  EXPECT_EQ(mOut->Errors(), (std::vector<int>{8}));
}

TEST_F(PasteChecksTest, WaveMemory_CopyOfPatchesInOneProjectAddsNoWaves) {
  // GIVEN a project whose waves fill the memory exactly, and a patch playing them
  const std::uintmax_t limit = CParameterMid::kWaveMemoryLimit;
  UseSlot(*mA, CParameter::kWave, 0, "A", MakeFile("a.wav", limit / 2));
  UseSlot(*mA, CParameter::kWave, 1, "B", MakeFile("b.wav", limit / 2));
  UseSlot(*mA, CParameter::kTone, 0, "T");
  UseSlot(*mA, CParameter::kPatch, 0, "P");
  PlayTone(*mA, 0, 0, 1);
  PlayWave(*mA, 0, 0, 0, 1);
  PlayWave(*mA, 0, 0, 1, 2);

  // WHEN the patch is copied inside the project it plays the same waves: no room is needed
  EXPECT_EQ(PerformDrop({mA.get(), mA.get(), CParameter::kPatch, {0}, 1, true, true}), 1);
  EXPECT_TRUE(mOut->Errors().empty());
  EXPECT_EQ(ToneNumber(*mA, 1, 0), 1);

  // but pasted into another project its waves come along and must fit there
  UseSlot(*mB, CParameter::kWave, 0, "C", MakeFile("c.wav", 2));
  EXPECT_EQ(PerformDrop({mA.get(), mB.get(), CParameter::kPatch, {0}, 0, true, true}), 0);
  EXPECT_EQ(mOut->Errors(), (std::vector<int>{8}));
}

TEST_F(PasteChecksTest, WaveMemory_TargetAlreadyOverTheLimitRefusesAnyPaste) {
  UseSlot(*mB, CParameter::kWave, 0, "Huge",
          MakeFile("huge.wav", CParameterMid::kWaveMemoryLimit + 1));
  UseSlot(*mA, CParameter::kPatch, 0, "P");

  EXPECT_EQ(PerformDrop({mA.get(), mB.get(), CParameter::kPatch, {0}, 0, true, true}), 0);
  EXPECT_EQ(mOut->Errors(), (std::vector<int>{8}));
}

} // namespace
} // namespace BrisTest
