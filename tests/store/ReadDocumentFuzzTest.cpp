#include "store/CBriselDocument.h"

#include "formats/SvdFileLayout.h"
#include "support/ProjectFixture.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using Bris::CParameter;
using BrisTest::PatchFile;
using BrisTest::ProjectBuilder;
using BrisTest::ToneFile;
namespace Layout = Bris::SvdFileLayout;

std::vector<unsigned char> RandomBytes(std::mt19937& random, std::size_t size) {
  std::uniform_int_distribution<int> byte(0, 255);
  std::vector<unsigned char> bytes(size);
  for (auto& b : bytes) {
    b = static_cast<unsigned char>(byte(random));
  }
  return bytes;
}

// Random text that favours the bytes memo reading cares about.
std::string RandomMemoText(std::mt19937& random) {
  const char special[] = {'\n', '\r', '\0', 'x', static_cast<char>(0xC3)};
  std::uniform_int_distribution<int> pick(0, 9);
  std::uniform_int_distribution<std::size_t> length(0, 30000);
  std::string text(length(random), ' ');
  for (auto& c : text) {
    const int p = pick(random);
    c = p < 5 ? special[p] : static_cast<char>('a' + p);
  }
  if (pick(random) == 0) {
    text += std::string(5000, 'L'); // one line longer than a reader takes
  }
  return text;
}

// Whatever was read: no reference list points past a list, and a successful read is complete.
void ExpectConsistent(const Bris::CZelData& data, bool read) {
  for (std::size_t t = 0; t < data.mTones.size(); ++t) {
    for (unsigned patchIndex : data.mTones.Get(t)->GetPatchIndexes()) {
      ASSERT_LT(patchIndex, data.mPatches.size());
      ASSERT_TRUE(data.mPatches.Get(patchIndex)->SearchToneNumber(static_cast<unsigned>(t + 1)));
    }
  }
  for (std::size_t w = 0; w < data.mWaves.size(); ++w) {
    for (unsigned toneIndex : data.mWaves.Get(w)->GetToneIndexes()) {
      ASSERT_LT(toneIndex, data.mTones.size());
      ASSERT_TRUE(data.mTones.Get(toneIndex)->SearchWaveNumber(static_cast<unsigned>(w + 1)));
    }
  }
  if (read) {
    ASSERT_EQ(data.mPatches.size(), 512u);
    ASSERT_EQ(data.mTones.size(), 896u);
    ASSERT_EQ(data.mWaves.size(), 999u);
  }
}

// GIVEN a small valid project WHEN its patch, tone or memo files get random bytes THEN the read
// answers as the damage demands and never reads or links past a buffer or a list.
TEST(ReadDocumentFuzzTest, RandomAndTruncatedFiles_ReadSafelyWithFixedSeeds) {
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    BrisTest::TempFolder temp;
    ProjectBuilder builder(temp.Path());
    builder.Patch(1, PatchFile("P1").Part(0, 2).Part(1, 900))
        .Tone(2, ToneFile("T2").Wave(0, 3).Wave(1, 4000))
        .Wave(3, "W3");

    const int damage = static_cast<int>(seed % 5);
    const bool patchKind = (seed / 5) % 2 == 0;
    const std::size_t minimum = patchKind ? Layout::kPatchMinimumSize : Layout::kToneMinimumSize;
    const std::string target = patchKind ? "Patch/005 Fuzz.d00" : "Tone/005 Fuzz.p00";
    std::vector<unsigned char> bytes =
        patchKind ? PatchFile("Fuzz").Bytes() : ToneFile("Fuzz").Bytes();
    bool expectRead = true;
    switch (damage) {
    case 0: { // random instrument data behind a valid signature: fields are repaired, not refused
      auto noise = RandomBytes(random, bytes.size() + random() % 3000);
      std::copy(bytes.begin(), bytes.begin() + Layout::kSignatureSize, noise.begin());
      bytes = noise;
      break;
    }
    case 1: // cut short
      bytes.resize(random() % minimum);
      expectRead = false;
      break;
    case 2: // random bytes throughout
      bytes = RandomBytes(random, random() % 4000);
      expectRead = false;
      break;
    case 3: // one signature byte changed
      bytes[random() % Layout::kSignatureSize] ^= static_cast<unsigned char>(1 + random() % 255);
      expectRead = false;
      break;
    case 4: // only the memo files are damaged
      for (auto kind : {CParameter::kPatch, CParameter::kTone, CParameter::kWave}) {
        builder.MemoFileText(kind, RandomMemoText(random));
      }
      break;
    }
    builder.RawFile(target, bytes);

    Bris::CBriselDocument document;
    const bool read = BrisTest::OpenProject(document, builder.Write());
    EXPECT_EQ(read, expectRead);
    ExpectConsistent(document.GetZelData(), read);
  }
}

} // namespace
