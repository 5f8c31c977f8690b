#include "framework/StArrowCursor.h"

#include <QApplication>
#include <QCursor>

StArrowCursor::StArrowCursor() {
  if (QApplication::overrideCursor() != nullptr) {
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    mPushed = true;
  }
}

StArrowCursor::~StArrowCursor() {
  if (mPushed) {
    QApplication::restoreOverrideCursor();
  }
}
