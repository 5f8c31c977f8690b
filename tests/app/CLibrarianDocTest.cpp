#include "app/ProjectWindowFixture.h"

#include "domain/CZelData.h"
#include "store/CBriselDocument.h"

#include <QMessageBox>

#include <filesystem>
#include <utility>

namespace {

using namespace BrisTest;
namespace fs = std::filesystem;

class CLibrarianDocTest : public ProjectWindowFixture {
protected:
  // Patch 1 "Warm Pad" plays tone 3 "Strings", whose oscillator plays wave 12 "Kick"; wave 2
  // "Snare" is unused. The waves take 1000 + 1048 = 2048 bytes.
  std::string BuildSong(const std::string& name = "Song") {
    return ProjectBuilder(mProjects.Path(), name)
        .Patch(1, PatchFile("Warm Pad").Part(0, 3))
        .Tone(3, ToneFile("Strings").Wave(0, 12))
        .Wave(12, "Kick", 1000)
        .Wave(2, "Snare", 1048)
        .RawFile("Brisel System.s00", "system bytes")
        .RawFile("Brisel Setup.s00", "setup bytes")
        .Write();
  }

  static std::string PatchName(const std::string& projectPath, unsigned int patchIndex) {
    Bris::CBriselDocument reread;
    if (!OpenProject(reread, projectPath)) {
      return "<unreadable>";
    }
    return reread.GetZelData().mPatches[patchIndex]->GetName();
  }
};

TEST_F(CLibrarianDocTest, OpenedProject_ShowsItsFolderPathWaveSizeAndFolderNameAsTitle) {
  const std::string project = BuildSong(); // ".../Song.prj/"
  CLibrarianDoc* document = Open(project);
  ASSERT_NE(nullptr, document);

  EXPECT_TRUE(document->IsSpecified());
  EXPECT_FALSE(document->IsModified());
  EXPECT_EQ(QStringLiteral("Song.prj"), document->GetWindow()->windowTitle());
  EXPECT_EQ(QString::fromStdString(mProjects.Path() + "/Song.prj"), PaneText(document, "Path"));
  EXPECT_EQ(QStringLiteral("2.0 KB"), PaneText(document, "Wsiz"));
  EXPECT_TRUE(document->GetWindow()->isVisible());
  EXPECT_EQ("Warm Pad", document->GetZelData().mPatches[0]->GetName());
  EXPECT_TRUE(ShownAlerts().empty());

  // The registry of open projects knows the document and asks it for its modified state.
  const auto& registered = Bris::Domain().GetOpenDocuments();
  ASSERT_EQ(1u, registered.size());
  EXPECT_EQ(&document->GetStore(), registered[0].document);
  EXPECT_TRUE(document->GetStore().GetAllZelData().empty());
  document->SetModified(true);
  EXPECT_EQ(std::vector<Bris::CZelData*>{&document->GetZelData()},
            document->GetStore().GetAllZelData());
}

TEST_F(CLibrarianDocTest, FoldersThatCannotBeRead_ShowAlert1AndOpenNoWindow) {
  const std::string noTone =
      ProjectBuilder(mProjects.Path(), "NoTone").Patch(1, PatchFile("A")).Write();
  fs::remove_all(noTone + "Tone");
  const std::string brokenPatch = ProjectBuilder(mProjects.Path(), "Broken")
                                      .RawFile("Patch/001 Bad.d00", std::string(256, 'x'))
                                      .Write();
  const std::string missing = mProjects.Path() + "/Missing.prj";

  const std::string shortPatch =
      ProjectBuilder(mProjects.Path(), "Short").RawFile("Patch/002 Tiny.d00", "SVD0").Write();
  // Alert 1's sentence first, then which project and which file failed, and why.
  const std::pair<std::string, std::string> expected[] = {
      {noTone, "\u201CNoTone.prj\u201D has no \u201CTone\u201D folder."},
      {brokenPatch, "The file \u201CPatch/001 Bad.d00\u201D of \u201CBroken.prj\u201D has a wrong "
                    "signature: it is not a file of its kind."},
      {shortPatch, "The file \u201CPatch/002 Tiny.d00\u201D of \u201CShort.prj\u201D is too short "
                   "to be a file of its kind."},
      {missing, "\u201CMissing.prj\u201D does not exist or is not a folder."}};
  for (const auto& [folder, reason] : expected) {
    mAlerts.mShown.clear();
    EXPECT_FALSE(mApp.OpenDocument(folder)) << folder;
    EXPECT_EQ(std::vector<QString>{ErrorText(1) + QStringLiteral("\n\n") +
                                   QString::fromStdString(reason)},
              ShownAlerts())
        << folder;
  }
  EXPECT_TRUE(mApp.GetDocuments().empty());
  EXPECT_TRUE(CProjectWindow::sLibWindows.empty());
  EXPECT_TRUE(Bris::Domain().GetOpenDocuments().empty());
}

TEST_F(CLibrarianDocTest, FolderWithoutWave_OpensWithNoWavesButCannotBeSavedUntilItHasOne) {
  const std::string project = ProjectBuilder(mProjects.Path(), "Dry")
                                  .Patch(1, PatchFile("Lead"))
                                  .WithoutWaveFolder()
                                  .Write();
  CLibrarianDoc* document = Open(project);
  ASSERT_NE(nullptr, document);
  EXPECT_EQ(QStringLiteral("0 Bytes"), PaneText(document, "Wsiz"));

  document->GetZelData().mPatches[0]->SetFinalName("Bass", false);
  document->SetModified(true);
  EXPECT_FALSE(document->DoSave());
  EXPECT_EQ(std::vector<QString>{ErrorText(2)}, ShownAlerts());
  EXPECT_TRUE(document->IsModified());
  EXPECT_EQ("Lead", PatchName(project, 0)) << "nothing was written";

  // Save As checks the current folder as well, before it asks for a new one.
  mDialogs.mSteps.push_back(NewProjectIn(mProjects.Path(), "Elsewhere"));
  EXPECT_FALSE(document->AskSaveAs());
  EXPECT_EQ(2u, mAlerts.mShown.size());
  EXPECT_FALSE(fs::exists(mProjects.Path() + "/Elsewhere.prj/Patch"));

  fs::create_directory(project + "Wave");
  // The refused Save As left the patch on a work-folder copy: its old file leaves the project,
  // so the save preview asks first.
  mDialogs.mSteps.push_back([](QDialog&) { return CModalDialogRunner::kMessageOk; });
  EXPECT_TRUE(document->DoSave());
  EXPECT_FALSE(document->IsModified());
  EXPECT_EQ("Bass", PatchName(project, 0));
}

TEST_F(CLibrarianDocTest, NewProjects_AreTitledUntitledThenNumberedAndCarryAStarWhileModified) {
  CLibrarianDoc* first = MakeNew();
  CLibrarianDoc* second = MakeNew();
  CLibrarianDoc* third = MakeNew();
  ASSERT_NE(nullptr, third);
  EXPECT_EQ(QStringLiteral("Untitled"), first->GetWindow()->windowTitle());
  EXPECT_EQ(QStringLiteral("Untitled 1"), second->GetWindow()->windowTitle());
  EXPECT_EQ(QStringLiteral("Untitled 2"), third->GetWindow()->windowTitle());
  EXPECT_FALSE(first->IsSpecified());
  EXPECT_EQ(QString(), PaneText(first, "Path"));

  second->SetModified(true);
  EXPECT_EQ(QStringLiteral("Untitled 1*"), second->GetWindow()->windowTitle());
  EXPECT_EQ(QStringLiteral("Untitled 1"), second->GetDescriptor());
  second->SetModified(false);
  EXPECT_EQ(QStringLiteral("Untitled 1"), second->GetWindow()->windowTitle());

  // Save stays enabled for a document that has no folder yet.
  SCommandStatus status;
  first->FindCommandStatus(kCmdSave, status);
  EXPECT_TRUE(status.enabled);
}

TEST_F(CLibrarianDocTest, Save_WritesTheProjectClearsTheStarAndTheFilesReadBackTheSame) {
  const std::string project = BuildSong();
  CLibrarianDoc* document = Open(project);
  ASSERT_NE(nullptr, document);
  SCommandStatus status;
  document->FindCommandStatus(kCmdSave, status);
  EXPECT_FALSE(status.enabled) << "nothing to save";

  document->GetZelData().mPatches[0]->SetFinalName("Cold Pad", false);
  document->GetZelData().mPatches[0]->SetMemo(1, "second line");
  document->SetModified(true);
  EXPECT_EQ(QStringLiteral("Song.prj*"), document->GetWindow()->windowTitle());
  document->FindCommandStatus(kCmdSave, status);
  EXPECT_TRUE(status.enabled);

  EXPECT_TRUE(mApp.GetCommandAction(kCmdSave) != nullptr);
  EXPECT_TRUE(document->ObeyCommand(kCmdSave));
  EXPECT_FALSE(document->IsModified());
  EXPECT_EQ(QStringLiteral("Song.prj"), document->GetWindow()->windowTitle());
  EXPECT_TRUE(ShownAlerts().empty());
  EXPECT_TRUE(fs::exists(project + "Patch/001 Cold Pad.d00"));
  EXPECT_FALSE(fs::exists(project + "Patch/001 Warm Pad.d00"));

  Bris::CBriselDocument reread;
  ASSERT_TRUE(OpenProject(reread, project));
  EXPECT_EQ("Cold Pad", reread.GetZelData().mPatches[0]->GetName());
  EXPECT_EQ("second line", reread.GetZelData().mPatches[0]->GetMemo(1));
  EXPECT_TRUE(reread.GetZelData().mPatches.Get(0)->SearchToneNumber(3));
}

TEST_F(CLibrarianDocTest, MemoFileThatCannotBeWritten_FailsTheSaveWithAlert2AndStaysModified) {
  const std::string project = ProjectBuilder(mProjects.Path(), "Memo")
                                  .Patch(1, PatchFile("Lead"))
                                  .Folder("PatchMemo.txt") // no file can replace a folder
                                  .Write();
  CLibrarianDoc* document = Open(project);
  ASSERT_NE(nullptr, document);
  document->GetZelData().mPatches[0]->SetMemo(0, "kept for the next save");
  document->SetModified(true);

  EXPECT_FALSE(document->DoSave());
  // Alert 2, followed by which file failed and why.
  const std::vector<QString> shown = ShownAlerts();
  ASSERT_EQ(1u, shown.size());
  EXPECT_TRUE(shown[0].startsWith(ErrorText(2))) << shown[0].toStdString();
  EXPECT_TRUE(shown[0].contains(QString::fromStdString(project + "PatchMemo.txt")))
      << shown[0].toStdString();
  EXPECT_TRUE(document->IsModified());
  EXPECT_EQ(QStringLiteral("Memo.prj*"), document->GetWindow()->windowTitle());
}

TEST_F(CLibrarianDocTest, SaveAs_IntoANewFolder_CopiesEverythingAndTheDocumentMovesThere) {
  const std::string project = BuildSong();
  CLibrarianDoc* document = Open(project);
  ASSERT_NE(nullptr, document);
  document->GetZelData().mPatches[0]->SetFinalName("Renamed", false);
  document->SetModified(true);

  fs::create_directory(mProjects.Path() + "/Copies");
  mDialogs.mSteps.push_back(NewProjectIn(mProjects.Path() + "/Copies", "Copy"));
  EXPECT_TRUE(document->ObeyCommand(kCmdSaveAs));
  EXPECT_TRUE(ShownAlerts().empty());

  const std::string copy = mProjects.Path() + "/Copies/Copy.prj/";
  EXPECT_EQ(QStringLiteral("Copy.prj"), document->GetWindow()->windowTitle());
  EXPECT_EQ(QString::fromStdString(mProjects.Path() + "/Copies/Copy.prj"),
            PaneText(document, "Path"));
  EXPECT_EQ(copy.substr(0, copy.size() - 1), document->GetFolderPath());
  EXPECT_FALSE(document->IsModified());
  EXPECT_EQ("Renamed", PatchName(copy, 0));
  EXPECT_EQ("Strings", [&] {
    Bris::CBriselDocument reread;
    return OpenProject(reread, copy) ? reread.GetZelData().mTones[2]->GetName() : "";
  }());
  EXPECT_TRUE(fs::exists(copy + "Wave/012 Kick.w00"));
  EXPECT_EQ("system bytes", ReadFileText(copy + "Brisel System.s00"));
  EXPECT_EQ("setup bytes", ReadFileText(copy + "Brisel Setup.s00"));
  EXPECT_EQ("Warm Pad", PatchName(project, 0)) << "the old folder is left as it was";

  // The window menu follows the new title, and the old folder is free to be opened again.
  EXPECT_EQ(document, mApp.FindDocumentOfFolder(copy));
  EXPECT_EQ(nullptr, mApp.FindDocumentOfFolder(project));
}

TEST_F(CLibrarianDocTest, SaveAs_ANewProject_WritesItsImportedWavesAndNoStrayFiles) {
  CLibrarianDoc* document = MakeNew();
  ASSERT_NE(nullptr, document);
  ASSERT_EQ(1, document->GetProjectWindow()->HandleImportWaves(
                   {"/usr/share/sounds/alsa/Front_Center.wav"}));
  // A new project has no folder: nothing may be taken from the working folder as system file.
  StTempFolder workingFolder;
  workingFolder.MakeFile("Brisel System.s00", "not ours");
  const fs::path previous = fs::current_path();
  fs::current_path(workingFolder.Path());
  mDialogs.mSteps.push_back(NewProjectIn(mProjects.Path(), "Fresh"));

  const bool saved = document->DoSave(); // a document without a folder asks for one
  fs::current_path(previous);
  EXPECT_TRUE(saved);
  EXPECT_TRUE(ShownAlerts().empty());
  EXPECT_TRUE(document->IsSpecified());
  EXPECT_EQ(QStringLiteral("Fresh.prj"), document->GetWindow()->windowTitle());
  const std::string fresh = mProjects.Path() + "/Fresh.prj/";
  EXPECT_TRUE(CLibrarianDoc::IsValidProject(fresh));
  EXPECT_TRUE(fs::exists(fresh + "Wave/001 Front_Center.wav"));
  EXPECT_FALSE(fs::exists(fresh + "Brisel System.s00"));
}

TEST_F(CLibrarianDocTest, SaveAs_OverAProjectWithFiles_AsksQuestion7AndNoLeavesItUntouched) {
  const std::string project = BuildSong();
  const std::string other = ProjectBuilder(mProjects.Path(), "Other")
                                .Patch(5, PatchFile("Theirs"))
                                .RawFile("Brisel System.s00", "their system")
                                .RawFile("Patch/readme.txt", "kept")
                                .Write();
  CLibrarianDoc* document = Open(project);
  ASSERT_NE(nullptr, document);

  mDialogs.mSteps.push_back(ChooseProject(other));
  mAlerts.mAnswers = {"No"};
  EXPECT_FALSE(document->AskSaveAs());
  EXPECT_EQ(std::vector<QString>{QuestionText(7)}, ShownAlerts());
  // Yes empties the chosen project: a warning, and Return answers No.
  EXPECT_EQ(QMessageBox::Warning, mAlerts.mShown[0].icon);
  EXPECT_EQ(QStringLiteral("No"), mAlerts.mShown[0].defaultButton);
  EXPECT_EQ(QStringLiteral("No"), mAlerts.mShown[0].escapeButton);
  EXPECT_EQ("their system", ReadFileText(other + "Brisel System.s00"));
  EXPECT_EQ("Theirs", PatchName(other, 4));
  EXPECT_EQ(QStringLiteral("Song.prj"), document->GetWindow()->windowTitle());

  mAlerts.mShown.clear();
  mDialogs.mSteps.push_back(ChooseProject(other));
  mAlerts.mAnswers = {"Yes"};
  EXPECT_TRUE(document->AskSaveAs());
  EXPECT_EQ(std::vector<QString>{QuestionText(7)}, ShownAlerts()) << "asked once only";
  EXPECT_EQ("system bytes", ReadFileText(other + "Brisel System.s00"));
  EXPECT_FALSE(fs::exists(other + "Patch/005 Theirs.d00"));
  EXPECT_TRUE(fs::exists(other + "Patch/readme.txt")) << "only data files are deleted";
  EXPECT_EQ("Warm Pad", PatchName(other, 0));
  EXPECT_EQ(QStringLiteral("Other.prj"), document->GetWindow()->windowTitle());
}

TEST_F(CLibrarianDocTest, SaveAs_IntoAFolderOpenInAnotherWindow_IsRefusedWithAlert2) {
  const std::string song = BuildSong();
  const std::string other = BuildSong("Other");
  CLibrarianDoc* document = Open(song);
  ASSERT_NE(nullptr, Open(other));
  mDialogs.mSteps.push_back(ChooseProject(other));

  EXPECT_FALSE(document->AskSaveAs());
  EXPECT_EQ(std::vector<QString>{ErrorText(2)}, ShownAlerts());
  EXPECT_EQ(document, mApp.FindDocumentOfFolder(song));
}

TEST_F(CLibrarianDocTest, SaveAs_WhenASystemFileCannotBeCopied_RemovesWhatItMadeAndStaysPut) {
  const std::string project = BuildSong();
  CLibrarianDoc* document = Open(project);
  ASSERT_NE(nullptr, document);
  document->SetModified(true);
  // A folder in the way of the system file: the copy cannot create it.
  const std::string target = mProjects.Path() + "/Target.prj";
  fs::create_directories(target + "/Brisel System.s00");
  mDialogs.mSteps.push_back(ChooseProject(target));

  EXPECT_FALSE(document->AskSaveAs());
  EXPECT_EQ(std::vector<QString>{ErrorText(2)}, ShownAlerts());
  for (const char* folder : {"Patch", "Tone", "Wave"}) {
    EXPECT_FALSE(fs::exists(target + "/" + folder)) << folder;
  }
  EXPECT_EQ(project, document->GetZelData().mProjectPath);
  EXPECT_EQ(QStringLiteral("Song.prj*"), document->GetWindow()->windowTitle());
  EXPECT_TRUE(document->IsModified());
  EXPECT_TRUE(document->DoSave()) << "the document still saves into its own folder";
}

TEST_F(CLibrarianDocTest, ClosingAModifiedProject_AsksAndCancelKeepsItOpen) {
  CLibrarianDoc* document = Open(BuildSong());
  ASSERT_NE(nullptr, document);
  document->SetModified(true);
  mAlerts.mAnswers = {"Cancel"};
  EXPECT_FALSE(mApp.CloseDocument(document));
  EXPECT_EQ(1u, mApp.GetDocuments().size());

  mAlerts.mAnswers = {"Don't Save"};
  EXPECT_TRUE(mApp.CloseDocument(document));
  QApplication::processEvents();
  EXPECT_TRUE(mApp.GetDocuments().empty());
  EXPECT_TRUE(Bris::Domain().GetOpenDocuments().empty());
  EXPECT_TRUE(CProjectWindow::sLibWindows.empty());
}

} // namespace
