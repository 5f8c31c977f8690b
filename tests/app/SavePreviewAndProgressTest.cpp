#include "app/ProjectWindowFixture.h"

#include "LibMac/Utility/PreferenceKeys.h"
#include "app/CSavePreview.h"
#include "app/CSavePreviewDialog.h"
#include "app/UAppPreferences.h"
#include "domain/CZelData.h"
#include "framework/CProgressWindow.h"
#include "store/CWritePlan.h"
#include "store/WriteFixture.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTreeWidget>

#include <filesystem>
#include <fstream>

namespace {

using namespace BrisTest;
namespace fs = std::filesystem;

class SavePreviewAndProgressTest : public ProjectWindowFixture {
protected:
  void SetUp() override {
    ProjectWindowFixture::SetUp();
    CProgressWindow::SetShowDelay(0);
  }
  void TearDown() override {
    CProgressWindow::SetStepListener({});
    CProgressWindow::SetShowDelay(CProgressWindow::kDefaultShowDelayMs);
    CSavePreview::SetShownBeforeSaves(true);
    ProjectWindowFixture::TearDown();
  }

  // Patches 1 Lead and 2 Bass play tone 1, which plays wave 1.
  std::string BuildSong() {
    return ProjectBuilder(mProjects.Path(), "Song")
        .Patch(1, PatchFile("Lead").Part(0, 1))
        .Patch(2, PatchFile("Bass").Part(0, 1))
        .Tone(1, ToneFile("Saw").Wave(0, 1))
        .Wave(1, "Pulse", 100)
        .Write();
  }

  static void DeletePatch(CLibrarianDoc* document, std::size_t patchIndex) {
    Bris::CPatch* patch = document->GetZelData().mPatches.Get(patchIndex);
    patch->Initialize();
    patch->ClearPatchTone();
    document->SetModified(true);
  }

  // A file with a wave's extension; an import copies it without reading inside.
  std::string AudioFile(const std::string& name) const {
    const std::string path = mHome.Path() + "/" + name;
    std::ofstream(path, std::ios::binary) << "RIFF" << std::string(500, 'w');
    return path;
  }
};

TEST_F(SavePreviewAndProgressTest, SavePreview_OnlyForSavesThatTrashFiles_CancelKeepsAllSaveSaves) {
  const std::string project = BuildSong();
  CLibrarianDoc* document = Open(project);
  ASSERT_NE(nullptr, document);

  // A save that removes nothing asks nothing.
  document->GetZelData().mPatches.Get(1)->SetFinalName("Deep", false);
  document->SetModified(true);
  ASSERT_TRUE(document->DoSave());
  EXPECT_TRUE(mDialogs.mShownClasses.empty());

  // A deleted patch: the preview lists its file, and Cancel leaves project and disk as they were.
  DeletePatch(document, 0);
  const FolderContents before = ReadFolder(project);
  QStringList listed;
  QString trashCount;
  mDialogs.mSteps.push_back([&](QDialog& dialog) {
    auto& preview = dynamic_cast<CSavePreviewDialog&>(dialog);
    const QTreeWidget* list = preview.GetTrashedList();
    for (int row = 0; list != nullptr && row < list->topLevelItemCount(); ++row) {
      const QTreeWidgetItem* item = list->topLevelItem(row);
      listed << item->text(0) + QLatin1Char('/') + item->text(1) + QLatin1Char('/') + item->text(2);
    }
    trashCount = dialog.findChild<QLabel*>(QStringLiteral("TrashCount"))->text();
    EXPECT_NE(nullptr, dialog.findChild<QPushButton*>(QStringLiteral("Save")));
    return CModalDialogRunner::kMessageCancel;
  });
  EXPECT_FALSE(document->DoSave());
  EXPECT_EQ(listed, QStringList{QStringLiteral("Patch/1/Lead")});
  EXPECT_EQ(trashCount, QStringLiteral("1"));
  EXPECT_TRUE(ShownAlerts().empty());
  EXPECT_TRUE(document->IsModified());
  EXPECT_TRUE(document->GetZelData().mPatches.Get(0)->IsBlank());
  EXPECT_EQ(ReadFolder(project), before);

  // Save saves: the deleted patch's file has left the project.
  mDialogs.mSteps.push_back([](QDialog&) { return CModalDialogRunner::kMessageOk; });
  ASSERT_TRUE(document->DoSave());
  EXPECT_EQ(mDialogs.mShownClasses.size(), 2u);
  EXPECT_FALSE(document->IsModified());
  EXPECT_EQ(FileNamesIn(project + "Patch"), std::vector<std::string>{"002 Deep.d00"});
}

TEST_F(SavePreviewAndProgressTest,
       PreviewSaveCommand_ShowsWithoutSavingAndItsBoxTurnsThePreviewOff) {
  const std::string project = BuildSong();
  CLibrarianDoc* document = Open(project);
  ASSERT_NE(nullptr, document);
  SCommandStatus status;
  document->FindCommandStatus(kCmdPreviewSave, status);
  EXPECT_TRUE(status.enabled);
  DeletePatch(document, 1);
  const FolderContents before = ReadFolder(project);

  // GIVEN the preview opened from the File menu, with its box turned off
  bool onlyClose = false;
  mDialogs.mSteps.push_back([&](QDialog& dialog) {
    onlyClose = dialog.findChild<QPushButton*>(QStringLiteral("Save")) == nullptr &&
                dialog.findChild<QPushButton*>(QStringLiteral("Close")) != nullptr;
    dynamic_cast<CSavePreviewDialog&>(dialog).GetShowBeforeSavesBox()->setChecked(false);
    return CModalDialogRunner::kMessageCancel;
  });
  EXPECT_TRUE(document->ObeyCommand(kCmdPreviewSave));
  EXPECT_TRUE(onlyClose);
  EXPECT_EQ(ReadFolder(project), before) << "a preview saves nothing";
  EXPECT_TRUE(document->IsModified());

  // The preference is stored with the others and read back.
  UAppPreferences::Save();
  ASSERT_TRUE(UPreference::SeekTag(kPrefSavePreview, false));
  EXPECT_EQ(UPreference::GetParamValue(kPrefSavePreviewState, 1), 0);
  CSavePreview::SetShownBeforeSaves(true);
  UAppPreferences::Load();
  EXPECT_FALSE(CSavePreview::IsShownBeforeSaves());

  // THEN a save that trashes a file goes ahead unasked.
  ASSERT_TRUE(document->DoSave());
  EXPECT_EQ(mDialogs.mShownClasses.size(), 1u);
  EXPECT_EQ(FileNamesIn(project + "Patch"), std::vector<std::string>{"001 Lead.d00"});

  // A project never saved has no save to preview.
  CLibrarianDoc* untitled = MakeNew();
  ASSERT_NE(nullptr, untitled);
  SCommandStatus untitledStatus;
  untitled->FindCommandStatus(kCmdPreviewSave, untitledStatus);
  EXPECT_FALSE(untitledStatus.enabled);
}

TEST_F(SavePreviewAndProgressTest, SaveProgress_CountsEveryStepOfThePlanWithoutCancel) {
  const std::string project = BuildSong();
  CLibrarianDoc* document = Open(project);
  ASSERT_NE(nullptr, document);
  document->GetZelData().mPatches.Get(0)->SetFinalName("Lead 2", false);
  document->GetZelData().mPatches.ReplaceAt(4, document->GetZelData().mPatches.Get(1)->Clone());
  document->SetModified(true);
  Bris::CWritePlan plan;
  ASSERT_TRUE(document->GetSession().PlanSave(plan));
  ASSERT_GE(plan.StepCount(), 3u);

  QStringList counts;
  // Every step is shown, and none of them offers a Cancel.
  bool cancellableOrHidden = false;
  CProgressWindow::SetStepListener([&](CProgressWindow& window, std::size_t) {
    counts << window.GetCountText();
    cancellableOrHidden = cancellableOrHidden || window.IsCancellable() || !window.isVisible();
  });
  ASSERT_TRUE(document->DoSave());
  QStringList expected;
  for (std::size_t step = 1; step <= plan.StepCount(); ++step) {
    expected << QStringLiteral("Step %1 of %2").arg(step).arg(plan.StepCount());
  }
  EXPECT_EQ(counts, expected);
  EXPECT_FALSE(cancellableOrHidden);
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    EXPECT_FALSE(widget->objectName() == QStringLiteral("Progress") && widget->isVisible());
  }
  EXPECT_EQ(FileNamesIn(project + "Patch"),
            (std::vector<std::string>{"001 Lead 2.d00", "002 Bass.d00", "005 Bass.d00"}));
}

