#include "store/CBriselDocument.h"

#include "domain/CDomain.h"
#include "support/ProjectFixture.h"

#include <gtest/gtest.h>

namespace {

using Bris::CParameter;
using BrisTest::PatchFile;
using BrisTest::ProjectBuilder;

class FileNamesUpdateTest : public ::testing::Test {
protected:
  void SetUp() override {
    mProject = ProjectBuilder(mTemp.Path(), "A")
                   .Patch(1, PatchFile("One"))
                   .Patch(3, PatchFile("Old"))
                   .Patch(4, PatchFile("Four"))
                   .Write();
    ASSERT_TRUE(BrisTest::OpenProject(mDocument, mProject));
  }

  std::string PatchPath(const std::string& fileName) const {
    return mProject + "Patch/" + fileName;
  }

  BrisTest::TempFolder mTemp;
  std::string mProject;
  Bris::CBriselDocument mDocument;
  Bris::CZelData& mData = mDocument.GetZelData();
};

TEST_F(FileNamesUpdateTest, Registry_AnswersModifiedDataSetsAndAllDocumentsInOrder) {
  Bris::CBriselDocument other;
  BrisTest::RegisteredDocument first(mDocument, false);
  BrisTest::RegisteredDocument second(other, true);
  EXPECT_EQ(mDocument.GetAllZelData(), std::vector<Bris::CZelData*>{&other.GetZelData()});
  EXPECT_EQ(other.GetAllZelFileDocument(),
            (std::vector<Bris::CZelFileDocument*>{&mDocument, &other}));
  first.SetModified(true);
  EXPECT_EQ(mDocument.GetAllZelData(), (std::vector<Bris::CZelData*>{&mData, &other.GetZelData()}));
}

TEST_F(FileNamesUpdateTest, InitialName_SearchAndRedirectCoverModifiedProjectsOnly) {
  Bris::CBriselDocument other;
  other.GetZelData().mPatches.Get(9)->SetFilePath(PatchPath("003 Old.d00"));
  BrisTest::RegisteredDocument own(mDocument, true);
  BrisTest::RegisteredDocument registered(other, false);
  EXPECT_TRUE(mDocument.SearchInitialName(PatchPath("003 Old.d00"), CParameter::kPatch, false));
  EXPECT_FALSE(mDocument.SearchInitialName(PatchPath("003 Old.d00"), CParameter::kPatch, true));
  EXPECT_FALSE(mDocument.SearchInitialName(PatchPath("003 Old.d00"), CParameter::kTone, false));

  registered.SetModified(true);
  EXPECT_TRUE(mDocument.SearchInitialName(PatchPath("003 Old.d00"), CParameter::kPatch, true));
  EXPECT_TRUE(mDocument.UpdateInitialName(PatchPath("003 Old.d00"), "/work/000 Old.d00",
                                          CParameter::kPatch));
  EXPECT_EQ(mData.mPatches.Get(2)->GetFilePath(), "/work/000 Old.d00");
  EXPECT_EQ(other.GetZelData().mPatches.Get(9)->GetFilePath(), "/work/000 Old.d00");
  EXPECT_FALSE(mDocument.UpdateInitialName(PatchPath("003 Old.d00"), "/x", CParameter::kPatch));
}

TEST_F(FileNamesUpdateTest, AfterAWrite_EverySlotNamesItsTargetAndRenamesReachOtherProjects) {
  Bris::CBriselDocument other;
  other.GetZelData().mPatches.Get(0)->SetFilePath(PatchPath("003 Old.d00"));
  BrisTest::RegisteredDocument own(mDocument, true);
  BrisTest::RegisteredDocument registered(other, true);

  mData.mPatches.Get(2)->SetFinalName("New", false);   // renamed in place
  mData.mPatches.Get(3)->Initialize();                 // slot 4 became blank
  mData.mPatches.Get(5)->SetFilePath("/in/007 X.d00"); // pasted from elsewhere
  mData.mPatches.Get(5)->SetFinalName("Pasted", false);
  EXPECT_TRUE(mDocument.UpdateFileNames(CParameter::kPatch, false));

  EXPECT_EQ(mData.mPatches.Get(0)->GetFilePath(), PatchPath("001 One.d00"));
  EXPECT_EQ(mData.mPatches.Get(2)->GetFilePath(), PatchPath("003 New.d00"));
  EXPECT_EQ(mData.mPatchOriginalNames[2], PatchPath("003 New.d00"));
  EXPECT_EQ(other.GetZelData().mPatches.Get(0)->GetFilePath(), PatchPath("003 New.d00"));
  EXPECT_EQ(mData.mPatchOriginalNames[3], "");
  EXPECT_EQ(mData.mPatches.Get(5)->GetFilePath(), PatchPath("006 Pasted.d00"));
  EXPECT_EQ(mData.mPatchOriginalNames[5], PatchPath("006 Pasted.d00"));
  EXPECT_EQ(mData.mPatchOriginalNames[1], "");
  EXPECT_FALSE(mDocument.UpdateFileNames(static_cast<CParameter::EDataType>(3), false));
}

TEST_F(FileNamesUpdateTest, SaveAs_RedirectsEveryOldFileToTheNewFolder) {
  Bris::CBriselDocument other;
  other.GetZelData().mPatches.Get(0)->SetFilePath(PatchPath("001 One.d00"));
  BrisTest::RegisteredDocument own(mDocument, true);
  BrisTest::RegisteredDocument registered(other, true);
  ASSERT_TRUE(mData.SetProjectName(mTemp / "B.prj/"));
  EXPECT_TRUE(mDocument.UpdateFileNames(CParameter::kPatch, true));
  EXPECT_EQ(mData.mPatches.Get(0)->GetFilePath(), mTemp / "B.prj/Patch/001 One.d00");
  EXPECT_EQ(other.GetZelData().mPatches.Get(0)->GetFilePath(), mTemp / "B.prj/Patch/001 One.d00");
  EXPECT_EQ(mDocument.GetTargetPath(CParameter::kPatch, 3), mTemp / "B.prj/Patch/004 Four.d00");
  EXPECT_EQ(mDocument.GetTargetPath(CParameter::kPatch, 512), "");
}

} // namespace
