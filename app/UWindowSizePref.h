#pragma once

#include <QSize>

#include <optional>

// The project window size the preferences hold ("General Settings"), which every new project
// window takes, and the width a new window will have.
class UWindowSizePref {
public:
  // The stored size, when one is stored.
  static std::optional<QSize> Load();
  static void Save(const QSize& size);
  // The stored width, else the width of the primary screen.
  static int TargetWindowWidth();
};
