#include "store/CBackgroundFlush.h"

#include <cerrno>

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
  Stop();
}

int CBackgroundFlush::Stop() {
  {
    const std::lock_guard<std::mutex> lock(mMutex);
    mStopping = true;
  }
  mStop.notify_one();
  if (mThread.joinable()) {
    mThread.join();
  }
  return mError;
}

void CBackgroundFlush::FlushUntilStopped() {
  std::unique_lock<std::mutex> lock(mMutex);
  while (!mStop.wait_for(lock, mPeriod, [this] { return mStopping; })) {
    lock.unlock();
#ifdef __linux__
    if (::syncfs(mFolder.Get()) != 0 && mError == 0) {
      mError = errno;
    }
#endif
    lock.lock();
  }
}

} // namespace Bris
