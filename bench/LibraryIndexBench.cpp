// The library index on 200 full projects (512 + 896 + 999 slot files each, about 480,000
// slots, every memo line filled): the first full index, a re-scan with nothing changed, and a
// query typed character by character, one benchmark per prefix. The baselines run in the same
// process: listing the same folders and reading the memo files with plain streams (what any
// index must at least do), and matching every slot held in memory with CSlotQuery (what a
// search without an index costs).
#include "domain/CSlotQuery.h"
#include "index/CLibraryIndex.h"
#include "store/SlotFileNames.h"
#include "support/ProjectFixture.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>

namespace {

namespace fs = std::filesystem;
using Bris::CParameter;

constexpr int kProjectCount = 200;
constexpr std::size_t kResultLimit = 500;

const char* const kWords[] = {"Warm",  "Pad",   "Bass",    "Lead",  "Kick",  "Snare",
                              "Choir", "Brass", "Strings", "Piano", "Organ", "Bell",
                              "Pluck", "Sweep", "Noise",   "Vox",   "Hat",   "Drone"};
constexpr int kWordCount = sizeof kWords / sizeof kWords[0];

std::string SlotName(int project, int slot) {
  return std::string(kWords[(project * 7 + slot) % kWordCount]) + " " +
         std::to_string((slot * 13 + project) % 100);
}

std::string MemoLine(int project, int kind, int slot, int line) {
  switch (line) {
  case 0:
    return std::string(kWords[(slot + kind) % kWordCount]) + " layer for set " +
           std::to_string(project);
  case 1:
    return "recorded " + std::to_string(1990 + (slot + project) % 35);
  case 2:
    return project == 123 && slot == 45 ? "zebra stripes, the only one" : "dry, no effects";
  default:
    return "slot " + std::to_string(slot) + " of kind " + std::to_string(kind);
  }
}

struct SLibrary {
  BrisTest::TempFolder folder;
  BrisTest::TempFolder data;
  std::string database;
};

void WriteProject(const std::string& parent, int project) {
  BrisTest::ProjectBuilder builder(parent, "Project " + std::to_string(project));
  const std::pair<CParameter::EDataType, int> kinds[] = {
      {CParameter::kPatch, 512}, {CParameter::kTone, 896}, {CParameter::kWave, 999}};
  const char* const folders[] = {"Patch/", "Tone/", "Wave/"};
  const char* const extensions[] = {".d00", ".p00", ".w00"};
  for (const auto& [kind, count] : kinds) {
    std::string memos;
    for (int slot = 1; slot <= count; ++slot) {
      // Only names and memo files are read: the slot files may stay empty.
      builder.RawFile(std::string(folders[kind]) + Bris::IndexString(slot) +
                          SlotName(project, slot) + extensions[kind],
                      std::string());
      for (int line = 0; line < CParameter::kMemoLineCount; ++line) {
        memos += MemoLine(project, kind, slot, line) + "\n";
      }
    }
    builder.MemoFileText(kind, memos);
  }
  builder.Write();
}

// Written once per process, removed at exit.
const SLibrary& Library() {
  static const std::unique_ptr<SLibrary> library = [] {
    auto made = std::make_unique<SLibrary>();
    for (int project = 0; project < kProjectCount; ++project) {
      // A few levels of folders, as a user's documents have them.
      const std::string parent = made->folder / ("Set " + std::to_string(project % 10));
      fs::create_directories(parent);
      WriteProject(parent, project);
    }
    made->database = made->data / "LibraryIndex.sqlite";
    return made;
  }();
  return *library;
}

void RemoveDatabase(const std::string& path) {
  for (const char* suffix : {"", "-wal", "-shm"}) {
    fs::remove(path + suffix);
  }
}

// An index of the whole library, made once and shared by the re-scan and query benchmarks.
const std::string& IndexedDatabase() {
  static const std::string path = [] {
    const SLibrary& library = Library();
    Bris::CLibraryIndex index(library.database);
    index.Update({library.folder.Path()});
    return library.database;
  }();
  return path;
}

void BM_FirstIndex(benchmark::State& state) {
  const SLibrary& library = Library();
  const std::string path = library.data / "First.sqlite";
  for (auto _ : state) {
    state.PauseTiming();
    RemoveDatabase(path);
    state.ResumeTiming();
    Bris::CLibraryIndex index(path);
    const auto report = index.Update({library.folder.Path()});
    if (report.projectsRead != kProjectCount) {
      state.SkipWithError("not every project was indexed");
      break;
    }
  }
  RemoveDatabase(path);
}

void BM_UnchangedRescan(benchmark::State& state) {
  const std::string& path = IndexedDatabase();
  Bris::CLibraryIndex index(path);
  index.Update({Library().folder.Path()}); // the quick check of a new connection, once
  for (auto _ : state) {
    const auto report = index.Update({Library().folder.Path()});
    if (report.projectsRead != 0 || report.projectsFound != kProjectCount) {
      state.SkipWithError("an unchanged project was read again");
      break;
    }
  }
}

// The first update of a new connection (the application's, once per session) also runs the
// database's quick check.
void BM_RescanOfANewConnection(benchmark::State& state) {
  const std::string& path = IndexedDatabase();
  for (auto _ : state) {
    Bris::CLibraryIndex index(path);
    const auto report = index.Update({Library().folder.Path()});
    if (report.projectsRead != 0) {
      state.SkipWithError("an unchanged project was read again");
      break;
    }
  }
}

void BM_PlainListingBaseline(benchmark::State& state) {
  const SLibrary& library = Library();
  for (auto _ : state) {
    std::size_t entries = 0;
    for (const auto& set : fs::directory_iterator(library.folder.Path())) {
      for (const auto& project : fs::directory_iterator(set.path())) {
        for (const char* sub : {"Patch", "Tone", "Wave"}) {
          for (const auto& file : fs::directory_iterator(project.path() / sub)) {
            entries += file.path().filename().string().size() > 4 ? 1 : 0;
          }
        }
        for (const char* memo : {"PatchMemo.txt", "ToneMemo.txt", "WaveMemo.txt"}) {
          std::ifstream in(project.path() / memo);
          for (std::string line; std::getline(in, line);) {
            ++entries;
          }
        }
      }
    }
    benchmark::DoNotOptimize(entries);
  }
}

void BM_Query(benchmark::State& state, const std::string& text) {
  Bris::CLibraryIndex index(IndexedDatabase());
  std::size_t found = 0;
  for (auto _ : state) {
    found = index.Search(text, kResultLimit).size();
    benchmark::DoNotOptimize(found);
  }
  state.counters["results"] = static_cast<double>(found);
}

void BM_InMemoryScanBaseline(benchmark::State& state, const std::string& text) {
  static const auto slots = Bris::CLibraryIndex(IndexedDatabase()).Search("", 1u << 20);
  const Bris::CSlotQuery query(text);
  for (auto _ : state) {
    std::size_t found = 0;
    for (const auto& slot : slots) {
      found += query.Matches(slot.name, slot.memos) ? 1 : 0;
    }
    benchmark::DoNotOptimize(found);
  }
}

// Medians of a few runs; each run of the first index takes seconds.
BENCHMARK(BM_FirstIndex)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK(BM_UnchangedRescan)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3);
BENCHMARK(BM_RescanOfANewConnection)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK(BM_PlainListingBaseline)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3);

// Every prefix of what a user types: a name word, a memo word, two words, a word found in one
// slot only, and one found nowhere.
const int kQueriesRegistered = [] {
  for (const std::string typed : {"strings", "recorded", "bass 4", "zebra", "quartz"}) {
    for (std::size_t n = 1; n <= typed.size(); ++n) {
      const std::string prefix = typed.substr(0, n);
      benchmark::RegisterBenchmark(("BM_Query/" + prefix).c_str(), BM_Query, prefix)
          ->Unit(benchmark::kMillisecond)
          ->Repetitions(3);
    }
  }
  for (const std::string text : {"s", "zebra"}) {
    benchmark::RegisterBenchmark(("BM_InMemoryScanBaseline/" + text).c_str(),
                                 BM_InMemoryScanBaseline, text)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(2);
  }
  return 0;
}();

} // namespace
