#include "framework/CProgressWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

#include <utility>

namespace {

constexpr int kFileLabelWidth = 360;

} // namespace

CProgressWindow::CProgressWindow(const QString& title, const QString& countFormat, bool cancellable,
                                 QWidget* parent)
    : QDialog(parent), mCountFormat(countFormat) {
  setObjectName(QStringLiteral("Progress"));
  setWindowTitle(title);
  setWindowModality(Qt::ApplicationModal);
  auto* layout = new QVBoxLayout(this);
  mCountLabel = new QLabel(this);
  mCountLabel->setObjectName(QStringLiteral("Count"));
  layout->addWidget(mCountLabel);
  mFileLabel = new QLabel(this);
  mFileLabel->setObjectName(QStringLiteral("File"));
  mFileLabel->setMinimumWidth(kFileLabelWidth);
  mFileLabel->setTextFormat(Qt::PlainText);
  layout->addWidget(mFileLabel);
  mBar = new QProgressBar(this);
  mBar->setObjectName(QStringLiteral("Bar"));
  mBar->setRange(0, 1);
  mBar->setValue(0);
  layout->addWidget(mBar);
  if (cancellable) {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    mCancelButton = new QPushButton(tr("Cancel"), this);
    mCancelButton->setObjectName(QStringLiteral("Cancel"));
    connect(mCancelButton, &QPushButton::clicked, this, &CProgressWindow::Cancel);
    buttons->addWidget(mCancelButton);
    layout->addLayout(buttons);
  }
}

CProgressWindow::~CProgressWindow() = default;

void CProgressWindow::SetShowDelay(int milliseconds) {
  sShowDelayMs = milliseconds < 0 ? 0 : milliseconds;
}

CProgressWindow::StepListener CProgressWindow::SetStepListener(StepListener listener) {
  return std::exchange(sStepListener, std::move(listener));
}

void CProgressWindow::SetStep(std::size_t stepIndex, std::size_t stepCount,
                              const QString& fileName) {
  if (!mSinceFirstStep.isValid()) {
    mSinceFirstStep.start();
  }
  mCountLabel->setText(mCountFormat.arg(stepIndex + 1).arg(stepCount));
  mFileLabel->setText(
      mFileLabel->fontMetrics().elidedText(fileName, Qt::ElideMiddle, kFileLabelWidth));
  mFileLabel->setToolTip(fileName);
  const int count = stepCount > 0 ? static_cast<int>(stepCount) : 1;
  mBar->setRange(0, count);
  mBar->setValue(static_cast<int>(stepIndex));
  if (!isVisible() && mSinceFirstStep.elapsed() >= sShowDelayMs) {
    show();
    raise();
  }
  if (!isVisible()) {
    return;
  }
  LetItPaint();
  if (sStepListener) {
    sStepListener(*this, stepIndex);
  }
  if (sStepPauseMs > 0) {
    QThread::msleep(static_cast<unsigned long>(sStepPauseMs));
    LetItPaint();
  }
}

void CProgressWindow::LetItPaint() {
  // No socket notifiers: a quit signal waits until the operation is done. Without a Cancel
  // button no input is taken at all; with one, the window's modality keeps it to this window.
  QEventLoop::ProcessEventsFlags flags = QEventLoop::ExcludeSocketNotifiers;
  if (!IsCancellable()) {
    flags |= QEventLoop::ExcludeUserInputEvents;
  }
  QCoreApplication::processEvents(flags);
}

QString CProgressWindow::GetCountText() const {
  return mCountLabel->text();
}

QString CProgressWindow::GetFileText() const {
  return mFileLabel->text();
}

void CProgressWindow::Cancel() {
  if (mCancelButton == nullptr) {
    return;
  }
  mCancelled = true;
  mCancelButton->setEnabled(false);
}

void CProgressWindow::reject() {
  Cancel(); // the window stays until the operation has stopped
}

void CProgressWindow::closeEvent(QCloseEvent* event) {
  Cancel();
  event->ignore();
}
