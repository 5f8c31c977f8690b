#include "framework/UDialogParent.h"

#include "framework/CCommander.h"

#include <QApplication>
#include <QWidget>

QWidget* UDialogParent::ParentFor(CCommander* commander) {
  if (auto* widget = dynamic_cast<QWidget*>(commander)) {
    return widget->window();
  }
  return QApplication::activeWindow();
}
