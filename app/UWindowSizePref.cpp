#include "app/UWindowSizePref.h"

#include "LibMac/Utility/PreferenceKeys.h"
#include "LibMac/Utility/UPreference.h"

#include <QGuiApplication>
#include <QScreen>

std::optional<QSize> UWindowSizePref::Load() {
  if (UPreference::SeekTag(kPrefGeneralSettings, false)) {
    UPreference::Point size;
    UPreference::GetParamPoint(kPrefWindowSize, size, nullptr);
    if (size.v > 0 && size.h > 0) {
      return QSize(static_cast<int>(size.h), static_cast<int>(size.v));
    }
  }
  return std::nullopt;
}

void UWindowSizePref::Save(const QSize& size) {
  UPreference::SeekTag(kPrefGeneralSettings, true);
  UPreference::Point point;
  point.v = size.height();
  point.h = size.width();
  UPreference::SetParamPoint(kPrefWindowSize, point);
}

int UWindowSizePref::TargetWindowWidth() {
  if (const std::optional<QSize> stored = Load()) {
    return stored->width();
  }
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->availableGeometry().width() : 0;
}
