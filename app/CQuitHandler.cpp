#include "app/CQuitHandler.h"

#include "app/CLibrarianApp.h"
#include "framework/CDocument.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <algorithm>

void CQuitHandler::DoQuit() {
  if (mQuitting) {
    return;
  }
  mQuitting = true;
  // The front window first, as the user sees them; documents without a window last.
  std::vector<CDocument*> order;
  const std::vector<QWidget*> windows = mApp.GetWindowsInActivationOrder();
  for (auto window = windows.rbegin(); window != windows.rend(); ++window) {
    order.push_back(mApp.FindDocumentOfWindow(*window));
  }
  for (CDocument* document : mApp.GetDocuments()) {
    if (std::find(order.begin(), order.end(), document) == order.end()) {
      order.push_back(document);
    }
  }
  // Every modified project is asked before any window closes, so that a Cancel keeps them all.
  order.erase(std::remove(order.begin(), order.end(), nullptr), order.end());
  for (CDocument* document : order) {
    if (!document->AttemptClose()) {
      mQuitting = false;
      mApp.ShowOrHideStartWindow();
      return;
    }
  }
  for (CDocument* document : order) {
    mApp.CloseDocument(document, false);
  }
  if (QWidget* startWindow = mApp.GetStartWindow()) {
    startWindow->hide();
  }
  QCoreApplication::exit(0);
}

void CQuitHandler::HandleQuitSignal() {
  if (mQuitting) {
    return;
  }
  // A modal dialog or alert runs its own event loop: cancel it, then quit once it has returned.
  if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
    dialog->reject();
    QTimer::singleShot(0, &mApp, &CLibrarianApp::HandleQuitSignal);
    return;
  }
  mApp.DoQuit();
}
