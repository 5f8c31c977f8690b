// Resident memory of the application with one and with four full projects open (every slot used),
// each with its window shown and painted offscreen. Reported as counters (MB of VmRSS before and
// after opening), not timed; each run opens its own copies of the full project folder.
#include "app/CLibrarianDoc.h"
#include "app/CProjectWindow.h"
#include "support/FullProjectFolder.h"

#include <QApplication>
#include <QImage>
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// VmRSS of this process in MB, from /proc/self/status (0 where there is none).
double ResidentMegabytes() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) {
      return std::stod(line.substr(6)) / 1024.0;
    }
  }
  return 0;
}

void BM_ResidentMemoryWithFullProjects(benchmark::State& state) {
  const BrisBench::SFullProject& project = BrisBench::FullProject();
  const auto count = static_cast<int>(state.range(0));
  BrisTest::TempFolder copies;
  std::vector<std::string> folders{project.path};
  for (int copy = 1; copy < count; ++copy) {
    const std::string folder = copies.Path() + "/Full " + std::to_string(copy) + ".prj/";
    fs::copy(project.path, folder, fs::copy_options::recursive);
    folders.push_back(folder);
  }
  for (auto _ : state) {
    const double before = ResidentMegabytes();
    std::vector<std::unique_ptr<CLibrarianDoc>> docs;
    for (const std::string& folder : folders) {
      auto doc = std::make_unique<CLibrarianDoc>(folder, nullptr);
      if (!doc->IsSpecified()) {
        state.SkipWithError("a full project did not open");
        return;
      }
      CProjectWindow* window = doc->GetProjectWindow();
      window->show();
      QImage image(window->size(), QImage::Format_ARGB32_Premultiplied);
      window->render(&image);
      docs.push_back(std::move(doc));
    }
    QCoreApplication::processEvents();
    state.counters["rss_before_MB"] = before;
    state.counters["rss_open_MB"] = ResidentMegabytes();
    docs.clear();
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_ResidentMemoryWithFullProjects)->Arg(1)->Arg(4)->Iterations(1);

} // namespace
