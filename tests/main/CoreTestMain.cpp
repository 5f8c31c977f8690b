#include "support/TestHome.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  BrisTest::TestHome home;
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
