#pragma once

#include <functional>
#include <random>
#include <string>

namespace Bris {
class CZelData;
}

namespace BrisTest {

// How much of each list a random data set uses, as shares of the slots (0..1).
struct SDataSetShape {
  double patchShare = 0.1;
  double toneShare = 0.1;
  double waveShare = 0.1;
  // Share of references that name a blank slot, as reading leaves them for missing files.
  double staleShare = 0.05;
};

// Fills a new data set at random: used slots scattered over the whole of each list (the ends
// included), names and memo lines, patches playing tones and tone sections playing waves, a few
// references to blank slots, wave-type sections without a wave and wave-number bytes in sections
// of other types; then the back-reference lists built from the numbers, as reading does.
void FillRandomDataSet(Bris::CZelData& data, std::mt19937& random, const SDataSetShape& shape);

// Fills a new data set with every slot used: each patch plays two tones and each tone plays a
// few waves. The wave file paths come from waveFilePath(index) when given, else made-up paths.
void FillFullDataSet(Bris::CZelData& data, unsigned int seed,
                     const std::function<std::string(unsigned int)>& waveFilePath = {});

} // namespace BrisTest
