// Writing a full project (512 patches, 896 tones, 999 waves holding 66,933,000 bytes of real wave
// data, three memo files, five system files):
//   BM_UnchangedSave  the session's save of a project in which nothing changed (the folder and
//                     readability checks and the write), which writes no file;
//   BM_UnchangedSaveBesideThreeModifiedProjects  the same save with three other full projects
//                     open and modified;
//   BM_SaveAs         the session's Save As into a fresh folder right after the opening (its
//                     subfolders emptied, the system files and the write; the opening's reads
//                     answered the readability check);
//   BM_SaveAsAfterAChange  the same after a file came and went in the patch folder, so that the
//                     Save As checks every file's readability again; both against
//   BM_CopyFolderCpR  "cp -r" of the same project folder;
//   BM_CopyFolderCpRSync  the same followed by "sync", the durable copy a Save As is measured by;
//   BM_SaveAsPairedWithCpRSync  each iteration one Save As as in BM_SaveAs and one "cp -r" with
//                     "sync" of the same project, in turns first; the counter "ratio" is the
//                     median of their per-iteration ratios, which a machine whose speed drifts
//                     between runs leaves standing where separate medians do not;
//   BM_SaveWith20MovedSlots  an ordinary save after the first 20 patches moved round by one slot
//                     (20 copies into place, shelter copies and removals).
// Creating the target folders is kept out of the timing; they stay until the process ends
// (about 67 MB for each timed copy).
#include "domain/CDomain.h"
#include "store/CProjectSession.h"
#include "support/FullProjectFolder.h"
#include "support/PairedTiming.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Bris::CParameter;

constexpr std::size_t kWaveBytes = 67000; // 999 waves: just under the project limit

struct SFullProject {
  BrisTest::TempFolder folder;
  std::string path;
};

const SFullProject& FullProject() {
  static const std::unique_ptr<SFullProject> project = [] {
    auto full = std::make_unique<SFullProject>();
    BrisTest::ProjectBuilder builder(full->folder.Path(), "Full");
    BrisBench::AddFullPatchesAndTones(builder);
    std::vector<unsigned char> waveBytes(kWaveBytes);
    for (int wave = 1; wave <= 999; ++wave) {
      // Real bytes, not a sparse file that a copy could skip through.
      for (std::size_t i = 0; i < waveBytes.size(); ++i) {
        waveBytes[i] = static_cast<unsigned char>((i * 31 + static_cast<std::size_t>(wave)) >> 3);
      }
      builder.RawFile(
          builder.SlotPath(CParameter::kWave, wave, "Wave " + std::to_string(wave), ".w00")
              .substr(builder.ProjectPath().size()),
          waveBytes);
    }
    for (int slot = 1; slot <= 512; ++slot) {
      builder.Memo(CParameter::kPatch, slot, 0, "Memo of patch " + std::to_string(slot));
    }
    for (const char* name : Bris::CZelFileDocument::sSystemFileNames) {
      builder.RawFile(name, std::vector<unsigned char>(4096, 0x5A));
    }
    full->path = builder.Write();
    fs::create_directory(full->folder / "work");
    return full;
  }();
  return *project;
}

// A new, empty folder below the full project's for each timed copy. None is removed before the
// process ends: this file system skips inodes freed in the last 30 seconds when it allocates, so
// removing 2,400 files before each copy would time that scan rather than the copy.
std::string NewTargetFolder(const SFullProject& project, const char* kind) {
  static int sNumber = 0;
  return project.folder / (std::string(kind) + " " + std::to_string(++sNumber) + ".prj");
}

// A new, empty project folder as Save As prepares it.
std::string MakeTargetFolder(const SFullProject& project) {
  const std::string target = NewTargetFolder(project, "Target") + "/";
  for (const char* sub : {"Patch", "Tone", "Wave"}) {
    fs::create_directories(target + sub);
  }
  return target;
}

void BM_UnchangedSave(benchmark::State& state) {
  const SFullProject& project = FullProject();
  Bris::Domain().SetWorkFolderPath(project.folder / "work/");
  Bris::CProjectSession session;
  if (!session.Open(project.path)) {
    state.SkipWithError("the full project did not open");
    return;
  }
  for (auto _ : state) {
    session.SetModified(true); // as after an edit: the store counts it among the modified
    if (session.Save() != Bris::CProjectSession::ESaveResult::kSaved) {
      state.SkipWithError("the save failed");
      break;
    }
  }
}

// The same save while three other full projects are open and modified, as after dragging slots
// between them: whatever a save asks about the records of the other open projects shows here.
void BM_UnchangedSaveBesideThreeModifiedProjects(benchmark::State& state) {
  const SFullProject& project = FullProject();
  Bris::Domain().SetWorkFolderPath(project.folder / "work/");
  std::vector<std::unique_ptr<Bris::CProjectSession>> others;
  for (int other = 0; other < 3; ++other) {
    const std::string copy = NewTargetFolder(project, "Other");
    fs::copy(project.path, copy, fs::copy_options::recursive);
    others.push_back(std::make_unique<Bris::CProjectSession>());
    if (!others.back()->Open(copy + "/")) {
      state.SkipWithError("a copy of the full project did not open");
      return;
    }
    others.back()->SetModified(true);
  }
  Bris::CProjectSession session;
  if (!session.Open(project.path)) {
    state.SkipWithError("the full project did not open");
    return;
  }
  for (auto _ : state) {
    session.SetModified(true);
    if (session.Save() != Bris::CProjectSession::ESaveResult::kSaved) {
      state.SkipWithError("the save failed");
      break;
    }
  }
}

