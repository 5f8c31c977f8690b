#include "views/CUnwritableWarning.h"

#include "Zel/Generic/CErrorOut.h"
#include "framework/CPostTaskHandler.h"
#include "views/CBaseTableView.h"
#include "views/ITableHost.h"

#include <QCoreApplication>
#include <QTimer>

CUnwritableWarning::CUnwritableWarning(CBaseTableView& view) : mView(view) {}

CUnwritableWarning::~CUnwritableWarning() {
  if (sPending == this) {
    sPending = nullptr;
  }
}

void CUnwritableWarning::Enable() {
  mEnabled = true;
  mPostTaskHandler = std::make_unique<CPostTaskHandler>(
      [this](std::int32_t task, void* data) { mView.HandlePostTask(task, data); });
}

void CUnwritableWarning::HandleActivate() {
  if (!mEnabled || mView.GetHost() == nullptr || CBaseTableView::sIsDragging || mCounter != 0) {
    return;
  }
  // Both lists of a window hear the same activation; one warning is enough.
  const bool siblingWarns = sPending != nullptr && sPending->mView.GetHost() == mView.GetHost();
  if (!siblingWarns && IsProjectWritable()) {
    return;
  }
  // Two: the alert's own closing re-activates the window and must not warn again.
  mCounter = 2;
  if (!siblingWarns) {
    sPending = this;
    mPostTaskHandler->PostEvent(0, nullptr);
  }
}

bool CUnwritableWarning::IsProjectWritable() const {
  // The store re-checks the project's files only when they may have changed. Both lists of a window
  // hear the same activation, so the answer is kept until the event loop has finished dispatching
  // it.
  ITableHost* host = mView.GetHost();
  if (sCheckedHost != host) {
    sCheckedHost = host;
    sCheckedWritable = host->IsTableProjectWritable();
    QTimer::singleShot(0, qApp, [] { sCheckedHost = nullptr; });
  }
  return sCheckedWritable;
}

void CUnwritableWarning::HandleDeactivate() {
  if (mCounter > 0) {
    --mCounter;
  }
}

void CUnwritableWarning::GiveWarning() {
  if (sPending == this) {
    sPending = nullptr;
  }
  CErrorOut::ErrorAlert(CBaseTableView::kErrorUnwritableProject);
}
