// Opening a full project (512 patch, 896 tone and 999 wave files, three full memo files) with
// ReadDocument, against a baseline that only opens the same files with plain streams, reads the
// bytes the reader needs (170 per patch, 1510 per tone, none per wave) and reads the memo files
// line by line. Both start from the same folder listings, made once outside the timing.
// BM_OpenSession opens the same folder as the application does (checks and listings included).
// BM_ListAndReadDocument is the read with its three folder listings, against BM_PosixFloor, the
// same listings and the same bytes through bare system calls (opendir/readdir; open, one read of
// the bytes a reader needs and close per patch and tone file; open and close per wave file; the
// memo files read whole): the floor of what opening can cost on this file system.
// BM_ListAndReadPairedWithPosixFloor times the two in the same iterations.
// BM_WritePossibleCheck is the readability check a save asks for, BM_ActivationCheck the one a
// window activation asks for.
#include "store/CBriselDocument.h"
#include "store/CProjectOpener.h"
#include "store/CProjectSession.h"
#include "support/FullProjectFolder.h"
#include "support/PairedTiming.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstring>
#include <fstream>
#include <memory>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

using BrisBench::FullProject;
using BrisBench::MedianOf;
using BrisBench::Milliseconds;
using BrisBench::SFullProject;

void BM_ReadDocument(benchmark::State& state) {
  const SFullProject& project = FullProject();
  for (auto _ : state) {
    Bris::CBriselDocument document;
    const bool read = document.ReadDocument(project.path, project.listing.patches,
                                            project.listing.tones, project.listing.waves);
    if (!read) {
      state.SkipWithError("the full project did not read");
      break;
    }
    benchmark::DoNotOptimize(document.GetZelData().mWaves.size());
  }
}

void BM_OpenSession(benchmark::State& state) {
  const SFullProject& project = FullProject();
  for (auto _ : state) {
    Bris::CProjectSession session;
    if (!session.Open(project.path)) {
      state.SkipWithError("the full project did not open");
      break;
    }
    benchmark::DoNotOptimize(session.GetZelData().mWaves.size());
  }
}

void ReadHead(const std::string& path, char* buffer, std::streamsize size) {
  std::ifstream file(path, std::ios::binary);
  file.read(buffer, size);
  benchmark::DoNotOptimize(buffer[size - 1]);
}

void BM_PlainStreamBaseline(benchmark::State& state) {
  const SFullProject& project = FullProject();
  std::array<char, 1510> buffer;
  for (auto _ : state) {
    for (const auto& path : project.listing.patches) {
      ReadHead(path, buffer.data(), 170);
    }
    for (const auto& path : project.listing.tones) {
      ReadHead(path, buffer.data(), 1510);
    }
    for (const auto& path : project.listing.waves) {
      std::ifstream file(path, std::ios::binary);
      benchmark::DoNotOptimize(file.is_open());
    }
    for (const char* memo : {"PatchMemo.txt", "ToneMemo.txt", "WaveMemo.txt"}) {
      std::ifstream file(project.path + memo);
      std::size_t lines = 0;
      for (std::string line; std::getline(file, line);) {
        ++lines;
      }
      benchmark::DoNotOptimize(lines);
    }
  }
}

// The document is the caller's, so that a caller may keep closing it out of the timing.
bool ListAndReadDocument(const SFullProject& project, Bris::CBriselDocument& document) {
  Bris::SProjectListing listing;
  const bool read = Bris::CProjectOpener::List(project.path, listing).IsOpened() &&
                    document.ReadDocument(project.path, std::move(listing.patches),
                                          std::move(listing.tones), std::move(listing.waves));
  benchmark::DoNotOptimize(document.GetZelData().mWaves.size());
  return read;
}

void BM_ListAndReadDocument(benchmark::State& state) {
  const SFullProject& project = FullProject();
  for (auto _ : state) {
    Bris::CBriselDocument document;
    if (!ListAndReadDocument(project, document)) {
      state.SkipWithError("the full project did not read");
      break;
    }
  }
}

// The names of a folder's entries, as full paths, with nothing but opendir/readdir.
void ListWithReaddir(const std::string& folder, std::vector<std::string>& paths) {
  paths.clear();
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) {
    return;
  }
  while (const dirent* entry = ::readdir(dir)) {
    if (entry->d_name[0] != '.') {
      paths.push_back(folder + entry->d_name);
    }
  }
  ::closedir(dir);
}

