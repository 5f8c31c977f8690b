#include "app/ProjectWindowFixture.h"

#include "LibMac/Utility/PreferenceKeys.h"
#include "LibMac/Utility/UFileUtils.h"
#include "app/CCleanProjectDialog.h"
#include "app/CImportChooserDialog.h"
#include "domain/CZelData.h"
#include "store/FileExt.h"
#include "views/CColumnHeader.h"
#include "views/CPatchTableView.h"
#include "views/CTableSettings.h"
#include "views/CToneTableView.h"
#include "views/CWaveTableView.h"

#include <QCheckBox>

#include <filesystem>
#include <utility>

namespace {

using namespace BrisTest;
namespace fs = std::filesystem;

const char* const kAlsaSounds = "/usr/share/sounds/alsa/";

class CProjectWindowTest : public ProjectWindowFixture {
protected:
  // Patch 1 plays tone 2; tone 2 plays wave 1. Tone 4 and wave 3 are used by nothing.
  std::string BuildProject(const std::string& name = "Song") {
    return ProjectBuilder(mProjects.Path(), name)
        .Patch(1, PatchFile("Lead").Part(0, 2))
        .Tone(2, ToneFile("Saw").Wave(0, 1))
        .Tone(4, ToneFile("Unused"))
        .Wave(1, "Pulse", 100)
        .Wave(3, "Loose", 100)
        .Write();
  }

  // A clean dialog answer: the four boxes as given, then OK.
  static CScriptedDialogRunner::Step CleanAnswer(bool wave, bool tone, bool tnum, bool pnum) {
    return [=](QDialog& dialog) {
      auto& clean = dynamic_cast<CCleanProjectDialog&>(dialog);
      const bool states[] = {wave, tone, tnum, pnum};
      for (int option = 0; option < 4; ++option) {
        clean.GetCheckBox(option)->setChecked(states[option]);
      }
      return CModalDialogRunner::kMessageOk;
    };
  }

  static std::string Name(const Bris::CParameterArray& records, unsigned int index) {
    return records[index]->GetName();
  }

  static std::vector<int> SelectedRows(CBaseTableView* table) {
    std::vector<int> rows;
    for (int row = 1; row <= table->GetRowCount(); ++row) {
      if (table->IsRowSelected(row)) {
        rows.push_back(row);
      }
    }
    return rows;
  }

