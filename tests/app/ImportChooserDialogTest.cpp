#include "app/CImportChooserDialog.h"
#include "app/CImportWaveChooser.h"
#include "gui_support/GuiTestSupport.h"

#include <QAbstractItemModel>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <gtest/gtest.h>

#include <string>

namespace {

using namespace BrisTest;

constexpr int kSizeColumn = 1;
constexpr int kDateColumn = 3;

// GIVEN a folder with a subfolder, two audio files and a text file
// WHEN the import chooser shows it and two files are chosen
// THEN it offers the folder and the audio files only, shows their sizes unclipped, returns the
// chosen paths in list order and starts the next time in the same folder.
TEST(ImportChooserTest, OffersAFoldersAudioFilesReturnsTheChosenPathsAndRemembersTheFolder) {
  StTempFolder folder;
  folder.MakeFolder("Loops");
  const std::string kick = folder.MakeFile("kick.wav", std::string(136000, 'k'));
  const std::string snare = folder.MakeFile("Snare.AIF", std::string(3000, 's'));
  folder.MakeFile("notes.txt", "not audio");
  const QString location = QString::fromStdString(folder.Path());

  CScriptedDialogRunner runner;
  runner.mSteps.push_back([&](QDialog& shown) {
    auto& dialog = dynamic_cast<CImportChooserDialog&>(shown);
    EXPECT_EQ("Import Waves", dialog.windowTitle());
    EXPECT_EQ(CImportWaveChooser::GetStartFolder(), dialog.GetLocation());
    dialog.resize(420, 300); // narrow: the name gives way, sizes and dates do not
    dialog.show();
    dialog.SetLocation(location);
    const QStringList offered({"Loops", "kick.wav", "Snare.AIF"});
    EXPECT_TRUE(WaitUntil([&] { return dialog.GetOfferedNames() == offered; }))
        << "folders first, then the audio files; the text file is hidden";
    EXPECT_FALSE(dialog.GetChooseButton()->isEnabled());
    EXPECT_FALSE(dialog.SelectEntry(location + "/notes.txt"));

    EXPECT_TRUE(dialog.SelectEntry(location + "/Loops"));
    EXPECT_FALSE(dialog.GetChooseButton()->isEnabled()) << "a folder is opened, not imported";
    EXPECT_TRUE(dialog.SelectEntry(QString::fromStdString(kick)));
    EXPECT_TRUE(dialog.GetChooseButton()->isEnabled());
    EXPECT_EQ(QString::fromStdString(kick), dialog.GetPathText()->text());
    EXPECT_TRUE(dialog.SelectEntry(QString::fromStdString(snare), true));
    EXPECT_TRUE(dialog.GetPathText()->text().startsWith("2 files, "));

    // The size and date columns grow to their widest text, also for rows listed after showing.
    QTreeView* browser = dialog.GetBrowser();
    const auto kickCell = [browser](int column) {
      const QAbstractItemModel* list = browser->model();
      for (int row = 0; row < list->rowCount(browser->rootIndex()); ++row) {
        const QModelIndex name = list->index(row, 0, browser->rootIndex());
        if (name.data().toString() == "kick.wav") {
          return name.siblingAtColumn(column).data().toString();
        }
      }
      return QString();
    };
    const auto fits = [&](int column) {
      const QString text = kickCell(column);
      return !text.isEmpty() && browser->header()->sectionSize(column) >
                                    browser->fontMetrics().horizontalAdvance(text);
    };
    EXPECT_TRUE(WaitUntil([&] { return fits(kSizeColumn) && fits(kDateColumn); }));
    EXPECT_TRUE(kickCell(kSizeColumn).contains("KiB")) << kickCell(kSizeColumn).toStdString();

    dialog.ChooseSelectedFiles();
    EXPECT_EQ(QDialog::Accepted, dialog.result());
    return CModalDialogRunner::kMessageOk;
  });
  CImportWaveChooser chooser;
  ASSERT_TRUE(chooser.AskOpenFile());
  ASSERT_EQ(2, chooser.GetNumberOfFiles());
  EXPECT_EQ(kick, chooser.GetFileSpec(0));
  EXPECT_EQ(snare, chooser.GetFileSpec(1));
  EXPECT_EQ("", chooser.GetFileSpec(2));

  runner.mSteps.push_back([&](QDialog& shown) {
    auto& dialog = dynamic_cast<CImportChooserDialog&>(shown);
    EXPECT_EQ(location, dialog.GetLocation());
    dialog.OpenSelectedEntry(); // nothing selected: nothing chosen
    EXPECT_NE(QDialog::Accepted, dialog.result());
    EXPECT_TRUE(dialog.SelectEntry(location + "/Loops"));
    dialog.OpenSelectedEntry();
    EXPECT_EQ(location + "/Loops", dialog.GetLocation());
    return CModalDialogRunner::kMessageCancel;
  });
  EXPECT_FALSE(chooser.AskOpenFile());
  EXPECT_EQ(0, chooser.GetNumberOfFiles());
  EXPECT_EQ(2u, runner.mShownClasses.size());
}

} // namespace
