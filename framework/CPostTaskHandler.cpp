#include "framework/CPostTaskHandler.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

class CTaskEvent : public QEvent {
public:
  CTaskEvent(std::int32_t task, void* data)
      : QEvent(static_cast<QEvent::Type>(CPostTaskHandler::TaskEventType())), mTask(task),
        mData(data) {}

  std::int32_t mTask;
  void* mData;
};

} // namespace

CPostTaskHandler::CPostTaskHandler(HandlerFn handler, QObject* parent)
    : QObject(parent), mHandler(std::move(handler)) {}

CPostTaskHandler::~CPostTaskHandler() {
  QCoreApplication::removePostedEvents(this, TaskEventType());
}

int CPostTaskHandler::TaskEventType() {
  static const int sType = QEvent::registerEventType();
  return sType;
}

void CPostTaskHandler::PostEvent(std::int32_t task, void* data) {
  QCoreApplication::postEvent(this, new CTaskEvent(task, data));
}

bool CPostTaskHandler::event(QEvent* event) {
  if (event->type() == TaskEventType()) {
    const auto* taskEvent = static_cast<CTaskEvent*>(event);
    if (mHandler) {
      mHandler(taskEvent->mTask, taskEvent->mData);
    }
    return true;
  }
  return QObject::event(event);
}
