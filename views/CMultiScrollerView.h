#pragma once

#include <QAbstractScrollArea>

#include <vector>

// A scroller for one scrolled image (drawn in the viewport) that keeps other views aligned with
// it: a table's column header follows the table's horizontal position. The image position is in
// pixels; the vertical scroll unit is settable (a table uses its row height), and a page moves by
// the visible size less one unit.
class CMultiScrollerView : public QAbstractScrollArea {
  Q_OBJECT

public:
  // A view that follows the scroller. It is told the scroller's image position along one axis and
  // moves its own image there; its other axis stays as it is.
  class CLinkedView {
  public:
    virtual ~CLinkedView() = default;
    virtual void ScrollLinkedImageTo(Qt::Orientation orientation, int position) = 0;
  };

  explicit CMultiScrollerView(QWidget* parent = nullptr);
  ~CMultiScrollerView() override;

  // Linked views are not owned; a linked view removes itself before it goes.
  void AddLinkedView(CLinkedView* view);
  void RemoveLinkedView(CLinkedView* view);
  const std::vector<CLinkedView*>& GetLinkedViews() const { return mLinkedViews; }

  // A linked view scrolled by itself: the main view and the other linked views follow. Ignored
  // while the scroller is moving its linked views, so that the views do not echo into each other.
  void LinkedViewScrolled(CLinkedView* view, Qt::Orientation orientation, int position);

  // The image point shown at the viewport's top-left corner.
  QPoint GetScrollPosition() const;
  void ScrollImageTo(const QPoint& position);

  QSize GetImageSize() const { return mImageSize; }
  int GetVerticalScrollUnit() const { return mVerticalUnit; }
  int GetHorizontalScrollUnit() const { return mHorizontalUnit; }

  // Viewport (local) and image coordinates.
  QPoint LocalToImagePoint(const QPoint& local) const;
  QPoint ImageToLocalPoint(const QPoint& image) const;
  QRect ImageToLocalRect(const QRect& image) const;

protected:
  // A new image size re-adjusts the scroll bars and pins every linked view to the main view.
  void SetImageSize(const QSize& size);
  void SetScrollUnits(int horizontalUnit, int verticalUnit);
  void AdjustScrollBars();

  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

private:
  void PinLinkedViews();

  std::vector<CLinkedView*> mLinkedViews;
  QSize mImageSize;
  int mHorizontalUnit = 16;
  int mVerticalUnit = 16;
  bool mScrollingLinked = false;
};
