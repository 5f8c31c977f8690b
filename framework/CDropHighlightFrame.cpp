#include "framework/CDropHighlightFrame.h"

#include <QEvent>
#include <QPainter>
#include <QPen>

namespace {

constexpr int kFrameWidth = 3;

} // namespace

CDropHighlightFrame::CDropHighlightFrame(QWidget& window) : QWidget(&window) {
  setObjectName(QStringLiteral("DropHighlight"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
  hide();
  window.installEventFilter(this);
}

void CDropHighlightFrame::SetHighlighted(bool highlighted) {
  mHighlighted = highlighted;
  if (highlighted) {
    setGeometry(parentWidget()->rect());
    raise(); // above children added since the last time
    show();
  } else {
    hide();
  }
}

bool CDropHighlightFrame::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parentWidget() && event->type() == QEvent::Resize) {
    setGeometry(parentWidget()->rect());
  }
  return QWidget::eventFilter(watched, event);
}

void CDropHighlightFrame::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  QPen pen(palette().color(QPalette::Active, QPalette::Highlight), kFrameWidth);
  pen.setJoinStyle(Qt::MiterJoin);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  const int inset = kFrameWidth / 2;
  painter.drawRect(rect().adjusted(inset, inset, -inset - 1, -inset - 1));
}
