#pragma once

#include "domain/CDomain.h"
#include "domain/CZelData.h"
#include "editing/CParameterMid.h"
#include "support/DataSetBuilder.h"
#include "support/DataSetChecker.h"
#include "support/DataSetSnapshot.h"
#include "support/DropSimulator.h"
#include "support/ScriptedTextOut.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace BrisTest {

// Two empty projects, a scripted error channel, an empty clipboard and undo buffer.
class EditingFixture : public ::testing::Test {
protected:
  using CParameter = Bris::CParameter;
  using CZelData = Bris::CZelData;

  void SetUp() override {
    mOut = &ScriptedTextOut::InstallAsErrorOut();
    Bris::Domain().ClearUndoDoc();
    Clipboard().Clear();
    Clipboard().mCopy = 1;
    Clipboard().mInsertMode = 0;
  }

  void TearDown() override {
    Clipboard().Clear();
    Bris::Domain().ClearUndoDoc();
    Bris::Domain().SetErrorOut(nullptr);
    if (!mFileFolder.empty()) {
      std::filesystem::remove_all(mFileFolder);
    }
  }

  static Bris::CClipboard& Clipboard() { return Bris::Domain().GetClipboard(); }

  int ToneNumber(const CZelData& data, unsigned int patchIndex, int patchTone) const {
    return data.mPatches.Get(patchIndex)->GetPatchTone(patchTone).GetToneNumber();
  }
  int WaveNumber(const CZelData& data, unsigned int toneIndex, int osc, int section) const {
    return data.mTones.Get(toneIndex)->GetOsc(osc).GetWaveNumber(section);
  }
  const std::vector<unsigned int>& PatchesOf(const CZelData& data, unsigned int toneIndex) const {
    return data.mTones.Get(toneIndex)->GetPatchIndexes();
  }
  const std::vector<unsigned int>& TonesOf(const CZelData& data, unsigned int waveIndex) const {
    return data.mWaves.Get(waveIndex)->GetToneIndexes();
  }

  // Uses every slot of a kind in data except the given ones.
  void UseAllBut(CZelData& data, CParameter::EDataType kind, std::vector<unsigned int> blanks) {
    const unsigned int count = CZelData::GetParameterSize(kind);
    for (unsigned int i = 0; i < count; ++i) {
      if (std::find(blanks.begin(), blanks.end(), i) == blanks.end()) {
        UseSlot(data, kind, i, "S" + std::to_string(i));
      }
    }
  }

  // A real file of the given size (sparse) in a folder removed after the test.
  std::string MakeFile(const std::string& name, std::uintmax_t size) {
    if (mFileFolder.empty()) {
      const char* home = std::getenv("HOME");
      mFileFolder = std::filesystem::path(home != nullptr ? home : "/tmp") /
                    ("editing-files-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
      std::filesystem::create_directories(mFileFolder);
    }
    const auto path = mFileFolder / name;
    std::ofstream(path, std::ios::binary).close();
    std::filesystem::resize_file(path, size);
    return path.string();
  }

  ScriptedTextOut* mOut = nullptr;
  std::unique_ptr<CZelData> mA = std::make_unique<CZelData>();
  std::unique_ptr<CZelData> mB = std::make_unique<CZelData>();
  Bris::CParameterMid mMid;

private:
  std::filesystem::path mFileFolder;
};

} // namespace BrisTest
