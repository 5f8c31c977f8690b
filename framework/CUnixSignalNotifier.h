#pragma once

#include <QObject>

#include <csignal>
#include <initializer_list>
#include <vector>

class QSocketNotifier;

// Turns POSIX signals (SIGTERM, SIGINT from the desktop session or a terminal) into a Qt signal
// delivered on the main event loop. The handler only writes the signal number into a pipe, the
// one thing that is safe inside a signal handler; the pipe's read end wakes the event loop. One
// instance at a time; its destruction restores the previous handlers.
class CUnixSignalNotifier : public QObject {
  Q_OBJECT

public:
  explicit CUnixSignalNotifier(std::initializer_list<int> signalNumbers, QObject* parent = nullptr);
  ~CUnixSignalNotifier() override;

  // False when the pipe or a handler could not be set up.
  bool IsWatching() const { return mWatching; }

signals:
  void SignalReceived(int signalNumber);

private:
  void ReadPipe();

  std::vector<int> mSignals;
  std::vector<struct sigaction> mPrevious; // the handlers to restore
  QSocketNotifier* mNotifier = nullptr;
  bool mWatching = false;
};
