#pragma once

#include <QObject>

#include <cstdint>
#include <functional>

// Defers work to the main event queue: PostEvent queues a 'Task' event carrying a task number
// and a data pointer, and when the event loop delivers it the owner's handler runs. Used where
// work must wait until a drag or an activation has finished. Destroying the handler drops its
// events that are still queued, so a handler never runs for an owner that has gone.
class CPostTaskHandler : public QObject {
  Q_OBJECT

public:
  using HandlerFn = std::function<void(std::int32_t task, void* data)>;

  explicit CPostTaskHandler(HandlerFn handler, QObject* parent = nullptr);
  ~CPostTaskHandler() override;

  void PostEvent(std::int32_t task, void* data);
  // The registered event type of 'Task' events.
  static int TaskEventType();

protected:
  bool event(QEvent* event) override;

private:
  HandlerFn mHandler;
};
