#pragma once

#include "LibMac/Utility/UPreference.h"
#include "Zel/Generic/CErrorOut.h"
#include "app/CLibrarianDoc.h"
#include "app/CProjectWindow.h"
#include "domain/CDomain.h"
#include "gui_support/GuiTestSupport.h"
#include "support/ProjectFixture.h"
#include "support/ScriptedTextOut.h"
#include "views/CColumnHeader.h"
#include "views/CPatchTableView.h"
#include "views/CTableSettings.h"
#include "views/CToneTableView.h"
#include "views/CWaveTableView.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace BrisTest {

// The project every list test opens:
//   patches 1 "Warm Pad" (tones 3, 5; switch 2), 2 "Bells" (tone 3; switch 1), 3 "Silent"
//   (tone 5; switch 0), 10 "Lead" (tone 5; switch 3); the rest blank.
//   tones 3 "Strings" (waves 12, 2), 5 "Brass" (wave 12), 8 "Lonely" (wave 20, no patch).
//   waves 2 "Snare" (.wav), 12 "Kick" (.w00, preset), 20 "Pad" (.w00), 30 "Spare" (.wav, unused).
inline std::string WriteListProject(const std::string& parent, const std::string& name = "Lists") {
  return ProjectBuilder(parent, name)
      .Patch(1, PatchFile("Warm Pad").Part(0, 3, false).Part(1, 5, true))
      .Patch(2, PatchFile("Bells").Part(0, 3, true).Part(1, 3, false))
      .Patch(3, PatchFile("Silent").Part(0, 5, false).Part(1, 5, false))
      .Patch(10, PatchFile("Lead").Part(0, 5, true).Part(1, 5, true))
      .Tone(3, ToneFile("Strings").Wave(0, 12).Wave(1, 2))
      .Tone(5, ToneFile("Brass").Wave(0, 12))
      .Tone(8, ToneFile("Lonely").Wave(0, 20))
      .Wave(2, "Snare", 64, ".wav")
      .Wave(12, "Kick", 64, ".w00")
      .Wave(20, "Pad", 64, ".w00")
      .Wave(30, "Spare", 64, ".wav")
      .Memo(Bris::CParameter::kPatch, 1, 0, "first memo")
      .Memo(Bris::CParameter::kPatch, 1, 3, "last memo")
      .Memo(Bris::CParameter::kTone, 3, 1, "tone memo")
      .Memo(Bris::CParameter::kWave, 12, 0, "kick memo")
      .Write();
}

// A project window on WriteListProject, with scripted alerts, dialogs and questions.
class ListsTest : public ::testing::Test {
protected:
  void SetUp() override {
    UPreference::CleanUp();
    CTableSettings::SetFont(0, 0);
    CTableSettings::SetGridState(0);
    mTextOut = &ScriptedTextOut::InstallAsErrorOut();
    mProject = WriteListProject(mTemp.Path());
    mDoc = std::make_unique<CLibrarianDoc>(mProject, nullptr);
    ASSERT_TRUE(mDoc->IsSpecified());
    mWindow = mDoc->GetProjectWindow();
    ASSERT_NE(mWindow, nullptr);
    mPatches = mWindow->GetPatchTable();
    mTones = mWindow->GetToneTable();
    mWaves = mWindow->GetWaveTable();
  }

  void TearDown() override {
    mDoc.reset();
    Bris::Domain().ClearUndoDoc();
    Bris::Domain().SetErrorOut(nullptr);
    UPreference::CleanUp();
  }

  // Undo as the application's Undo command performs it.
  void Undo() {
    Bris::Domain().Undo();
    mDoc->HandleUndoApplied();
  }

  static std::vector<int> SelectedRows(const CBaseTableView& table) {
    std::vector<int> rows;
    for (int row = 1; row <= table.GetRowCount(); ++row) {
      if (table.IsRowSelected(row)) {
        rows.push_back(row);
      }
    }
    return rows;
  }

  static bool IsEnabled(CBaseTableView& table, CommandT command) {
    SCommandStatus status;
    table.FindCommandStatus(command, status);
    return status.enabled;
  }

  TempFolder mTemp;
  CScriptedAlertRunner mAlerts;
  CScriptedDialogRunner mDialogs;
  ScriptedTextOut* mTextOut = nullptr;
  std::string mProject;
  std::unique_ptr<CLibrarianDoc> mDoc;
  CProjectWindow* mWindow = nullptr;
  CPatchTableView* mPatches = nullptr;
  CToneTableView* mTones = nullptr;
  CWaveTableView* mWaves = nullptr;
};

using Rows = std::vector<int>;

} // namespace BrisTest