TEST_F(SavePreviewAndProgressTest, ImportCancelled_CopiesNothingAndLeavesTheProjectUnchanged) {
  CLibrarianDoc* document = Open(BuildSong());
  ASSERT_NE(nullptr, document);
  CProjectWindow* window = document->GetProjectWindow();
  const std::vector<std::string> files = {AudioFile("Kick.wav"), AudioFile("Snare.wav"),
                                          AudioFile("Tom.wav")};
  const std::string workFolder = Bris::Domain().GetWorkFolderPath();
  const FolderContents workBefore = ReadFolder(workFolder);
  const auto blankWaves = document->GetZelData().GetDeletedIndexes(Bris::CParameter::kWave);

  // Cancelled before the first copy and after two of three: nothing stays either way.
  for (std::size_t cancelAt : {0u, 2u}) {
    SCOPED_TRACE(cancelAt);
    QStringList counts;
    CProgressWindow::SetStepListener([&](CProgressWindow& progress, std::size_t stepIndex) {
      counts << progress.GetCountText();
      if (stepIndex == cancelAt) {
        progress.findChild<QPushButton*>(QStringLiteral("Cancel"))->click();
      }
    });
    EXPECT_EQ(window->HandleImportWaves(files), 0);
    EXPECT_EQ(counts.size(), static_cast<int>(cancelAt) + 1);
    EXPECT_TRUE(ShownAlerts().empty());
    EXPECT_FALSE(document->IsModified());
    EXPECT_EQ(document->GetZelData().GetDeletedIndexes(Bris::CParameter::kWave), blankWaves);
    EXPECT_EQ(ReadFolder(workFolder), workBefore);
    EXPECT_FALSE(Bris::Domain().IsUndoDoc(&document->GetZelData()));
  }

  // Not cancelled, the window counts every file and the import fills three slots.
  QStringList counts;
  CProgressWindow::SetStepListener(
      [&](CProgressWindow& progress, std::size_t) { counts << progress.GetCountText(); });
  EXPECT_EQ(window->HandleImportWaves(files), 3);
  EXPECT_EQ(counts, (QStringList{QStringLiteral("File 1 of 3"), QStringLiteral("File 2 of 3"),
                                 QStringLiteral("File 3 of 3")}));
  EXPECT_TRUE(document->IsModified());
}

} // namespace
