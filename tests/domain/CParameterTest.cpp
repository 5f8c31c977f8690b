#include "domain/CParameter.h"
#include "domain/CWave.h"

#include <gtest/gtest.h>

#include <string>

using Bris::CWave;

namespace {

std::string FinalName(const std::string& text, bool fromFileName) {
  CWave record;
  record.SetFinalName(text, fromFileName);
  return record.GetName();
}

bool IsPresetWave(const std::string& filePath) {
  CWave record;
  record.SetFilePath(filePath);
  return record.IsPresetWave();
}

} // namespace

TEST(CParameterSetFinalName, FromFilePath_KeepsOnlyTheSlotName) {
  EXPECT_EQ(FinalName("/x/Demo.prj/Patch/001 Warm Pad.p00", true), "Warm Pad");
  EXPECT_EQ(FinalName("/a/b c d.w00", true), "c d");
  EXPECT_EQ(FinalName("P001", true), "P001");
  EXPECT_EQ(FinalName("x.y.z", true), "x.y");
  // A dot in a folder name must not cut the name.
  EXPECT_EQ(FinalName("/a.prj/Wave/012 Bell", true), "Bell");
}

TEST(CParameterSetFinalName, EmptyString_GivesEmptyNameWithEitherFlag) {
  EXPECT_EQ(FinalName("", true), "");
  EXPECT_EQ(FinalName("", false), "");
}

TEST(CParameterSetFinalName, CutsToTwelveBytes_WithEitherFlag) {
  EXPECT_EQ(FinalName("A very long name", false), "A very long ");
  EXPECT_EQ(FinalName("twelve bytes", false), "twelve bytes");
  EXPECT_EQ(FinalName("thirteen byte", false), "thirteen byt");
  EXPECT_EQ(FinalName("/p/001 A very long name.wav", true), "A very long ");
  // Bytes are counted, not characters: "é" takes two.
  EXPECT_EQ(FinalName("\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", false).size(),
            12u);
}

TEST(CParameterIsPresetWave, TrueOnlyForInstrumentWaveExtensionInAnyCase) {
  EXPECT_TRUE(IsPresetWave("/p.prj/Wave/001 Bell.w00"));
  EXPECT_TRUE(IsPresetWave("/p.prj/Wave/001 Bell.W00"));
  EXPECT_FALSE(IsPresetWave("/work/001 Bell.wav"));
  EXPECT_FALSE(IsPresetWave(""));
  EXPECT_FALSE(IsPresetWave("/p.prj/Wave/001 Bell.w001"));
  EXPECT_FALSE(IsPresetWave("/p.w00/Wave/001 Bell"));
}