  static std::vector<std::string> AlsaFiles(std::initializer_list<const char*> names) {
    std::vector<std::string> files;
    for (const char* name : names) {
      files.push_back(std::string(kAlsaSounds) + name);
    }
    return files;
  }
};

TEST_F(CProjectWindowTest, Window_HasItsPanesByIdAndTheListsShowTheProject) {
  CLibrarianDoc* document = Open(BuildProject());
  ASSERT_NE(nullptr, document);
  CProjectWindow* window = document->GetProjectWindow();
  ASSERT_NE(nullptr, window);
  EXPECT_EQ(window, document->GetWindow());
  EXPECT_EQ(document, window->GetDocument());

  const std::pair<const char*, Bris::CParameter::EDataType> lists[] = {
      {"Plst", Bris::CParameter::kPatch},
      {"Nlst", Bris::CParameter::kTone},
      {"Wlst", Bris::CParameter::kWave}};
  for (const auto& [id, kind] : lists) {
    auto* table = window->findChild<CBaseTableView*>(QLatin1String(id));
    ASSERT_NE(nullptr, table) << id;
    EXPECT_EQ(table, window->GetTable(kind));
    EXPECT_EQ(kind, table->GetParamType());
    EXPECT_EQ(window, table->GetHost());
  }
  for (const char* id : {"Phdr", "Nhdr", "Whdr"}) {
    EXPECT_NE(nullptr, window->findChild<CColumnHeader*>(QLatin1String(id))) << id;
  }
  EXPECT_EQ(window->GetPatchTable(), window->GetTable(Bris::CParameter::kPatch));
  EXPECT_EQ(window->GetHeader(Bris::CParameter::kPatch), window->GetPatchTable()->GetHeader());

  EXPECT_EQ(QStringLiteral("Lead"), window->GetPatchTable()->GetCellText(1, 2));
  EXPECT_EQ(QStringLiteral("Saw"), window->GetToneTable()->GetCellText(2, 2));
  EXPECT_EQ(QStringLiteral("* Pulse"), window->GetWaveTable()->GetCellText(1, 2));
}

TEST_F(CProjectWindowTest, ColumnWidthsAndWindowSize_ComeFromThePreferencesElseTheDefaults) {
  CLibrarianDoc* plain = Open(BuildProject("Plain"));
  ASSERT_NE(nullptr, plain);
  const std::vector<int> patchDefaults = {50, 150, 70, 50, 50, 50, 50};
  for (int col = 1; col <= 7; ++col) {
    EXPECT_EQ(patchDefaults[col - 1], plain->GetProjectWindow()->GetPatchTable()->GetColWidth(col))
        << col;
  }
  EXPECT_EQ(150, plain->GetProjectWindow()->GetWaveTable()->GetColWidth(2));
  EXPECT_EQ(50, plain->GetProjectWindow()->GetToneTable()->GetColWidth(6));

  UPreference::SeekTag(kPrefGeneralSettings, true);
  UPreference::SetParamValue(kPrefToneColumnWidth, 222, 1);
  UPreference::SetParamValue(kPrefPatchColumnWidth, 90, 6);
  UPreference::SetParamValue(kPrefWaveColumnWidth, 3, 0); // narrower than any column can be
  UPreference::SetParamPoint(kPrefWindowSize, UPreference::Point{500, 900});
  CLibrarianDoc* stored = Open(BuildProject("Stored"));
  ASSERT_NE(nullptr, stored);
  CProjectWindow* window = stored->GetProjectWindow();
  EXPECT_EQ(222, window->GetToneTable()->GetColWidth(2));
  EXPECT_EQ(222, window->GetHeader(Bris::CParameter::kTone)->GetColWidth(2));
  EXPECT_EQ(90, window->GetPatchTable()->GetColWidth(7));
  EXPECT_EQ(50, window->GetWaveTable()->GetColWidth(1));
  EXPECT_EQ(QSize(900, 500), window->size());

  window->resize(1000, 600);
  UPreference::Point size;
  UPreference::SeekTag(kPrefGeneralSettings, false);
  UPreference::GetParamPoint(kPrefWindowSize, size, nullptr);
  EXPECT_EQ(600, size.v);
  EXPECT_EQ(1000, size.h);
}

TEST_F(CProjectWindowTest, MemoColumns_ShareTheSpareWidthUnlessTheirWidthIsStored) {
  // GIVEN a wide window size but no column widths, except patch memo line 4
  UPreference::SeekTag(kPrefGeneralSettings, true);
  UPreference::SetParamPoint(kPrefWindowSize, UPreference::Point{600, 2400});
  UPreference::SetParamValue(kPrefPatchColumnWidth, 50, 6);
  CLibrarianDoc* document = Open(BuildProject());
  ASSERT_NE(nullptr, document);
  CProjectWindow* window = document->GetProjectWindow();

  // THEN the memo columns are readable, the other columns keep their defaults and the stored
  // width wins
  const std::pair<CBaseTableView*, int> memoColumns[] = {
      {window->GetPatchTable(), 4}, {window->GetPatchTable(), 6}, {window->GetToneTable(), 3},
      {window->GetToneTable(), 6},  {window->GetWaveTable(), 3},  {window->GetWaveTable(), 6}};
  const int shared = window->GetPatchTable()->GetColWidth(4);
  EXPECT_GT(shared, 100);
  for (const auto& [table, column] : memoColumns) {
    EXPECT_NEAR(shared, table->GetColWidth(column), 1) << column;
  }
  EXPECT_EQ(50, window->GetPatchTable()->GetColWidth(7)) << "stored";
  EXPECT_EQ(150, window->GetToneTable()->GetColWidth(2));
  EXPECT_EQ(70, window->GetPatchTable()->GetColWidth(3));
  EXPECT_EQ(50, window->GetWaveTable()->GetColWidth(1));
  EXPECT_EQ(2400, window->width());
  int used = 0;
  for (CBaseTableView* table : {static_cast<CBaseTableView*>(window->GetPatchTable()),
                                static_cast<CBaseTableView*>(window->GetToneTable()),
                                static_cast<CBaseTableView*>(window->GetWaveTable())}) {
    used += table->GetColLeft(table->GetColCount() + 1);
  }
  EXPECT_LE(used, 2400) << "the lists still fit the window";
}

TEST_F(CProjectWindowTest, SelectingAPatch_ScrollsTheOtherListsToItsFirstReferredRow) {
  const std::string project = ProjectBuilder(mProjects.Path(), "Far")
                                  .Patch(1, PatchFile("Lead").Part(0, 800))
                                  .Patch(2, PatchFile("Near").Part(0, 1))
                                  .Tone(1, ToneFile("Top").Wave(0, 1))
                                  .Tone(800, ToneFile("Deep").Wave(0, 990))
                                  .Wave(1, "First", 100)
                                  .Wave(990, "Last", 100)
                                  .Write();
  CLibrarianDoc* document = Open(project);
  ASSERT_NE(nullptr, document);
  CProjectWindow* window = document->GetProjectWindow();
  window->resize(1200, 500);
  QApplication::processEvents();
  auto isVisible = [](CBaseTableView* table, int row) {
    int first = 0;
    int last = 0;
    table->GetVisibleRows(first, last);
    return row >= first && row <= last;
  };

  window->GetPatchTable()->SelectRow(1, false);
  window->GetPatchTable()->SelectReferredItems();
  EXPECT_TRUE(isVisible(window->GetToneTable(), 800));
  EXPECT_TRUE(isVisible(window->GetWaveTable(), 990));

  // A referred row already in sight keeps the list where the user left it.
  window->GetToneTable()->ScrollRowIntoView(1);
  ASSERT_TRUE(isVisible(window->GetToneTable(), 1));
  int firstBefore = 0;
  int lastBefore = 0;
  window->GetToneTable()->GetVisibleRows(firstBefore, lastBefore);
  window->GetPatchTable()->SelectRow(2, false);
  window->GetPatchTable()->SelectReferredItems();
  int firstAfter = 0;
  int lastAfter = 0;
  window->GetToneTable()->GetVisibleRows(firstAfter, lastAfter);
  EXPECT_EQ(firstBefore, firstAfter);
  EXPECT_TRUE(isVisible(window->GetWaveTable(), 1)) << "wave 1 was out of sight";
}

TEST_F(CProjectWindowTest, CleanProject_RemovesUnusedEntriesStoresTheOptionsAndCanBeUndone) {
  CLibrarianDoc* document = Open(BuildProject());
  ASSERT_NE(nullptr, document);
  CProjectWindow* window = document->GetProjectWindow();
  Bris::CZelData& data = document->GetZelData();
  window->GetToneTable()->SelectRow(4, false);

  // Keep tone numbers only: the unused tone 4 goes, tone 2 stays in its slot; the unused wave
  // goes.
  mDialogs.mSteps.push_back(CleanAnswer(false, false, true, false));
  ASSERT_TRUE(window->ObeyCommand(kCmdCleanProject));
  EXPECT_EQ(std::vector<std::string>{"CCleanProjectDialog"}, mDialogs.mShownClasses);
  EXPECT_TRUE(data.mTones[3]->IsBlank());
  EXPECT_EQ("Saw", Name(data.mTones, 1));
  EXPECT_EQ("Pulse", Name(data.mWaves, 0));
  EXPECT_TRUE(data.mWaves[2]->IsBlank());
  EXPECT_EQ(QStringLiteral("100 Bytes"), PaneText(document, "Wsiz"));
  EXPECT_TRUE(document->IsModified());
  EXPECT_FALSE(window->GetToneTable()->HasSelection(false));

  EXPECT_EQ(0, Bris::Domain().GetCleanOption(Bris::CDomain::kKeepUnusedTones));
  EXPECT_EQ(1, Bris::Domain().GetCleanOption(Bris::CDomain::kKeepToneNumbers));
  ASSERT_TRUE(UPreference::SeekTag(kPrefTnumOption, false));
  EXPECT_EQ(1, UPreference::GetParamValue(kPrefTnumState, 0));

  // Undo from the application brings the whole data set back and marks the document modified.
  document->SetModified(false);
  ASSERT_TRUE(Bris::Domain().IsUndoReady());
  mApp.HandleUndo();
  EXPECT_EQ("Unused", Name(data.mTones, 3));
  EXPECT_EQ("Loose", Name(data.mWaves, 2));
  EXPECT_EQ(QStringLiteral("200 Bytes"), PaneText(document, "Wsiz"));
  EXPECT_TRUE(document->IsModified());
}

TEST_F(CProjectWindowTest, CleanProject_Cancelled_ChangesNeitherOptionsNorProject) {
  CLibrarianDoc* document = Open(BuildProject());
  ASSERT_NE(nullptr, document);
  Bris::Domain().SetCleanOption(Bris::CDomain::kKeepUnusedTones, 1);
  mDialogs.mSteps.push_back([](QDialog& dialog) {
    auto& clean = dynamic_cast<CCleanProjectDialog&>(dialog);
    EXPECT_TRUE(clean.GetCheckBox(Bris::CDomain::kKeepUnusedTones)->isChecked());
    EXPECT_FALSE(clean.GetCheckBox(Bris::CDomain::kKeepPatchNumbers)->isChecked());
    clean.GetCheckBox(Bris::CDomain::kKeepUnusedTones)->setChecked(false);
    return CModalDialogRunner::kMessageCancel;
  });

  EXPECT_FALSE(document->GetProjectWindow()->HandleCleanProject());
  EXPECT_EQ(1, Bris::Domain().GetCleanOption(Bris::CDomain::kKeepUnusedTones));
  EXPECT_EQ("Unused", Name(document->GetZelData().mTones, 3));
  EXPECT_FALSE(document->IsModified());
  EXPECT_FALSE(Bris::Domain().IsUndoReady());
  Bris::Domain().SetCleanOption(Bris::CDomain::kKeepUnusedTones, 0);
}

TEST_F(CProjectWindowTest, ImportWaves_FillTheFirstFreeSlotsAndSelectExactlyTheirRows) {
  // Waves 1..13 are used except 6, 10 and 13 (slot indexes 5, 9, 12).
  ProjectBuilder builder(mProjects.Path(), "Waves");
  for (int number = 1; number <= 14; ++number) {
    if (number != 6 && number != 10 && number != 13) {
      builder.Wave(number, "W" + std::to_string(number), 10);
    }
  }
  CLibrarianDoc* document = Open(builder.Write());
  ASSERT_NE(nullptr, document);
  CProjectWindow* window = document->GetProjectWindow();
  window->GetWaveTable()->SelectRow(1, false);

  const int imported =
      window->HandleImportWaves(AlsaFiles({"Front_Left.wav", "Noise.wav", "Side_Right.wav"}));
  EXPECT_EQ(3, imported);
  EXPECT_TRUE(ShownAlerts().empty());
  EXPECT_EQ((std::vector<int>{6, 10, 13}), SelectedRows(window->GetWaveTable()));
  const Bris::CParameterArray& waves = document->GetZelData().mWaves;
  EXPECT_FALSE(waves[5]->IsBlank());
  EXPECT_FALSE(waves[9]->IsBlank());
  EXPECT_FALSE(waves[12]->IsBlank());
  EXPECT_TRUE(waves[14]->IsBlank());
  EXPECT_TRUE(document->IsModified());
  EXPECT_NE(QStringLiteral("110 Bytes"), PaneText(document, "Wsiz")) << "the size follows";

  // The imported files are written into the project when it is saved.
  ASSERT_TRUE(document->DoSave());
  std::list<std::string> waveFiles;
  UFileUtils::SearchFiles(document->GetFolderPath() + "/Wave", Bris::FileExt_Wave, &waveFiles);
  EXPECT_EQ(14u, waveFiles.size());
}

TEST_F(CProjectWindowTest, ImportWaves_ThroughTheChooser_RefusesAnUnacceptableNameWithAlert9) {
  CLibrarianDoc* document = Open(BuildProject());
  ASSERT_NE(nullptr, document);
  StTempFolder sounds;
  fs::copy_file(std::string(kAlsaSounds) + "Noise.wav", sounds.Path() + "/A.WAV");
  // The chooser shows it, but its name is no slot name.
  fs::copy_file(std::string(kAlsaSounds) + "Noise.wav", sounds.Path() + "/a:b.wav");
  auto choose = [&](const char* selection) {
    return [&sounds, selection](QDialog& dialog) {
      auto& chooser = dynamic_cast<CImportChooserDialog&>(dialog);
      const QString folder = QString::fromStdString(sounds.Path());
      chooser.SetLocation(folder);
      const QStringList names = QString::fromLatin1(selection).split(QLatin1Char(' '));
      EXPECT_TRUE(WaitUntil([&] { return chooser.GetOfferedNames().size() == 2; }));
      for (const QString& name : names) {
        EXPECT_TRUE(chooser.SelectEntry(folder + "/" + name, true)) << name.toStdString();
      }
      chooser.ChooseSelectedFiles();
      return CModalDialogRunner::kMessageOk;
    };
  };

  mDialogs.mSteps.push_back(choose("A.WAV a:b.wav"));
  document->GetProjectWindow()->AskImportWaves();
  EXPECT_EQ(std::vector<QString>{ErrorText(9)}, ShownAlerts());
  EXPECT_TRUE(document->GetZelData().mWaves[1]->IsBlank());
  EXPECT_FALSE(document->IsModified());

  mAlerts.mShown.clear();
  mDialogs.mSteps.push_back(choose("A.WAV"));
  document->GetProjectWindow()->AskImportWaves();
  EXPECT_TRUE(ShownAlerts().empty());
  EXPECT_EQ("A", Name(document->GetZelData().mWaves, 1));
  EXPECT_TRUE(document->IsModified());
}

TEST_F(CProjectWindowTest, ImportFileNames_NeedAKnownExtensionAfterAPlainName) {
  for (const char* accepted : {"A.WAV", "x.aiff", "kick.w00", "Loop.aif", "v.VPW", "a.wav.txt"}) {
    EXPECT_TRUE(CProjectWindow::IsValidFileName(accepted)) << accepted;
  }
  for (const char* refused : {".wav", "a:b.wav", "notes.txt", "a*b.aif", "what?.wav", "wav", ""}) {
    EXPECT_FALSE(CProjectWindow::IsValidFileName(refused)) << refused;
  }

  EXPECT_TRUE(CProjectWindow::ImportWavesFilter({"/x/A.WAV", "/y/b.aiff"}));
  EXPECT_TRUE(ShownAlerts().empty());
  EXPECT_FALSE(CProjectWindow::ImportWavesFilter({"/x/A.WAV", "/y/.wav"}));
  EXPECT_EQ(std::vector<QString>{ErrorText(9)}, ShownAlerts());
}

TEST_F(CProjectWindowTest, DroppedFiles_AreImportedAndProjectsOpenedOnceTheDropHasFinished) {
  CLibrarianDoc* document = Open(BuildProject());
  ASSERT_NE(nullptr, document);
  CProjectWindow* window = document->GetProjectWindow();
  const std::string other = BuildProject("Other");

  window->PostImportWaves(AlsaFiles({"Rear_Left.wav"}));
  window->PostOpenProject(other);
  EXPECT_TRUE(window->HasPendingWork());
  EXPECT_TRUE(document->GetZelData().mWaves[1]->IsBlank()) << "nothing happens during the drop";

  ASSERT_TRUE(WaitUntil([&] { return !window->HasPendingWork(); }));
  EXPECT_EQ("Rear_Left", Name(document->GetZelData().mWaves, 1).substr(0, 9));
  EXPECT_NE(nullptr, mApp.FindDocumentOfFolder(other));
  EXPECT_EQ(2u, mApp.GetDocuments().size());

  // Only a project folder is opened.
  window->HandleOpenProject(mProjects.Path());
  EXPECT_EQ(2u, mApp.GetDocuments().size());
  EXPECT_TRUE(ShownAlerts().empty());
}

TEST_F(CProjectWindowTest, OpenWindows_AreKeptInActivationOrderAndShareFontAndGrid) {
  CLibrarianDoc* first = Open(BuildProject("First"));
  CLibrarianDoc* second = Open(BuildProject("Second"));
  ASSERT_NE(nullptr, second);
  CProjectWindow* firstWindow = first->GetProjectWindow();
  CProjectWindow* secondWindow = second->GetProjectWindow();
  EXPECT_EQ((std::vector<CProjectWindow*>{firstWindow, secondWindow}), CProjectWindow::sLibWindows);

  firstWindow->activateWindow();
  ASSERT_TRUE(WaitUntil([&] { return CProjectWindow::sLibWindows.back() == firstWindow; }));
  EXPECT_EQ((std::vector<CProjectWindow*>{secondWindow, firstWindow}), CProjectWindow::sLibWindows);

  // A new list font from the application reaches every list of every window.
  const short oldNum = CTableSettings::sFontNum;
  const short oldSize = CTableSettings::sFontSize;
  emit mApp.FontChanged(0, 19);
  for (CProjectWindow* window : CProjectWindow::sLibWindows) {
    EXPECT_EQ(19, window->GetPatchTable()->GetTextFont().pointSize());
    EXPECT_EQ(19, window->GetWaveTable()->GetTextFont().pointSize());
  }
  CProjectWindow::UpdateFont(oldNum, oldSize);
  CProjectWindow::UpdateGrid(1);
  EXPECT_EQ(1, CTableSettings::sGridState);
  CProjectWindow::UpdateGrid(0);

  mApp.CloseDocument(first, false);
  EXPECT_TRUE(WaitUntil([&] { return CProjectWindow::sLibWindows.size() == 1; }));
  EXPECT_EQ(secondWindow, CProjectWindow::sLibWindows.front());
}

TEST_F(CProjectWindowTest, ProjectCommands_AreEnabledAndReachTheWindowFromItsLists) {
  CLibrarianDoc* document = Open(BuildProject());
  ASSERT_NE(nullptr, document);
  CPatchTableView* patches = document->GetProjectWindow()->GetPatchTable();
  for (CommandT command : {kCmdCleanProject, kCmdImportWaves, kCmdSaveAs, kCmdClose}) {
    SCommandStatus status;
    patches->FindCommandStatus(command, status);
    EXPECT_TRUE(status.enabled) << command;
  }
  EXPECT_TRUE(patches->ObeyCommand(kCmdImportWaves)); // the chooser is cancelled
  EXPECT_EQ(std::vector<std::string>{"CImportChooserDialog"}, mDialogs.mShownClasses);
}

} // namespace
