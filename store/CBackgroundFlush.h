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
// files are copied. A hint only: the save's own flush still makes its files durable and reports
// any failure.
class CBackgroundFlush {
public:
  CBackgroundFlush(const std::string& folder, std::chrono::milliseconds period);
  ~CBackgroundFlush();
  CBackgroundFlush(const CBackgroundFlush&) = delete;
  CBackgroundFlush& operator=(const CBackgroundFlush&) = delete;

private:
  void FlushUntilStopped();

  StFileDescriptor mFolder;
  std::chrono::milliseconds mPeriod;
  std::mutex mMutex;
  std::condition_variable mStop;
  bool mStopping = false;
  std::thread mThread; // last: it starts once everything it uses is there
};

} // namespace Bris