void ReadHeadPosix(const std::string& path, char* buffer, std::size_t size) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd >= 0) {
    benchmark::DoNotOptimize(::read(fd, buffer, size));
    ::close(fd);
  }
}

using SFloorBuffer = std::array<char, 1 << 16>;

void ReadAtPosixFloor(const SFullProject& project, SFloorBuffer& buffer,
                      std::vector<std::string>& paths) {
  ListWithReaddir(project.path + "Patch/", paths);
  for (const auto& path : paths) {
    ReadHeadPosix(path, buffer.data(), 170);
  }
  ListWithReaddir(project.path + "Tone/", paths);
  for (const auto& path : paths) {
    ReadHeadPosix(path, buffer.data(), 1510);
  }
  ListWithReaddir(project.path + "Wave/", paths);
  for (const auto& path : paths) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    benchmark::DoNotOptimize(fd);
    if (fd >= 0) {
      ::close(fd);
    }
  }
  for (const char* memo : {"PatchMemo.txt", "ToneMemo.txt", "WaveMemo.txt"}) {
    const int fd = ::open((project.path + memo).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
      while (::read(fd, buffer.data(), buffer.size()) > 0) {
      }
      ::close(fd);
    }
  }
  benchmark::ClobberMemory();
}

void BM_PosixFloor(benchmark::State& state) {
  const SFullProject& project = FullProject();
  SFloorBuffer buffer;
  std::vector<std::string> paths;
  for (auto _ : state) {
    ReadAtPosixFloor(project, buffer, paths);
  }
}

// Each iteration one read as in BM_ListAndReadDocument and one at the floor, in turns first; the
// counter "ratio" is the median of their per-iteration ratios. The read document is closed outside
// the timing, as the floor has nothing to close; "ratio_with_close" counts it in, as
// BM_ListAndReadDocument does.
void BM_ListAndReadPairedWithPosixFloor(benchmark::State& state) {
  const SFullProject& project = FullProject();
  SFloorBuffer buffer;
  std::vector<std::string> paths;
  std::vector<double> ratios;
  std::vector<double> ratiosWithClose;
  for (auto _ : state) {
    bool read = true;
    std::unique_ptr<Bris::CBriselDocument> opened;
    double document = 0;
    double floor = 0;
    const auto timeDocument = [&] {
      document = Milliseconds([&] {
        opened = std::make_unique<Bris::CBriselDocument>();
        read = ListAndReadDocument(project, *opened);
      });
    };
    const auto timeFloor = [&] {
      floor = Milliseconds([&] { ReadAtPosixFloor(project, buffer, paths); });
    };
    if (ratios.size() % 2 == 0) {
      timeDocument();
      timeFloor();
    } else {
      timeFloor();
      timeDocument();
    }
    // Closing is not part of opening; it is timed for the second counter only.
    const double close = Milliseconds([&] { opened.reset(); });
    if (!read) {
      state.SkipWithError("the full project did not read");
      return;
    }
    state.SetIterationTime((document + floor) / 1000.0);
    ratios.push_back(document / floor);
    ratiosWithClose.push_back((document + close) / floor);
  }
  state.counters["ratio"] = MedianOf(ratios);
  state.counters["ratio_with_close"] = MedianOf(ratiosWithClose);
}

void BM_WritePossibleCheck(benchmark::State& state) {
  Bris::CProjectSession session;
  if (!session.Open(FullProject().path)) {
    state.SkipWithError("the full project did not open");
    return;
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(session.GetDocument().IsWritePossible());
  }
}

// The check as a window activation asks for it, once nothing changed since the last one.
void BM_ActivationCheck(benchmark::State& state) {
  Bris::CProjectSession session;
  if (!session.Open(FullProject().path)) {
    state.SkipWithError("the full project did not open");
    return;
  }
  session.GetDocument().IsWritePossibleTracked();
  for (auto _ : state) {
    benchmark::DoNotOptimize(session.GetDocument().IsWritePossibleTracked());
  }
}

BENCHMARK(BM_ReadDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenSession)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainStreamBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListAndReadDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PosixFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListAndReadPairedWithPosixFloor)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WritePossibleCheck)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ActivationCheck)->Unit(benchmark::kMillisecond);

} // namespace
