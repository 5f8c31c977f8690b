#include "framework/StWatchCursor.h"

#include <QApplication>
#include <QCursor>

StWatchCursor::StWatchCursor() {
  QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

StWatchCursor::~StWatchCursor() {
  QApplication::restoreOverrideCursor();
}
