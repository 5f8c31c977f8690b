#pragma once

#include "editing/CWaveMemoryMeter.h"

#include <QWidget>

#include <cstdint>

class QLabel;

// The wave-memory meter beside a project's total wave size: a thin bar of the used share of the
// limit (amber above 90 %, red when full), a lighter segment for what a drop or import being
// considered would give, and a short note of that forecast beside it. The tool tip tells the
// numbers.
class CWaveMemoryBar : public QWidget {
  Q_OBJECT

public:
  explicit CWaveMemoryBar(QWidget* parent = nullptr);

  void SetUsedBytes(std::uint64_t usedBytes);
  void ShowForecast(const Bris::SWaveMemoryForecast& forecast,
                    Bris::CWaveMemoryMeter::EOperation operation);
  void ClearForecast();

  const Bris::CWaveMemoryMeter& GetMeter() const { return mMeter; }
  // The note beside the bar (hidden without a forecast).
  const QLabel* GetForecastNote() const { return mNote; }

  // The colour the bar is drawn in for a state.
  static QColor ColorOf(Bris::CWaveMemoryMeter::EState state, const QPalette& palette);

private:
  class CBar;

  void Update();

  Bris::CWaveMemoryMeter mMeter;
  CBar* mBar = nullptr;
  QLabel* mNote = nullptr;
};
