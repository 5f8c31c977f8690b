// The project window on a full project (every slot used), offscreen:
//   BM_OpenProjectToWindowPainted  from constructing the document on the folder (read, window
//                                  built and shown) to its first paint;
//   BM_RepaintList/kind            one full paint of a list's visible area (kind 0 patch,
//                                  1 tone, 2 wave), which asks only the visible cells for texts.
#include "app/CLibrarianDoc.h"
#include "app/CProjectWindow.h"
#include "support/FullProjectFolder.h"
#include "views/CBaseTableView.h"

#include <QApplication>
#include <QImage>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

using Bris::CParameter;

std::unique_ptr<CLibrarianDoc> OpenFullProject() {
  auto doc = std::make_unique<CLibrarianDoc>(BrisBench::FullProject().path, nullptr);
  if (!doc->IsSpecified()) {
    return nullptr;
  }
  // The application shows a document's window once it is added; do the same here.
  CProjectWindow* window = doc->GetProjectWindow();
  window->show();
  // Offscreen windows are not exposed, so repaint() would skip the paint: render instead.
  QImage image(window->size(), QImage::Format_ARGB32_Premultiplied);
  window->render(&image);
  return doc;
}

void BM_OpenProjectToWindowPainted(benchmark::State& state) {
  BrisBench::FullProject(); // written once, outside the timing
  for (auto _ : state) {
    std::unique_ptr<CLibrarianDoc> doc = OpenFullProject();
    if (!doc) {
      state.SkipWithError("the full project did not open");
      break;
    }
    state.PauseTiming();
    doc.reset();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenProjectToWindowPainted)->Unit(benchmark::kMillisecond);

void BM_RepaintList(benchmark::State& state) {
  std::unique_ptr<CLibrarianDoc> doc = OpenFullProject();
  if (!doc) {
    state.SkipWithError("the full project did not open");
    return;
  }
  CBaseTableView* table =
      doc->GetProjectWindow()->GetTable(static_cast<CParameter::EDataType>(state.range(0)));
  QWidget* viewport = table->viewport();
  QImage image(viewport->size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    viewport->render(&image);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_RepaintList)
    ->Arg(CParameter::kPatch)
    ->Arg(CParameter::kTone)
    ->Arg(CParameter::kWave)
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  ::benchmark::Initialize(&argc, argv);
  ::benchmark::RunSpecifiedBenchmarks();
  ::benchmark::Shutdown();
  return 0;
}
