#pragma once

#include <QPoint>
#include <QRect>
#include <QTimer>

class CBaseTableView;

// Marquee selection in a list: starts at a viewport point, follows the mouse (clamped to the
// visible frame, scrolling while the mouse is outside it) and toggles the rows it passes over.
class CTableMarquee {
public:
  explicit CTableMarquee(CBaseTableView& view);

  void Begin(const QPoint& local);
  void TrackTo(const QPoint& local);
  void End();
  bool IsTracking() const { return mTracking; }
  // The marquee in image coordinates (empty when none is shown).
  QRect GetRect() const { return mShown ? mRect : QRect(); }

private:
  QPoint ClampToFrame(const QPoint& local) const;
  // Rows (1-based) whose cells intersect the image rectangle: first > last when none.
  void GetRowSpan(const QRect& imageRect, int& firstRow, int& lastRow) const;
  void UpdateSelection(const QRect& oldRect, const QRect& newRect);
  void AutoScroll();

  CBaseTableView& mView;
  bool mTracking = false;
  bool mShown = false;
  QPoint mAnchor;    // image coordinates
  QRect mRect;       // image coordinates
  QPoint mLastMouse; // viewport coordinates
  QTimer mTimer;
};
