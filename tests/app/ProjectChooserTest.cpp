#include "LibMac/Utility/UPreference.h"
#include "app/CFolderNameDialog.h"
#include "app/CLibrarianApp.h"
#include "app/CProjectChooser.h"
#include "app/CProjectChooserDialog.h"
#include "gui_support/GuiTestSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace {

using namespace BrisTest;
namespace fs = std::filesystem;

class ProjectChooserTest : public ::testing::Test {
protected:
  void SetUp() override {
    UPreference::CleanUp();
    mFolder.MakeFolder("Alpha.prj/Patch");
    mFolder.MakeFolder("Beta");
    mFolder.MakeFile("loose.txt");
  }
  void TearDown() override { UPreference::CleanUp(); }

  QString PathOf(const char* name) const {
    return QString::fromStdString(mFolder.Path() + "/" + name);
  }

  // A folder-name dialog answer.
  static CScriptedDialogRunner::Step NameAnswer(const char* name) {
    return [name](QDialog& dialog) {
      dynamic_cast<CFolderNameDialog&>(dialog).GetNameField()->setText(QString::fromUtf8(name));
      return CModalDialogRunner::kMessageOk;
    };
  }

  StTempFolder mFolder;
};

TEST_F(ProjectChooserTest, OnlyAProjectEntryCanBeChosenAndItsPathIsShown) {
  CProjectChooserDialog dialog(true, "Open Project", "Open", "");
  dialog.SetLocation(PathOf(""));
  EXPECT_FALSE(dialog.GetNewProjectButton()->isEnabled()) << "the open form has no New Project";
  EXPECT_FALSE(dialog.GetChooseButton()->isEnabled());

  ASSERT_TRUE(dialog.SelectEntry(PathOf("Alpha.prj")));
  EXPECT_TRUE(dialog.GetChooseButton()->isEnabled());
  EXPECT_EQ(PathOf("Alpha.prj"), dialog.GetPathText()->text());

  ASSERT_TRUE(dialog.SelectEntry(PathOf("Beta")));
  EXPECT_FALSE(dialog.GetChooseButton()->isEnabled());
  EXPECT_TRUE(dialog.GetPathText()->text().isEmpty());
  EXPECT_FALSE(dialog.SelectEntry(PathOf("loose.txt"))) << "files are not listed";

  dialog.OpenSelectedEntry(); // an ordinary folder is opened, not chosen
  EXPECT_EQ(PathOf("Beta"), dialog.GetLocation());
  EXPECT_EQ(QDialog::Rejected, dialog.result());
}

TEST_F(ProjectChooserTest, NewProject_AppendsTheExtensionOnceCreatesTheFolderAndChoosesIt) {
  CScriptedDialogRunner runner;
  runner.mSteps = {NameAnswer("Song"), NameAnswer("Tune.prj")};

  CProjectChooserDialog first(false, "Save Project As", "Save", "Untitled");
  first.SetLocation(PathOf(""));
  ASSERT_TRUE(first.GetNewProjectButton()->isEnabled());
  first.HandleNewProject();
  EXPECT_EQ(PathOf("Song.prj"), first.GetChosenPath());
  EXPECT_TRUE(fs::is_directory(mFolder.Path() + "/Song.prj"));
  EXPECT_EQ(QDialog::Accepted, first.result());

  CProjectChooserDialog second(false, "Save Project As", "Save", "Untitled");
  second.SetLocation(PathOf(""));
  ASSERT_TRUE(second.SelectEntry(PathOf("Beta"))); // a selected folder becomes the location
  second.HandleNewProject();
  EXPECT_EQ(PathOf("Beta/Tune.prj"), second.GetChosenPath());
  EXPECT_TRUE(fs::is_directory(mFolder.Path() + "/Beta/Tune.prj"));
}

TEST_F(ProjectChooserTest, NewProjectCancelled_ReturnsToTheLocationShownBefore) {
  CScriptedDialogRunner runner; // no step: the name dialog is cancelled
  CProjectChooserDialog dialog(false, "Save Project As", "Save", "Untitled");
  dialog.SetLocation(PathOf(""));
  ASSERT_TRUE(dialog.SelectEntry(PathOf("Beta")));
  dialog.HandleNewProject();
  EXPECT_EQ(PathOf(""), dialog.GetLocation() + "/");
  EXPECT_TRUE(dialog.GetChosenPath().isEmpty());
  EXPECT_EQ(1u, runner.mShownClasses.size());
}

TEST_F(ProjectChooserTest, AChoiceIsRememberedAndTheNextChooserStartsWithItSelected) {
  CScriptedDialogRunner runner;
  runner.mSteps.push_back([this](QDialog& dialog) {
    auto& chooser = dynamic_cast<CProjectChooserDialog&>(dialog);
    EXPECT_TRUE(chooser.SelectEntry(PathOf("Alpha.prj")));
    chooser.ChooseSelectedProject();
    return CModalDialogRunner::kMessageOk;
  });
  CProjectChooser chooser(true);
  std::string folder = mFolder.Path(); // an ordinary folder: the chooser opens it
  long folderId = 0;
  ASSERT_TRUE(chooser.AskProjectFolder(folder, folderId, ""));
  EXPECT_EQ(mFolder.Path() + "/Alpha.prj", folder);
  struct stat info = {};
  ASSERT_EQ(0, ::stat(folder.c_str(), &info));
  EXPECT_EQ(static_cast<long>(info.st_ino), folderId);

  runner.mSteps.push_back([this](QDialog& dialog) {
    auto& shown = dynamic_cast<CProjectChooserDialog&>(dialog);
    EXPECT_EQ(PathOf(""), shown.GetLocation() + "/");
    EXPECT_EQ(PathOf("Alpha.prj"), shown.GetResultPath());
    return CModalDialogRunner::kMessageCancel;
  });
  std::string again;
  EXPECT_FALSE(chooser.AskProjectFolder(again, folderId, ""));
  EXPECT_EQ(2u, runner.mShownClasses.size());
}

TEST_F(ProjectChooserTest, StartLocation_FallsBackFromTheFolderToItsParentToDocuments) {
  std::string location;
  std::string selection;
  CProjectChooser::FindStartLocation(mFolder.Path() + "/Beta", location, selection);
  EXPECT_EQ(mFolder.Path() + "/Beta", location);
  EXPECT_EQ("", selection);

  CProjectChooser::FindStartLocation(mFolder.Path() + "/Gone.prj", location, selection);
  EXPECT_EQ(mFolder.Path(), location);

  CProjectChooser::FindStartLocation("/no/such/folder/X.prj", location, selection);
  EXPECT_TRUE(fs::is_directory(location));
  EXPECT_EQ("", selection);
}

} // namespace
