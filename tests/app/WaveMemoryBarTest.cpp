#include "app/ProjectWindowFixture.h"

#include "editing/CWaveMemoryMeter.h"
#include "gui_support/GuiTestSupport.h"
#include "gui_support/RowDragPlayer.h"
#include "support/DataSetSnapshot.h"
#include "views/CPatchTableView.h"
#include "views/CWaveMemoryBar.h"

#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QMimeData>

#include <filesystem>
#include <fstream>

namespace {

using namespace BrisTest;
using Bris::CWaveMemoryMeter;

constexpr std::uint64_t kLimit = CWaveMemoryMeter::kLimitBytes;

class WaveMemoryBarTest : public ProjectWindowFixture {
protected:
  // Patch 1 "Lead" plays tone 2 "Saw", which plays wave 1 "Pulse" of waveBytes.
  std::string BuildProject(const std::string& name, std::uint64_t waveBytes) {
    return ProjectBuilder(mProjects.Path(), name)
        .Patch(1, PatchFile("Lead").Part(0, 2))
        .Tone(2, ToneFile("Saw").Wave(0, 1))
        .Wave(1, "Pulse", waveBytes)
        .Write();
  }

  std::string AudioFile(const std::string& name, std::uint64_t bytes) {
    const std::string path = mProjects.Path() + "/" + name;
    std::ofstream(path, std::ios::binary).close();
    std::filesystem::resize_file(path, bytes);
    return path;
  }

  static std::unique_ptr<QMimeData> Files(const std::vector<std::string>& paths) {
    return BrisTest::FileDragData(paths);
  }

  // Whether the window takes a drag of files moving over it.
  static bool FileDragIsTaken(CProjectWindow* window, const QMimeData* files) {
    QDragEnterEvent enter(QPoint(30, 30), Qt::CopyAction, files, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &enter);
    QDragMoveEvent move(QPoint(32, 32), Qt::CopyAction, files, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &move);
    return enter.isAccepted() && move.isAccepted();
  }

  static void LeaveWindow(CProjectWindow* window) {
    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(window, &leave);
  }
};

TEST_F(WaveMemoryBarTest, DropsThatWouldPassTheLimitAreRefusedBeforeReleaseAndSaySo) {
  // GIVEN a target project 150 bytes short of the wave-memory limit, and a source whose patch
  // carries a 100-byte wave
  CLibrarianDoc* source = Open(BuildProject("Source", 100));
  CLibrarianDoc* target = Open(BuildProject("Target", kLimit - 150));
  ASSERT_NE(nullptr, source);
  ASSERT_NE(nullptr, target);
  CProjectWindow* window = target->GetProjectWindow();
  const CWaveMemoryBar* bar = window->GetWaveMemoryBar();
  EXPECT_EQ(bar->GetMeter().GetUsedBytes(), kLimit - 150);
  EXPECT_EQ(bar->GetMeter().GetState(), CWaveMemoryMeter::EState::kAmber);
  EXPECT_FALSE(bar->GetForecastNote()->isVisibleTo(window));

  // WHEN the patch is dragged over the target's patch list, the meter shows the total the drop
  // would give; it fits, so the drop is taken
  source->GetProjectWindow()->GetPatchTable()->SelectRows(1, 1, false);
  bool shownWhileOver = false;
  SPlayedDrag drag = DragRows(*source->GetProjectWindow()->GetPatchTable(), 1,
                              *window->GetPatchTable(), 5, Qt::NoModifier, false, [&] {
                                shownWhileOver = bar->GetMeter().HasForecast() &&
                                                 bar->GetMeter().GetShownBytes() == kLimit - 50 &&
                                                 !bar->GetMeter().IsForecastRefused();
                              });
  EXPECT_TRUE(shownWhileOver);
  EXPECT_EQ(Qt::CopyAction, drag.action);
  EXPECT_FALSE(bar->GetMeter().HasForecast()) << "the forecast goes when the drag leaves";

  // A 200-byte wave would pass the limit: the list refuses the drag before release and the note
  // beside the meter says why; nothing is pasted and no alert comes.
  CLibrarianDoc* heavy = Open(BuildProject("Heavy", 200));
  ASSERT_NE(nullptr, heavy);
  const DataSetSnapshot before(target->GetZelData());
  heavy->GetProjectWindow()->GetPatchTable()->SelectRows(1, 1, false);
  QString noteWhileOver;
  drag = DragRows(*heavy->GetProjectWindow()->GetPatchTable(), 1, *window->GetPatchTable(), 5,
                  Qt::NoModifier, true, [&] {
                    if (bar->GetMeter().IsForecastRefused() &&
                        bar->GetForecastNote()->isVisibleTo(window)) {
                      noteWhileOver = bar->GetForecastNote()->text();
                    }
                  });
  EXPECT_EQ(Qt::IgnoreAction, drag.action);
  EXPECT_TRUE(drag.hilite.isNull()) << "no place to land is shown";
  EXPECT_FALSE(drag.received);
  EXPECT_NE(noteWhileOver.indexOf(QStringLiteral("refused")), -1) << noteWhileOver.toStdString();
  EXPECT_TRUE(before.Matches(target->GetZelData()));
  EXPECT_TRUE(ShownAlerts().empty());
  EXPECT_FALSE(bar->GetMeter().HasForecast());

  // Audio files dragged from the desktop are forecast the same way: 150 bytes fit, 151 do not.
  const auto fitting = Files({AudioFile("fits.wav", 150)});
  EXPECT_TRUE(FileDragIsTaken(window, fitting.get()));
  EXPECT_EQ(bar->GetMeter().GetShownBytes(), kLimit);
  EXPECT_EQ(bar->GetMeter().GetState(), CWaveMemoryMeter::EState::kRed);
  LeaveWindow(window);
  const auto tooBig = Files({AudioFile("toobig.wav", 151)});
  EXPECT_FALSE(FileDragIsTaken(window, tooBig.get()));
  EXPECT_TRUE(bar->GetMeter().IsForecastRefused());
  EXPECT_NE(bar->toolTip().indexOf(QStringLiteral("refused")), -1);
  EXPECT_FALSE(window->DoDragReceive(tooBig.get()));
  LeaveWindow(window);
  EXPECT_FALSE(bar->GetMeter().HasForecast());
  EXPECT_FALSE(window->HasPendingWork());

  // An import that fits fills the meter to the limit.
  EXPECT_EQ(window->HandleImportWaves({mProjects.Path() + "/fits.wav"}), 1);
  EXPECT_EQ(bar->GetMeter().GetUsedBytes(), kLimit);
  EXPECT_FALSE(bar->GetMeter().HasForecast());
}

} // namespace
