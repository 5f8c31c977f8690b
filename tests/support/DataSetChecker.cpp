#include "support/DataSetChecker.h"

#include "domain/CZelData.h"

#include <algorithm>
#include <sstream>

namespace BrisTest {

namespace {

using Bris::CZelData;

std::string Join(const std::vector<unsigned int>& values) {
  std::ostringstream text;
  text << "{";
  const char* separator = "";
  for (unsigned int value : values) {
    text << separator << value;
    separator = ", ";
  }
  text << "}";
  return text.str();
}

void CheckSizes(const CZelData& data, std::vector<std::string>& violations) {
  struct SList {
    const char* name;
    std::size_t size;
    std::size_t names;
    std::size_t expected;
  };
  const SList lists[] = {
      {"patch", data.mPatches.size(), data.mPatchOriginalNames.size(), CZelData::kPatchSlotCount},
      {"tone", data.mTones.size(), data.mToneOriginalNames.size(), CZelData::kToneSlotCount},
      {"wave", data.mWaves.size(), data.mWaveOriginalNames.size(), CZelData::kWaveSlotCount},
  };
  for (const auto& list : lists) {
    if (list.size != list.expected || list.names != list.expected) {
      std::ostringstream text;
      text << "the " << list.name << " list holds " << list.size << " records and " << list.names
           << " original names instead of " << list.expected;
      violations.push_back(text.str());
    }
  }
  for (const auto* array : {static_cast<const Bris::CParameterArray*>(&data.mPatches),
                            static_cast<const Bris::CParameterArray*>(&data.mTones),
                            static_cast<const Bris::CParameterArray*>(&data.mWaves)}) {
    if (std::find(array->mParameters.begin(), array->mParameters.end(), nullptr) !=
        array->mParameters.end()) {
      violations.push_back("a list holds a null record");
    }
  }
}

// The back-reference lists the numbers call for: expected[t] = the referrers of slot t.
std::vector<std::vector<unsigned int>>
PatchesPlayingEachTone(const CZelData& data, std::vector<std::string>& violations) {
  std::vector<std::vector<unsigned int>> expected(data.mTones.size());
  for (unsigned int p = 0; p < data.mPatches.size(); ++p) {
    for (int i = 0; i < Bris::CPatch::kPatchToneCount; ++i) {
      const int toneNumber = data.mPatches.Get(p)->GetPatchTone(i).GetToneNumber();
      if (toneNumber == 0) {
        continue;
      }
      if (static_cast<std::size_t>(toneNumber) > data.mTones.size()) {
        violations.push_back("patch " + std::to_string(p) + " tone " + std::to_string(i) +
                             " plays tone number " + std::to_string(toneNumber) +
                             ", past the tone list");
        continue;
      }
      expected[toneNumber - 1].push_back(p);
    }
  }
  return expected;
}

std::vector<std::vector<unsigned int>> TonesPlayingEachWave(const CZelData& data,
                                                            std::vector<std::string>& violations) {
  std::vector<std::vector<unsigned int>> expected(data.mWaves.size());
  for (unsigned int t = 0; t < data.mTones.size(); ++t) {
    const Bris::CTone* tone = data.mTones.Get(t);
    for (int o = 0; o < Bris::CTone::kOscCount; ++o) {
      for (int s = 0; s < Bris::COsc::kSectionCount; ++s) {
        const int waveNumber = tone->GetOsc(o).GetWaveNumber(s);
        if (waveNumber == 0) {
          continue;
        }
        if (static_cast<std::size_t>(waveNumber) > data.mWaves.size()) {
          violations.push_back("tone " + std::to_string(t) + " osc " + std::to_string(o) +
                               " section " + std::to_string(s) + " plays wave number " +
                               std::to_string(waveNumber) + ", past the wave list");
          continue;
        }
        expected[waveNumber - 1].push_back(t);
      }
    }
  }
  return expected;
}

// Sorted, without repeats.
std::vector<unsigned int> SortedSet(std::vector<unsigned int> values) {
  std::sort(values.begin(), values.end());
  values.erase(std::unique(values.begin(), values.end()), values.end());
  return values;
}

void CompareList(const char* kind, std::size_t index, const std::vector<unsigned int>& list,
                 const std::vector<unsigned int>& referrers, std::size_t referrerCount,
                 const char* referrerKind, std::vector<std::string>& violations) {
  if (list.empty() && referrers.empty()) {
    return;
  }
  const std::vector<unsigned int> listed = SortedSet(list);
  const std::vector<unsigned int> expected = SortedSet(referrers);
  const std::string slot = std::string(kind) + " " + std::to_string(index);
  if (listed.size() != list.size()) {
    violations.push_back(slot + " lists a " + referrerKind + " twice");
  }
  if (!listed.empty() && listed.back() >= referrerCount) {
    violations.push_back(slot + " lists " + referrerKind + " " + std::to_string(listed.back()) +
                         ", past the " + referrerKind + " list");
  }
  if (listed != expected) {
    const std::string plural = std::string(referrerKind) == "patch" ? "patches" : "tones";
    violations.push_back(slot + " lists " + plural + " " + Join(listed) + " but " + Join(expected) +
                         " play it");
  }
}

} // namespace

std::vector<std::string> CheckDataSet(const CZelData& data) {
  std::vector<std::string> violations;
  CheckSizes(data, violations);
  if (!violations.empty()) {
    return violations; // the rest would index by the fixed slot counts
  }
  const auto patchesPlaying = PatchesPlayingEachTone(data, violations);
  for (std::size_t t = 0; t < data.mTones.size(); ++t) {
    CompareList("tone", t, data.mTones.Get(t)->GetPatchIndexes(), patchesPlaying[t],
                data.mPatches.size(), "patch", violations);
  }
  const auto tonesPlaying = TonesPlayingEachWave(data, violations);
  for (std::size_t w = 0; w < data.mWaves.size(); ++w) {
    CompareList("wave", w, data.mWaves.Get(w)->GetToneIndexes(), tonesPlaying[w],
                data.mTones.size(), "tone", violations);
  }
  return violations;
}

::testing::AssertionResult IsConsistent(const CZelData& data) {
  const auto violations = CheckDataSet(data);
  if (violations.empty()) {
    return ::testing::AssertionSuccess();
  }
  auto failure = ::testing::AssertionFailure();
  failure << violations.size() << " violation(s):";
  const std::size_t shown = std::min<std::size_t>(violations.size(), 12);
  for (std::size_t i = 0; i < shown; ++i) {
    failure << "\n  " << violations[i];
  }
  return failure;
}

} // namespace BrisTest
