#include "framework/CUnixSignalNotifier.h"

#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

int sPipe[2] = {-1, -1};

void WriteSignalNumber(int signalNumber) {
  const int savedErrno = errno;
  const unsigned char byte = static_cast<unsigned char>(signalNumber);
  [[maybe_unused]] const ssize_t written = ::write(sPipe[1], &byte, 1);
  errno = savedErrno;
}

} // namespace

CUnixSignalNotifier::CUnixSignalNotifier(std::initializer_list<int> signalNumbers, QObject* parent)
    : QObject(parent) {
  if (sPipe[0] >= 0 || ::pipe2(sPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
    return;
  }
  mNotifier = new QSocketNotifier(sPipe[0], QSocketNotifier::Read, this);
  connect(mNotifier, &QSocketNotifier::activated, this, &CUnixSignalNotifier::ReadPipe);
  mWatching = true;
  for (int signalNumber : signalNumbers) {
    struct sigaction action = {};
    action.sa_handler = WriteSignalNumber;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    struct sigaction previous = {};
    if (::sigaction(signalNumber, &action, &previous) != 0) {
      mWatching = false;
      continue;
    }
    mSignals.push_back(signalNumber);
    mPrevious.push_back(previous);
  }
}

CUnixSignalNotifier::~CUnixSignalNotifier() {
  for (std::size_t i = 0; i < mSignals.size(); ++i) {
    ::sigaction(mSignals[i], &mPrevious[i], nullptr);
  }
  if (mNotifier != nullptr) {
    delete mNotifier;
    ::close(sPipe[0]);
    ::close(sPipe[1]);
    sPipe[0] = sPipe[1] = -1;
  }
}

void CUnixSignalNotifier::ReadPipe() {
  unsigned char byte = 0;
  while (::read(sPipe[0], &byte, 1) == 1) {
    emit SignalReceived(byte);
  }
}
