#include "views/CHeaderView.h"

#include "views/CTableViewEx.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>
#include <QStyle>
#include <QStyleOptionHeader>

#include <algorithm>

namespace {

constexpr int kTitleInset = 2;
constexpr double kTitleFontScale = 0.9;

} // namespace

CHeaderView::CHeaderView(QWidget* parent) : QWidget(parent) {
  // Titles in a slightly smaller font than the lists, as list headers usually have.
  QFont titleFont = font();
  titleFont.setPointSizeF(titleFont.pointSizeF() * kTitleFontScale);
  setFont(titleFont);
  setMouseTracking(true);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

CHeaderView::~CHeaderView() {
  if (mTable != nullptr) {
    mTable->RemoveLinkedView(this);
  }
}

void CHeaderView::LinkTable(CTableViewEx* table) {
  if (mTable != nullptr && mTable != table) {
    mTable->RemoveLinkedView(this);
  }
  mTable = table;
  if (table == nullptr) {
    return;
  }
  mColWidths.resize(static_cast<std::size_t>(table->GetColCount()), 0);
  for (int col = 1; col <= GetColCount(); ++col) {
    int& width = mColWidths[static_cast<std::size_t>(col - 1)];
    if (width > 0) {
      table->SetColWidth(width, col, col);
    } else {
      width = table->GetColWidth(col);
    }
  }
  table->AddLinkedView(this);
  updateGeometry();
  update();
}

int CHeaderView::GetColWidth(int col) const {
  if (col < 1 || col > GetColCount()) {
    return 0;
  }
  return mColWidths[static_cast<std::size_t>(col - 1)];
}

void CHeaderView::SetColWidth(int width, int fromCol, int toCol) {
  fromCol = std::max(fromCol, 1);
  if (mTable != nullptr) {
    toCol = std::min(toCol, GetColCount());
  } else if (toCol > GetColCount()) {
    mColWidths.resize(static_cast<std::size_t>(toCol), 0);
  }
  width = std::max(1, width);
  for (int col = fromCol; col <= toCol; ++col) {
    mColWidths[static_cast<std::size_t>(col - 1)] = width;
  }
  if (mTable != nullptr && fromCol <= toCol) {
    mTable->SetColWidth(width, fromCol, toCol);
  }
  update();
}

QString CHeaderView::GetCellText(int /*col*/) const {
  return QString();
}

int CHeaderView::GetColLeft(int col) const {
  int left = 0;
  for (int i = 1; i < col && i <= GetColCount(); ++i) {
    left += GetColWidth(i);
  }
  return left;
}

QRect CHeaderView::GetLocalCellRect(int col) const {
  return QRect(GetColLeft(col) - mScrollX, 0, GetColWidth(col), height());
}

bool CHeaderView::PointInResizableSpot(const QPoint& point, int& col) const {
  if (!mResizable) {
    return false;
  }
  for (int c = 1; c <= GetColCount(); ++c) {
    const int right = GetColLeft(c + 1) - mScrollX;
    if (std::abs(point.x() - right) <= kResizeSlop) {
      col = c;
      return true;
    }
  }
  return false;
}

int CHeaderView::ClampSplit(int mouseX) const {
  const int leftLimit = GetColLeft(mResizingCol) - mScrollX + kMinColumnWidth;
  int areaWidth = width();
  if (mTable != nullptr) {
    areaWidth = std::min(areaWidth, mTable->viewport()->width());
  }
  const int rightLimit = std::max(leftLimit, areaWidth - 1);
  return std::clamp(mouseX, leftLimit, rightLimit);
}

bool CHeaderView::BeginResizing(int col, int mouseX) {
  if (!mResizable || col < 1 || col > GetColCount() || !isVisible()) {
    return false;
  }
  mResizingCol = col;
  mSplitX = ClampSplit(mouseX);
  ShowSplitLine();
  return true;
}

void CHeaderView::TrackResizingTo(int mouseX) {
  if (mResizingCol == 0) {
    return;
  }
  mSplitX = ClampSplit(mouseX);
  ShowSplitLine();
}

bool CHeaderView::FinishResizing(int mouseX) {
  if (mResizingCol == 0) {
    return false;
  }
  const int col = mResizingCol;
  mSplitX = ClampSplit(mouseX);
  mResizingCol = 0;
  HideSplitLine();
  const int newWidth = mSplitX - (GetColLeft(col) - mScrollX);
  if (newWidth == GetColWidth(col)) {
    return false;
  }
  SetColWidth(newWidth, col, col);
  return true;
}

bool CHeaderView::TrackResizing(int col, int downX, int upX) {
  if (!BeginResizing(col, downX)) {
    return false;
  }
  return FinishResizing(upX);
}

void CHeaderView::ShowSplitLine() {
  // The line spans the header and the table below it.
  QWidget* host = window();
  if (mSplitLine == nullptr) {
    mSplitLine = new QRubberBand(QRubberBand::Line, host);
  }
  const QPoint top = mapTo(host, QPoint(mSplitX, 0));
  int bottom = mapTo(host, QPoint(0, height())).y();
  if (mTable != nullptr) {
    bottom = std::max(bottom, mTable->mapTo(host, QPoint(0, mTable->height())).y());
  }
  mSplitLine->setGeometry(top.x(), top.y(), 1, bottom - top.y());
  mSplitLine->show();
  mSplitLine->raise();
}

void CHeaderView::HideSplitLine() {
  if (mSplitLine != nullptr) {
    mSplitLine->hide();
  }
}

void CHeaderView::ScrollLinkedImageTo(Qt::Orientation orientation, int position) {
  if (orientation == Qt::Horizontal && position != mScrollX) {
    mScrollX = position;
    update();
  }
}

QSize CHeaderView::sizeHint() const {
  QStyleOptionHeader option;
  option.initFrom(this);
  option.text = QStringLiteral("Number");
  const QSize cell = style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), this);
  return QSize(GetColLeft(GetColCount() + 1), cell.height());
}

