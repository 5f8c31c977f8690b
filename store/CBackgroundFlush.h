#pragma once

#include "LibMac/Utility/StFileDescriptor.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace Bris {

// While it lives, a thread of its own flushes the file system that holds a folder every period.
// Nothing reaches the disk before a save's own flush otherwise, so a save of thousands of files
// would copy them all and only then wait for the disk; this way the disk writes while the next
// files are copied. The save's own flush still makes its files durable; a failure one of these
// flushes met must be asked for, since the file system tells each failure once to a later flush.
class CBackgroundFlush {
public:
  CBackgroundFlush(const std::string& folder, std::chrono::milliseconds period);
  ~CBackgroundFlush();
  CBackgroundFlush(const CBackgroundFlush&) = delete;
  CBackgroundFlush& operator=(const CBackgroundFlush&) = delete;

  // Stops flushing, once a flush under way is done: the errno of the first flush that failed, or 0.
  int Stop();

private:
  void FlushUntilStopped();

  StFileDescriptor mFolder;
  std::chrono::milliseconds mPeriod;
  std::mutex mMutex;
  std::condition_variable mStop;
  bool mStopping = false;
  int mError = 0;      // the thread's alone until Stop() has joined it
  std::thread mThread; // last: it starts once everything it uses is there
};

} // namespace Bris
