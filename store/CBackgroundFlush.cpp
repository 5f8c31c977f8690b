#include "store/CBackgroundFlush.h"

#include <fcntl.h>
#include <unistd.h>

namespace Bris {

CBackgroundFlush::CBackgroundFlush(const std::string& folder, std::chrono::milliseconds period)
    : mFolder(::open(folder.c_str(), O_RDONLY | O_CLOEXEC)), mPeriod(period) {
#ifdef __linux__
  if (mFolder.IsOpen()) {
    mThread = std::thread([this] { FlushUntilStopped(); });
  }
#endif
}

CBackgroundFlush::~CBackgroundFlush() {
  {
    const std::lock_guard<std::mutex> lock(mMutex);
    mStopping = true;
  }
  mStop.notify_one();
  if (mThread.joinable()) {
    mThread.join();
  }
}

void CBackgroundFlush::FlushUntilStopped() {
  std::unique_lock<std::mutex> lock(mMutex);
  while (!mStop.wait_for(lock, mPeriod, [this] { return mStopping; })) {
    lock.unlock();
#ifdef __linux__
    ::syncfs(mFolder.Get()); // a failure shows again in the save's own flush
#endif
    lock.lock();
  }
}

} // namespace Bris
