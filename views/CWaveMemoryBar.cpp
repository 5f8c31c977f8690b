#include "views/CWaveMemoryBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kBarWidth = 120;
constexpr int kBarHeight = 8;

} // namespace

// The bar itself: a frame, the solid share and the forecast's lighter one.
class CWaveMemoryBar::CBar : public QWidget {
public:
  CBar(const CWaveMemoryBar& owner, QWidget* parent) : QWidget(parent), mOwner(owner) {
    setFixedSize(kBarWidth, kBarHeight + 2);
  }

protected:
  void paintEvent(QPaintEvent* /*event*/) override {
    const Bris::CWaveMemoryMeter& meter = mOwner.GetMeter();
    QPainter painter(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(frame, palette().color(QPalette::Base));
    const int inner = frame.width() - 1;
    const auto widthOf = [inner](std::uint64_t bytes) {
      return static_cast<int>(Bris::CWaveMemoryMeter::FractionOf(bytes) * inner + 0.5);
    };
    const int used = widthOf(meter.GetUsedBytes());
    const int shown = widthOf(meter.GetShownBytes());
    const QColor color = ColorOf(meter.GetState(), palette());
    const QRect area = frame.adjusted(1, 1, 0, 0);
    painter.fillRect(QRect(area.left(), area.top(), std::min(used, shown), area.height()), color);
    if (shown != used) {
      // What the drop or import adds, or what a replacement would free.
      QColor light = color;
      light.setAlpha(110);
      const int from = std::min(used, shown);
      painter.fillRect(QRect(area.left() + from, area.top(), std::abs(shown - used), area.height()),
                       light);
    }
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(frame);
  }

private:
  const CWaveMemoryBar& mOwner;
};

CWaveMemoryBar::CWaveMemoryBar(QWidget* parent) : QWidget(parent) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(6);
  mBar = new CBar(*this, this);
  mBar->setObjectName(QStringLiteral("Wbar"));
  mNote = new QLabel(this);
  mNote->setObjectName(QStringLiteral("Wfct"));
  mNote->hide();
  layout->addWidget(mBar, 0, Qt::AlignVCenter);
  layout->addWidget(mNote);
  Update();
}

void CWaveMemoryBar::SetUsedBytes(std::uint64_t usedBytes) {
  mMeter.SetUsedBytes(usedBytes);
  Update();
}

void CWaveMemoryBar::ShowForecast(const Bris::SWaveMemoryForecast& forecast,
                                  Bris::CWaveMemoryMeter::EOperation operation) {
  mMeter.SetForecast(forecast, operation);
  Update();
}

void CWaveMemoryBar::ClearForecast() {
  if (mMeter.HasForecast()) {
    mMeter.ClearForecast();
    Update();
  }
}

QColor CWaveMemoryBar::ColorOf(Bris::CWaveMemoryMeter::EState state, const QPalette& palette) {
  switch (state) {
  case Bris::CWaveMemoryMeter::EState::kAmber:
    return QColor(0xE6, 0x9A, 0x00);
  case Bris::CWaveMemoryMeter::EState::kRed:
    return QColor(0xD0, 0x2B, 0x2B);
  case Bris::CWaveMemoryMeter::EState::kNormal:
    break;
  }
  return palette.color(QPalette::Highlight);
}

void CWaveMemoryBar::Update() {
  const QString tip = QString::fromStdString(mMeter.Describe());
  setToolTip(tip);
  mBar->setToolTip(tip);
  const QString note = QString::fromStdString(mMeter.DescribeForecast());
  mNote->setText(note);
  mNote->setVisible(!note.isEmpty());
  if (mMeter.IsForecastRefused()) {
    QPalette warning = mNote->palette();
    warning.setColor(QPalette::WindowText, ColorOf(Bris::CWaveMemoryMeter::EState::kRed, warning));
    mNote->setPalette(warning);
  } else {
    mNote->setPalette(palette());
  }
  mBar->update();
}
