#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace Bris {
class CZelData;
}

namespace BrisTest {

// The reference invariants of a data set: every list holds its slot count of records; each
// tone's back-reference list names exactly the patches whose patch tones play it, each wave's
// list exactly the tones whose wave-type sections play it, without repeats; no tone or wave
// number points past its list. Returns one readable line per violation, empty when consistent.
std::vector<std::string> CheckDataSet(const Bris::CZelData& data);

// For EXPECT_TRUE / ASSERT_TRUE: success when CheckDataSet finds nothing, otherwise a failure
// listing the first violations.
::testing::AssertionResult IsConsistent(const Bris::CZelData& data);

} // namespace BrisTest
