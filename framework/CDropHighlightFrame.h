#pragma once

#include <QWidget>

// A frame drawn over the whole of its parent window while a drag the window would take rests on
// it. It covers the window's children, lets every mouse event through and follows the window's
// size.
class CDropHighlightFrame : public QWidget {
  Q_OBJECT

public:
  explicit CDropHighlightFrame(QWidget& window);

  // Shows the frame on top of the window's children, or hides it.
  void SetHighlighted(bool highlighted);
  bool IsHighlighted() const { return mHighlighted; }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

private:
  bool mHighlighted = false;
};
