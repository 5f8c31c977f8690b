#pragma once

#include <QFont>
#include <QString>

// The list font is kept in the preferences as a number. Number 0 is the application font; any
// other number is derived from a font family's name, so it stays the same from run to run and
// from machine to machine, and is turned back into a family by searching the installed ones. A
// number that no installed family has falls back to the application font.
class UFontNumber {
public:
  static constexpr short kApplicationFont = 0;

  // A stable number 1..32767 for family.
  static short NumberOfFamily(const QString& family);
  // The installed family whose number is fontNumber; empty for 0 or a number nobody has.
  static QString FamilyOfNumber(short fontNumber);
  // The font of fontNumber at pointSize points (the application font's size when pointSize <= 0).
  static QFont FontOf(short fontNumber, int pointSize);
  // The application font's size in points.
  static int DefaultPointSize();
};
