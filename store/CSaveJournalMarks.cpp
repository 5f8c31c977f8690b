#include "store/CSaveJournalMarks.h"

#include <fcntl.h>
#include <unistd.h>

namespace Bris {

namespace {

int OpenForAppending(const std::string& path) {
  return path.empty() ? -1 : ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
}

} // namespace

CSaveJournalMarks::CSaveJournalMarks(const std::string& journalPath)
    : mJournal(OpenForAppending(journalPath)) {}

void CSaveJournalMarks::MarkDone(std::size_t stepNumber) {
  if (!mJournal.IsOpen()) {
    return;
  }
  const std::string line = "done\t" + std::to_string(stepNumber) + "\n";
  [[maybe_unused]] const ssize_t written = ::write(mJournal.Get(), line.data(), line.size());
}

} // namespace Bris
