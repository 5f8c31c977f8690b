#include "views/CTableMarquee.h"

#include "views/CBaseTableView.h"

#include <algorithm>

namespace {

constexpr int kMarqueeScrollIntervalMs = 50;

} // namespace

CTableMarquee::CTableMarquee(CBaseTableView& view) : mView(view) {
  mTimer.setInterval(kMarqueeScrollIntervalMs);
  QObject::connect(&mTimer, &QTimer::timeout, &mTimer, [this] { AutoScroll(); });
}

void CTableMarquee::Begin(const QPoint& local) {
  mTracking = true;
  mShown = false;
  mLastMouse = local;
  mAnchor = mView.LocalToImagePoint(ClampToFrame(local));
  mRect = QRect();
}

void CTableMarquee::TrackTo(const QPoint& local) {
  if (!mTracking) {
    return;
  }
  mLastMouse = local;
  const QRect newRect = QRect(mAnchor, mView.LocalToImagePoint(ClampToFrame(local))).normalized();
  if (newRect != mRect) {
    const QRect oldRect = mRect;
    mRect = newRect;
    mShown = true;
    UpdateSelection(oldRect, newRect);
    mView.viewport()->update();
  }
  const bool outside = !mView.viewport()->rect().contains(local);
  if (outside && !mTimer.isActive()) {
    mTimer.start();
  } else if (!outside) {
    mTimer.stop();
  }
}

void CTableMarquee::End() {
  mTimer.stop();
  mTracking = false;
  mShown = false;
  mRect = QRect();
  mView.viewport()->update();
}

QPoint CTableMarquee::ClampToFrame(const QPoint& local) const {
  const QSize size = mView.viewport()->size();
  return QPoint(std::clamp(local.x(), 0, std::max(0, size.width() - 1)),
                std::clamp(local.y(), 0, std::max(0, size.height() - 1)));
}

void CTableMarquee::GetRowSpan(const QRect& imageRect, int& firstRow, int& lastRow) const {
  firstRow = 1;
  lastRow = 0;
  const int rowHeight = mView.GetRowHeight();
  const int imageWidth = mView.GetColLeft(mView.GetColCount() + 1);
  const int imageHeight = mView.GetShownRowCount() * rowHeight;
  if (imageRect.isEmpty() || imageRect.left() >= imageWidth || imageRect.right() < 0 ||
      imageRect.top() >= imageHeight || imageRect.bottom() < 0) {
    return;
  }
  firstRow = std::max(0, imageRect.top()) / rowHeight + 1;
  lastRow = std::min(imageHeight - 1, imageRect.bottom()) / rowHeight + 1;
}

void CTableMarquee::UpdateSelection(const QRect& oldRect, const QRect& newRect) {
  int oldFirst = 0;
  int oldLast = 0;
  int newFirst = 0;
  int newLast = 0;
  GetRowSpan(oldRect, oldFirst, oldLast);
  GetRowSpan(newRect, newFirst, newLast);
  const int from = std::min(oldFirst, newFirst);
  const int to = std::max(oldLast, newLast);
  // Rows that entered or left the marquee change state; the others keep theirs.
  for (int row = from; row <= to; ++row) {
    const bool inOld = row >= oldFirst && row <= oldLast;
    const bool inNew = row >= newFirst && row <= newLast;
    if (inOld != inNew) {
      mView.mSelection.Toggle(mView.GetRowAtPosition(row), mView.GetRowCount());
    }
  }
  mView.SelectReferredItems();
}

void CTableMarquee::AutoScroll() {
  if (!mTracking) {
    mTimer.stop();
    return;
  }
  const QSize size = mView.viewport()->size();
  QPoint position = mView.GetScrollPosition();
  if (mLastMouse.y() < 0) {
    position.ry() -= mView.GetRowHeight();
  } else if (mLastMouse.y() >= size.height()) {
    position.ry() += mView.GetRowHeight();
  }
  if (mLastMouse.x() < 0) {
    position.rx() -= mView.GetHorizontalScrollUnit();
  } else if (mLastMouse.x() >= size.width()) {
    position.rx() += mView.GetHorizontalScrollUnit();
  }
  mView.ScrollImageTo(position);
  TrackTo(mLastMouse);
}
