#include "views/CMultiScrollerView.h"

#include <QResizeEvent>
#include <QScrollBar>

#include <algorithm>

CMultiScrollerView::CMultiScrollerView(QWidget* parent) : QAbstractScrollArea(parent) {
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

CMultiScrollerView::~CMultiScrollerView() = default;

void CMultiScrollerView::AddLinkedView(CLinkedView* view) {
  if (view == nullptr ||
      std::find(mLinkedViews.begin(), mLinkedViews.end(), view) != mLinkedViews.end()) {
    return;
  }
  mLinkedViews.push_back(view);
  const QPoint position = GetScrollPosition();
  view->ScrollLinkedImageTo(Qt::Horizontal, position.x());
  view->ScrollLinkedImageTo(Qt::Vertical, position.y());
}

void CMultiScrollerView::RemoveLinkedView(CLinkedView* view) {
  mLinkedViews.erase(std::remove(mLinkedViews.begin(), mLinkedViews.end(), view),
                     mLinkedViews.end());
}

void CMultiScrollerView::LinkedViewScrolled(CLinkedView* /*view*/, Qt::Orientation orientation,
                                            int position) {
  if (mScrollingLinked) {
    return;
  }
  // Moving the main view pins every linked view, the one that scrolled included.
  QScrollBar* bar = orientation == Qt::Horizontal ? horizontalScrollBar() : verticalScrollBar();
  bar->setValue(position);
}

QPoint CMultiScrollerView::GetScrollPosition() const {
  return QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

void CMultiScrollerView::ScrollImageTo(const QPoint& position) {
  horizontalScrollBar()->setValue(position.x());
  verticalScrollBar()->setValue(position.y());
}

QPoint CMultiScrollerView::LocalToImagePoint(const QPoint& local) const {
  return local + GetScrollPosition();
}

QPoint CMultiScrollerView::ImageToLocalPoint(const QPoint& image) const {
  return image - GetScrollPosition();
}

QRect CMultiScrollerView::ImageToLocalRect(const QRect& image) const {
  return image.translated(-GetScrollPosition());
}

void CMultiScrollerView::SetImageSize(const QSize& size) {
  if (size == mImageSize) {
    return;
  }
  mImageSize = size;
  AdjustScrollBars();
}

void CMultiScrollerView::SetScrollUnits(int horizontalUnit, int verticalUnit) {
  mHorizontalUnit = std::max(1, horizontalUnit);
  mVerticalUnit = std::max(1, verticalUnit);
  AdjustScrollBars();
}

void CMultiScrollerView::AdjustScrollBars() {
  const QSize visible = viewport()->size();
  QScrollBar* hBar = horizontalScrollBar();
  QScrollBar* vBar = verticalScrollBar();
  hBar->setRange(0, std::max(0, mImageSize.width() - visible.width()));
  vBar->setRange(0, std::max(0, mImageSize.height() - visible.height()));
  hBar->setSingleStep(mHorizontalUnit);
  vBar->setSingleStep(mVerticalUnit);
  // A page is the visible size less one unit, but at least one unit.
  hBar->setPageStep(std::max(1, visible.width() / mHorizontalUnit - 1) * mHorizontalUnit);
  vBar->setPageStep(std::max(1, visible.height() / mVerticalUnit - 1) * mVerticalUnit);
  PinLinkedViews();
}

void CMultiScrollerView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  AdjustScrollBars();
}

void CMultiScrollerView::scrollContentsBy(int /*dx*/, int /*dy*/) {
  viewport()->update();
  PinLinkedViews();
}

void CMultiScrollerView::PinLinkedViews() {
  if (mLinkedViews.empty()) {
    return;
  }
  const bool wasScrolling = mScrollingLinked;
  mScrollingLinked = true;
  const QPoint position = GetScrollPosition();
  for (CLinkedView* view : mLinkedViews) {
    view->ScrollLinkedImageTo(Qt::Horizontal, position.x());
    view->ScrollLinkedImageTo(Qt::Vertical, position.y());
  }
  mScrollingLinked = wasScrolling;
}
