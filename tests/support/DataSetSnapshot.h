#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

namespace Bris {
class CZelData;
}

namespace BrisTest {

// A deep copy of a data set, compared field by field with a data set later: every record's file
// path, name, spare string, memo lines, instrument bytes and back-reference list (in order), the
// original-name lists and the project path. The records are kept serialised, field by field, so
// that taking and comparing snapshots stays cheap enough for long randomised runs.
class DataSetSnapshot {
public:
  explicit DataSetSnapshot(const Bris::CZelData& data);

  // One line per difference found (at most a few per list); empty when data equals the copy.
  std::vector<std::string> Differences(const Bris::CZelData& data) const;
  ::testing::AssertionResult Matches(const Bris::CZelData& data) const;

private:
  // The records of one list, serialised one after the other; record i is the bytes from
  // offsets[i] to offsets[i + 1].
  struct SList {
    std::string bytes;
    std::vector<std::size_t> offsets;
  };

  SList mLists[3];
  std::vector<std::string> mOriginalNames[3];
  std::string mProjectPath;
};

} // namespace BrisTest
