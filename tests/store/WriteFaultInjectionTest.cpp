#include "store/CBriselDocument.h"

#include "domain/CDomain.h"
#include "store/WriteFixture.h"
#include "support/DataSetBuilder.h"
#include "support/ProjectFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>

namespace {

namespace fs = std::filesystem;
using Bris::CParameter;
using BrisTest::BytesOutsideReferenceBlocks;
using BrisTest::FaultyDocument;
using BrisTest::FolderContents;
using BrisTest::ReadFolder;

constexpr CParameter::EDataType kKinds[] = {CParameter::kPatch, CParameter::kTone,
                                            CParameter::kWave};

// Project A of 14 patches, 10 tones and 9 waves (wave 9 an imported ".wav"), and project B,
// opened with unsaved changes, so that one write of A moves, renames, deletes, imports and
// shelters many files:
//   patches 2, 5 and 9, tone 3 and wave 2 deleted, then everything closed up by a clean that
//   also drops the unused tones 9-10 and waves 7-8; patch 1 and tone 1 renamed in place; patch 1
//   copied into slot 20; a wave imported from outside; B holding a paste of A's patch 6.
class Scenario {
public:
  explicit Scenario(const std::string& parent) : mParent(parent) {
    BrisTest::ProjectBuilder builder(parent, "Big");
    for (int patch = 1; patch <= 14; ++patch) {
      builder.Patch(patch, BrisTest::PatchFile("P" + std::to_string(patch))
                               .Part(0, (patch - 1) % 8 + 1)
                               .FillSeed(static_cast<std::uint32_t>(400 + patch)));
    }
    for (int tone = 1; tone <= 10; ++tone) {
      BrisTest::ToneFile file("T" + std::to_string(tone));
      file.Wave(0, tone % 6 + 1).FillSeed(static_cast<std::uint32_t>(500 + tone));
      if (tone == 2) {
        file.Wave(1, 9);
      }
      builder.Tone(tone, file);
    }
    for (int wave = 1; wave <= 8; ++wave) {
      builder.Wave(wave, "W" + std::to_string(wave), static_cast<std::uint64_t>(700 + wave));
    }
    builder.Wave(9, "Voice", 333, ".wav").Memo(CParameter::kPatch, 4, 0, "moves with patch 4");
    mProjectA = builder.Write();
    mProjectB = BrisTest::ProjectBuilder(parent, "Other").Write();
    fs::create_directory(parent + "/in");
    std::ofstream(parent + "/in/Snare.wav", std::ios::binary) << "imported audio bytes";
  }

  void OpenAndEdit(FaultyDocument& a, FaultyDocument& b) {
    ASSERT_TRUE(BrisTest::OpenProject(a, mProjectA));
    ASSERT_TRUE(BrisTest::OpenProject(b, mProjectB));
    Bris::CZelData& data = a.GetZelData();
    b.GetZelData().mPatches.ReplaceAt(0, data.mPatches.Get(5)->Clone());
    for (unsigned patchIndex : {1u, 4u, 8u}) {
      data.mPatches[patchIndex]->Initialize();
      data.mPatches.Get(patchIndex)->ClearPatchTone();
    }
    data.mTones[2]->Initialize();
    data.mWaves[1]->Initialize();
    BrisTest::RebuildBackReferences(data);
    for (int option = 0; option < Bris::CDomain::kCleanOptionCount; ++option) {
      Bris::Domain().SetCleanOption(option, 0);
    }
    ASSERT_TRUE(a.CleanProject());
    data.mPatches[0]->SetFinalName("Renamed", false);
    data.mTones[0]->SetFinalName("TR", false);
    data.mPatches.ReplaceAt(19, data.mPatches[0]->Clone());
    const unsigned blankWave = data.GetDeletedIndexes(CParameter::kWave).front();
    data.mWaves[blankWave]->SetFilePath(mParent + "/in/Snare.wav");
    data.mWaves[blankWave]->SetFinalName("Snare", false);
  }

