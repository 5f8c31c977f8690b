#include "framework/UFontNumber.h"

#include <QApplication>
#include <QFontDatabase>
#include <gtest/gtest.h>

namespace {

TEST(UFontNumberTest, EveryInstalledFamily_RoundTripsThroughItsNumber) {
  const QStringList families = QFontDatabase::families();
  ASSERT_FALSE(families.isEmpty());
  for (const QString& family : families) {
    const short number = UFontNumber::NumberOfFamily(family);
    EXPECT_GT(number, 0) << family.toStdString();
    // Two families may share a number; the first installed one with it is found.
    EXPECT_EQ(number, UFontNumber::NumberOfFamily(UFontNumber::FamilyOfNumber(number)))
        << family.toStdString();
  }
}

TEST(UFontNumberTest, NumbersAreStableFromRunToRun) {
  // The preferences file keeps these numbers: the derivation (FNV-1a of the UTF-8 name, folded
  // to 15 bits) must never change. The value was worked out apart from the code.
  EXPECT_EQ(25988, UFontNumber::NumberOfFamily(QStringLiteral("DejaVu Sans")));
  EXPECT_NE(UFontNumber::NumberOfFamily(QStringLiteral("DejaVu Sans")),
            UFontNumber::NumberOfFamily(QStringLiteral("DejaVu Serif")));
}

TEST(UFontNumberTest, ZeroAndUnknownNumbers_GiveTheApplicationFont) {
  EXPECT_TRUE(UFontNumber::FamilyOfNumber(UFontNumber::kApplicationFont).isEmpty());
  const QFont font = UFontNumber::FontOf(UFontNumber::kApplicationFont, 0);
  EXPECT_EQ(QApplication::font().family(), font.family());
  EXPECT_EQ(UFontNumber::DefaultPointSize(), font.pointSize());

  short unused = 1;
  while (!UFontNumber::FamilyOfNumber(unused).isEmpty()) {
    ++unused;
  }
  EXPECT_EQ(QApplication::font().family(), UFontNumber::FontOf(unused, 14).family());
  EXPECT_EQ(14, UFontNumber::FontOf(unused, 14).pointSize());
}

TEST(UFontNumberTest, AKnownNumber_GivesItsFamilyAtTheRequestedSize) {
  const QString family = QFontDatabase::families().value(0);
  const QFont font = UFontNumber::FontOf(UFontNumber::NumberOfFamily(family), 18);
  EXPECT_EQ(family, font.family());
  EXPECT_EQ(18, font.pointSize());
}

} // namespace
