#include "store/CReadabilityTracker.h"

#include "LibMac/Utility/ZelString.h"
#include "domain/CZelData.h"
#include "store/CZelFileDocument.h"

#include <algorithm>

namespace Bris {

namespace {

constexpr CParameter::EDataType kKinds[] = {CParameter::kPatch, CParameter::kTone,
                                            CParameter::kWave};

// Calls take(path) for the file of every non-blank record, in slot order; stops at false.
template <class TTake> bool ForEachFilePath(const CZelData& data, TTake take) {
  for (auto kind : kKinds) {
    const CParameterArray* records = data.GetArray(kind);
    for (std::size_t i = 0; records != nullptr && i < records->size(); ++i) {
      const CParameter* record = (*records)[i];
      if (record != nullptr && !record->IsBlank() && !take(record->GetFilePath())) {
        return false;
      }
    }
  }
  return true;
}

} // namespace

bool CReadabilityTracker::IsReadable(const CZelData& data, const std::function<bool()>& check) {
  if (mHasAnswer && NamesTheSameFiles(data) && !mWatch.HasChanged()) {
    return mAnswer;
  }
  // Watched before the check: a change while it runs makes the next question check again.
  Remember(data);
  mAnswer = check();
  mHasAnswer = true;
  return mAnswer;
}

bool CReadabilityTracker::IsKnownReadable(const CZelData& data) {
  return mHasAnswer && mAnswer && NamesTheSameFiles(data) && !mWatch.HasChanged();
}

bool CReadabilityTracker::NamesTheSameFiles(const CZelData& data) const {
  std::size_t next = 0;
  const bool same = ForEachFilePath(data, [this, &next](const std::string& path) {
    return next < mPaths.size() && mPaths[next++] == path;
  });
  return same && next == mPaths.size();
}

std::set<std::string> CReadabilityTracker::TakePaths(const CZelData& data) {
  mPaths.clear();
  std::set<std::string> folders;
  ForEachFilePath(data, [this, &folders](const std::string& path) {
    mPaths.push_back(path);
    folders.insert(CZelFileDocument::SystemPath(GetFolderName(path)));
    return true;
  });
  return folders;
}

void CReadabilityTracker::Remember(const CZelData& data) {
  mWatchedBeforeReading.clear();
  mWatch.Watch(TakePaths(data));
}

void CReadabilityTracker::WatchBeforeReading(const std::set<std::string>& folders) {
  mHasAnswer = false;
  mPaths.clear();
  mWatchedBeforeReading = folders;
  mWatch.Watch(folders);
}

void CReadabilityTracker::RememberRead(const CZelData& data) {
  const std::set<std::string> folders = TakePaths(data);
  mHasAnswer = std::includes(mWatchedBeforeReading.begin(), mWatchedBeforeReading.end(),
                             folders.begin(), folders.end());
  mAnswer = mHasAnswer;
}

} // namespace Bris