// Times one save per iteration on a session opened afresh from the full project: prepare (for
// instance an edit) runs on the opened session and tidy after the save, both outside the timing.
template <class TPrepare, class TSave, class TTidy>
void RunFreshSessionSaves(benchmark::State& state, TPrepare prepare, TSave save, TTidy tidy) {
  const SFullProject& project = FullProject();
  Bris::Domain().SetWorkFolderPath(project.folder / "work/");
  for (auto _ : state) {
    state.PauseTiming();
    auto session = std::make_unique<Bris::CProjectSession>();
    const bool opened = session->Open(project.path).IsOpened();
    if (opened) {
      prepare(*session);
    }
    state.ResumeTiming();

    const bool saved = opened && save(*session) == Bris::CProjectSession::ESaveResult::kSaved;

    state.PauseTiming();
    session.reset();
    tidy();
    state.ResumeTiming();
    if (!saved) {
      state.SkipWithError("the save failed");
      break;
    }
  }
}

void BM_SaveAs(benchmark::State& state) {
  const SFullProject& project = FullProject();
  std::string target;
  RunFreshSessionSaves(
      state, [&](Bris::CProjectSession&) { target = MakeTargetFolder(project); },
      [&](Bris::CProjectSession& session) { return session.SaveAs(target); }, [] {});
}

// The same Save As once something happened in a folder the opening read: what the opening learnt
// no longer holds, and the Save As asks the file system about every file again.
void BM_SaveAsAfterAChange(benchmark::State& state) {
  const SFullProject& project = FullProject();
  std::string target;
  RunFreshSessionSaves(
      state,
      [&](Bris::CProjectSession&) {
        target = MakeTargetFolder(project);
        const std::string stray = project.path + "Patch/stray.tmp";
        std::ofstream(stray) << "gone again";
        fs::remove(stray);
      },
      [&](Bris::CProjectSession& session) { return session.SaveAs(target); }, [] {});
}

// The shell command that copies the full project into a new folder with "cp -r", then runs then.
std::string CopyCommand(const SFullProject& project, const std::string& then) {
  return "cp -r '" + project.path + "' '" + NewTargetFolder(project, "Copied") + "'" + then;
}

// Times "cp -r" of the full project into a new folder, with then run after it in the same shell.
void RunCopyCommand(benchmark::State& state, const std::string& then) {
  const SFullProject& project = FullProject();
  for (auto _ : state) {
    state.PauseTiming();
    const std::string command = CopyCommand(project, then);
    state.ResumeTiming();
    if (std::system(command.c_str()) != 0) {
      state.SkipWithError("cp -r failed");
      break;
    }
  }
}

void BM_CopyFolderCpR(benchmark::State& state) {
  RunCopyCommand(state, std::string());
}

void BM_CopyFolderCpRSync(benchmark::State& state) {
  RunCopyCommand(state, " && sync");
}

void BM_SaveAsPairedWithCpRSync(benchmark::State& state) {
  const SFullProject& project = FullProject();
  Bris::Domain().SetWorkFolderPath(project.folder / "work/");
  std::vector<double> ratios;
  bool failed = false;
  for (auto _ : state) {
    auto session = std::make_unique<Bris::CProjectSession>();
    const std::string target = MakeTargetFolder(project);
    const std::string command = CopyCommand(project, " && sync");
    if (!session->Open(project.path)) {
      failed = true;
    }
    double saveAs = 0;
    double copy = 0;
    const auto timeSaveAs = [&] {
      saveAs = BrisBench::Milliseconds([&] {
        failed = failed || session->SaveAs(target) != Bris::CProjectSession::ESaveResult::kSaved;
      });
    };
    const auto timeCopy = [&] {
      copy = BrisBench::Milliseconds([&] { failed = failed || std::system(command.c_str()) != 0; });
    };
    if (ratios.size() % 2 == 0) {
      timeSaveAs();
      timeCopy();
    } else {
      timeCopy();
      timeSaveAs();
    }
    session.reset();
    if (failed) {
      state.SkipWithError("the Save As or the copy failed");
      return;
    }
    state.SetIterationTime((saveAs + copy) / 1000.0);
    ratios.push_back(saveAs / copy);
  }
  state.counters["ratio"] = BrisBench::MedianOf(ratios);
}

void BM_SaveWith20MovedSlots(benchmark::State& state) {
  constexpr unsigned kMoved = 20;
  // Slot i takes the patch of slot i + 1, slot 20 the patch of slot 1: 20 records not at home.
  const auto movePatches = [](Bris::CProjectSession& session) {
    Bris::CParameterArray& patches = session.GetZelData().mPatches;
    Bris::CParameter* first = patches[0]->Clone();
    for (unsigned slot = 0; slot + 1 < kMoved; ++slot) {
      patches.ReplaceAt(slot, patches[slot + 1]->Clone());
    }
    patches.ReplaceAt(kMoved - 1, first);
    session.SetModified(true);
  };
  RunFreshSessionSaves(
      state, movePatches, [](Bris::CProjectSession& session) { return session.Save(); }, [] {});
}

BENCHMARK(BM_UnchangedSave)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UnchangedSaveBesideThreeModifiedProjects)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveAs)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SaveAsAfterAChange)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CopyFolderCpR)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CopyFolderCpRSync)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SaveAsPairedWithCpRSync)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(20);
BENCHMARK(BM_SaveWith20MovedSlots)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