QSize CHeaderView::minimumSizeHint() const {
  return QSize(0, sizeHint().height());
}

void CHeaderView::DrawCell(QPainter& painter, int col, const QRect& rect) {
  QStyleOptionHeader option;
  option.initFrom(this);
  option.rect = rect;
  option.section = col - 1;
  option.orientation = Qt::Horizontal;
  option.position = QStyleOptionHeader::Middle;
  if (col == mPressedCol) {
    option.state |= QStyle::State_Sunken;
  } else {
    option.state |= QStyle::State_Raised;
  }
  if (isActiveWindow()) {
    option.state |= QStyle::State_Active;
  } else {
    option.state &= ~QStyle::State_Active;
  }
  style()->drawControl(QStyle::CE_HeaderSection, &option, &painter, this);
  // The title starts where the cells' texts start, and ends in an ellipsis when it is wider
  // than its column.
  const QRect textRect = rect.adjusted(kTitleInset, 0, -kTitleInset, 0);
  const QString title =
      fontMetrics().elidedText(GetCellText(col), Qt::ElideRight, std::max(0, textRect.width()));
  painter.setPen(palette().color(isActiveWindow() ? QPalette::Active : QPalette::Inactive,
                                 QPalette::ButtonText));
  painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, title);
}

void CHeaderView::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  for (int col = 1; col <= GetColCount(); ++col) {
    const QRect rect = GetLocalCellRect(col);
    if (rect.right() < 0 || rect.left() > width()) {
      continue;
    }
    DrawCell(painter, col, rect);
  }
  // The area beyond the last column is drawn as an empty header cell.
  const int end = GetColLeft(GetColCount() + 1) - mScrollX;
  if (end < width()) {
    QStyleOptionHeader option;
    option.initFrom(this);
    option.rect = QRect(end, 0, width() - end, height());
    option.section = GetColCount();
    option.orientation = Qt::Horizontal;
    option.position = QStyleOptionHeader::End;
    style()->drawControl(QStyle::CE_HeaderEmptyArea, &option, &painter, this);
  }
}

void CHeaderView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    return;
  }
  const QPoint point = event->position().toPoint();
  int col = 0;
  if (PointInResizableSpot(point, col)) {
    BeginResizing(col, point.x());
    return;
  }
  for (int c = 1; c <= GetColCount(); ++c) {
    if (GetLocalCellRect(c).contains(point)) {
      mPressedCol = c;
      update();
      break;
    }
  }
}

void CHeaderView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  if (IsResizing()) {
    TrackResizingTo(point.x());
    return;
  }
  int col = 0;
  setCursor(PointInResizableSpot(point, col) ? Qt::SplitHCursor : Qt::ArrowCursor);
}

void CHeaderView::mouseReleaseEvent(QMouseEvent* event) {
  if (IsResizing()) {
    FinishResizing(event->position().toPoint().x());
  }
  if (mPressedCol != 0) {
    mPressedCol = 0;
    update();
  }
}

void CHeaderView::leaveEvent(QEvent* event) {
  if (!IsResizing()) {
    unsetCursor();
  }
  QWidget::leaveEvent(event);
}
