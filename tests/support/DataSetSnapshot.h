#pragma once

#include "domain/CConcreteParameterArray.h"
#include "domain/CPatch.h"
#include "domain/CTone.h"
#include "domain/CWave.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace Bris {
class CZelData;
}

namespace BrisTest {

// A deep copy of a data set, compared field by field with a data set later: every record's file
// path, name, spare string, memo lines, instrument bytes and back-reference list (in order), the
// original-name lists and the project path.
class DataSetSnapshot {
public:
  explicit DataSetSnapshot(const Bris::CZelData& data);

  // One line per difference found (at most a few per list); empty when data equals the copy.
  std::vector<std::string> Differences(const Bris::CZelData& data) const;
  ::testing::AssertionResult Matches(const Bris::CZelData& data) const;

private:
  Bris::CConcreteParameterArray<Bris::CPatch> mPatches;
  Bris::CConcreteParameterArray<Bris::CTone> mTones;
  Bris::CConcreteParameterArray<Bris::CWave> mWaves;
  std::vector<std::string> mPatchOriginalNames;
  std::vector<std::string> mToneOriginalNames;
  std::vector<std::string> mWaveOriginalNames;
  std::string mProjectPath;
};

} // namespace BrisTest