  const std::string& ProjectA() const { return mProjectA; }

private:
  std::string mParent;
  std::string mProjectA;
  std::string mProjectB;
};

// The bytes every record's file holds outside its reference blocks, by kind and slot.
using RecordBytes = std::map<std::pair<int, std::size_t>, std::vector<unsigned char>>;
RecordBytes ReadRecordBytes(const Bris::CZelData& data) {
  RecordBytes bytes;
  for (auto kind : kKinds) {
    const Bris::CParameterArray& records = *data.GetArray(kind);
    for (std::size_t slot = 0; slot < records.size(); ++slot) {
      if (!records[slot]->IsBlank()) {
        bytes[{kind, slot}] = BytesOutsideReferenceBlocks(records[slot]->GetFilePath());
      }
    }
  }
  return bytes;
}

::testing::AssertionResult NoCopyOntoItself(const FaultyDocument& document) {
  for (const auto& [source, destination] : document.mCopies) {
    if (source == destination) {
      return ::testing::AssertionFailure() << "copied " << source << " onto itself";
    }
  }
  return ::testing::AssertionSuccess();
}

class WriteFaultInjectionTest : public BrisTest::WriteTestBase {
protected:
  void TearDown() override {
    for (int option = 0; option < Bris::CDomain::kCleanOptionCount; ++option) {
      Bris::Domain().SetCleanOption(option, 0);
    }
    WriteTestBase::TearDown();
  }
};

TEST_F(WriteFaultInjectionTest, EveryCopyOfALargeWriteFailing_LosesNothingAndTheNextSaveFinishes) {
  FolderContents expected;
  int copyCount = 0;
  {
    Scenario scenario(mTemp / "reference");
    StartFreshDomain();
    FaultyDocument a;
    FaultyDocument b;
    BrisTest::RegisteredDocument registeredA(a);
    BrisTest::RegisteredDocument registeredB(b);
    scenario.OpenAndEdit(a, b);
    ASSERT_TRUE(a.WriteDocument(false));
    EXPECT_FALSE(Bris::Domain().IsWriteStoppedPartWay());
    EXPECT_TRUE(NoCopyOntoItself(a));
    expected = ReadFolder(scenario.ProjectA());
    copyCount = a.mCopyCount;
  }
  ASSERT_GE(copyCount, 25);

  for (int failing = 1; failing <= copyCount; ++failing) {
    SCOPED_TRACE("copy " + std::to_string(failing) + " of " + std::to_string(copyCount) + " fails");
    Scenario scenario(mTemp / ("run" + std::to_string(failing)));
    StartFreshDomain();
    FaultyDocument a;
    FaultyDocument b;
    BrisTest::RegisteredDocument registeredA(a);
    BrisTest::RegisteredDocument registeredB(b);
    scenario.OpenAndEdit(a, b);
    const RecordBytes bytesOfA = ReadRecordBytes(a.GetZelData());
    const RecordBytes bytesOfB = ReadRecordBytes(b.GetZelData());

    a.mFailAtCopy = failing;
    ASSERT_FALSE(a.WriteDocument(false));
    EXPECT_TRUE(Bris::Domain().IsWriteStoppedPartWay())
        << "the work folder may now hold the only copy of a file";
    // Every record, of both projects, still names a file with its own bytes.
    EXPECT_EQ(ReadRecordBytes(a.GetZelData()), bytesOfA);
    EXPECT_EQ(ReadRecordBytes(b.GetZelData()), bytesOfB);
    EXPECT_TRUE(a.IsWritePossible());
    // No broken copy is left behind: the folder as it stands still opens.
    FaultyDocument reopened;
    EXPECT_TRUE(BrisTest::OpenProject(reopened, scenario.ProjectA()));

    a.mFailAtCopy = 0;
    ASSERT_TRUE(a.WriteDocument(false));
    EXPECT_TRUE(NoCopyOntoItself(a));
    EXPECT_EQ(ReadFolder(scenario.ProjectA()), expected);
    EXPECT_EQ(ReadRecordBytes(b.GetZelData()), bytesOfB);
  }
}

} // namespace
