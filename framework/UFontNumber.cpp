#include "framework/UFontNumber.h"

#include <QApplication>
#include <QByteArray>
#include <QFontDatabase>

#include <cstdint>

namespace {

constexpr int kFallbackPointSize = 12;

} // namespace

short UFontNumber::NumberOfFamily(const QString& family) {
  // FNV-1a over the UTF-8 name, folded to 15 bits; 0 is reserved for the application font.
  std::uint32_t hash = 2166136261u;
  for (const char byte : family.toUtf8()) {
    hash ^= static_cast<unsigned char>(byte);
    hash *= 16777619u;
  }
  const auto folded = static_cast<short>(((hash >> 15) ^ hash) & 0x7FFF);
  return folded == kApplicationFont ? short{1} : folded;
}

QString UFontNumber::FamilyOfNumber(short fontNumber) {
  if (fontNumber == kApplicationFont) {
    return QString();
  }
  const QStringList families = QFontDatabase::families();
  for (const QString& family : families) {
    if (NumberOfFamily(family) == fontNumber) {
      return family;
    }
  }
  return QString();
}

QFont UFontNumber::FontOf(short fontNumber, int pointSize) {
  QFont font = QApplication::font();
  const QString family = FamilyOfNumber(fontNumber);
  if (!family.isEmpty()) {
    font.setFamily(family);
  }
  font.setPointSize(pointSize > 0 ? pointSize : DefaultPointSize());
  return font;
}

int UFontNumber::DefaultPointSize() {
  const int size = QApplication::font().pointSize();
  return size > 0 ? size : kFallbackPointSize;
}
