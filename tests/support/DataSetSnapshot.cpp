#include "support/DataSetSnapshot.h"

#include "domain/CZelData.h"

#include <algorithm>

namespace BrisTest {

namespace {

using Bris::CParameter;

constexpr std::size_t kMaxDifferencesPerList = 5;

// The first field in which two records differ, or "" when they are equal.
std::string CommonFieldDifference(const CParameter& expected, const CParameter& actual) {
  if (expected.GetFilePath() != actual.GetFilePath()) {
    return "file path '" + actual.GetFilePath() + "' instead of '" + expected.GetFilePath() + "'";
  }
  if (expected.GetName() != actual.GetName()) {
    return "name '" + actual.GetName() + "' instead of '" + expected.GetName() + "'";
  }
  if (expected.GetSpare() != actual.GetSpare()) {
    return "spare string";
  }
  for (int line = 0; line < CParameter::kMemoLineCount; ++line) {
    if (expected.GetMemo(line) != actual.GetMemo(line)) {
      return "memo line " + std::to_string(line);
    }
  }
  return "";
}

std::string RecordDifference(const Bris::CPatch& expected, const Bris::CPatch& actual) {
  std::string difference = CommonFieldDifference(expected, actual);
  for (int i = 0; difference.empty() && i < Bris::CPatch::kPatchToneCount; ++i) {
    if (expected.GetPatchTone(i).mData != actual.GetPatchTone(i).mData) {
      difference = "patch tone " + std::to_string(i) + " bytes (tone number " +
                   std::to_string(actual.GetPatchTone(i).GetToneNumber()) + " instead of " +
                   std::to_string(expected.GetPatchTone(i).GetToneNumber()) + ")";
    }
  }
  return difference;
}

std::string RecordDifference(const Bris::CTone& expected, const Bris::CTone& actual) {
  std::string difference = CommonFieldDifference(expected, actual);
  for (int o = 0; difference.empty() && o < Bris::CTone::kOscCount; ++o) {
    if (expected.GetOsc(o).mData != actual.GetOsc(o).mData) {
      difference = "oscillator " + std::to_string(o) + " bytes";
    }
  }
  if (difference.empty() && expected.GetPatchIndexes() != actual.GetPatchIndexes()) {
    difference = "patch back-reference list";
  }
  return difference;
}

std::string RecordDifference(const Bris::CWave& expected, const Bris::CWave& actual) {
  std::string difference = CommonFieldDifference(expected, actual);
  if (difference.empty() && expected.GetToneIndexes() != actual.GetToneIndexes()) {
    difference = "tone back-reference list";
  }
  return difference;
}

template <class T>
void CompareArrays(const char* kind, const Bris::CConcreteParameterArray<T>& expected,
                   const Bris::CConcreteParameterArray<T>& actual,
                   std::vector<std::string>& differences) {
  if (expected.size() != actual.size()) {
    differences.push_back(std::string(kind) + " list holds " + std::to_string(actual.size()) +
                          " records instead of " + std::to_string(expected.size()));
    return;
  }
  std::size_t found = 0;
  for (std::size_t i = 0; i < expected.size() && found < kMaxDifferencesPerList; ++i) {
    const T* before = expected.Get(i);
    const T* now = actual.Get(i);
    if (before == nullptr || now == nullptr) {
      if (before != now) {
        differences.push_back(std::string(kind) + " " + std::to_string(i) + ": null record");
        ++found;
      }
      continue;
    }
    const std::string difference = RecordDifference(*before, *now);
    if (!difference.empty()) {
      differences.push_back(std::string(kind) + " " + std::to_string(i) + ": " + difference);
      ++found;
    }
  }
}

void CompareNames(const char* kind, const std::vector<std::string>& expected,
                  const std::vector<std::string>& actual, std::vector<std::string>& differences) {
  if (expected != actual) {
    differences.push_back(std::string(kind) + " original-name list differs");
  }
}

} // namespace

DataSetSnapshot::DataSetSnapshot(const Bris::CZelData& data)
    : mPatches(data.mPatches), mTones(data.mTones), mWaves(data.mWaves),
      mPatchOriginalNames(data.mPatchOriginalNames), mToneOriginalNames(data.mToneOriginalNames),
      mWaveOriginalNames(data.mWaveOriginalNames), mProjectPath(data.mProjectPath) {}

std::vector<std::string> DataSetSnapshot::Differences(const Bris::CZelData& data) const {
  std::vector<std::string> differences;
  CompareArrays("patch", mPatches, data.mPatches, differences);
  CompareArrays("tone", mTones, data.mTones, differences);
  CompareArrays("wave", mWaves, data.mWaves, differences);
  CompareNames("patch", mPatchOriginalNames, data.mPatchOriginalNames, differences);
  CompareNames("tone", mToneOriginalNames, data.mToneOriginalNames, differences);
  CompareNames("wave", mWaveOriginalNames, data.mWaveOriginalNames, differences);
  if (mProjectPath != data.mProjectPath) {
    differences.push_back("project path differs");
  }
  return differences;
}

::testing::AssertionResult DataSetSnapshot::Matches(const Bris::CZelData& data) const {
  const auto differences = Differences(data);
  if (differences.empty()) {
    return ::testing::AssertionSuccess();
  }
  auto failure = ::testing::AssertionFailure();
  failure << "data set differs from the snapshot:";
  for (const auto& difference : differences) {
    failure << "\n  " << difference;
  }
  return failure;
}

} // namespace BrisTest
