#include "store/CRecordPathIndex.h"

#include "store/CBriselDocument.h"
#include "store/RecordFilePaths.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <vector>

namespace {

using Bris::CParameter;

constexpr int kRecords = 24;

// Two data sets the index covers and one it does not, their patches naming a few paths only, so
// that redirects meet several records at once and chains of renames occur.
struct SWorld {
  std::array<Bris::CBriselDocument, 3> documents;

  explicit SWorld(unsigned seed) {
    std::mt19937 random(seed);
    for (auto& document : documents) {
      for (int slot = 0; slot < kRecords; ++slot) {
        document.GetZelData().mPatches.Get(slot)->SetFilePath(Path(random() % 6));
      }
    }
  }
  static std::string Path(unsigned number) {
    return number == 0 ? std::string() : "/p/" + std::to_string(number) + ".d00";
  }
  std::vector<Bris::CZelData*> Covered() {
    return {&documents[0].GetZelData(), &documents[1].GetZelData()};
  }
  CParameter& Record(unsigned number) {
    return *documents[number / kRecords % 3].GetZelData().mPatches.Get(number % kRecords);
  }
  std::vector<std::string> Paths() {
    std::vector<std::string> paths;
    for (auto& document : documents) {
      for (int slot = 0; slot < kRecords; ++slot) {
        paths.push_back(document.GetZelData().mPatches.Get(slot)->GetFilePath());
      }
    }
    return paths;
  }
};

TEST(CRecordPathIndexTest, AnySequenceOfRenames_EndsAsTheWalkOverEveryRecordWould) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    SWorld indexed(seed);
    SWorld walked(seed);
    Bris::CRecordPathIndex index(indexed.Covered(), CParameter::kPatch);
    std::mt19937 random(seed * 7919);
    for (int step = 0; step < 60; ++step) {
      const std::string from = SWorld::Path(random() % 7);
      const std::string to = SWorld::Path(random() % 7);
      if (random() % 2 == 0) {
        EXPECT_EQ(index.Redirect(from, to),
                  Bris::RedirectFilePaths(walked.Covered(), CParameter::kPatch, from, to));
      } else {
        const unsigned record = random() % (3 * kRecords);
        index.SetFilePath(indexed.Record(record), to);
        walked.Record(record).SetFilePath(to);
      }
      ASSERT_EQ(indexed.Paths(), walked.Paths()) << "seed " << seed << " step " << step;
    }
  }
}

} // namespace
