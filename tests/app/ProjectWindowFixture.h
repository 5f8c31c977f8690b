#pragma once

#include "LibMac/Utility/UPreference.h"
#include "Zel/Generic/CErrorOut.h"
#include "Zel/Generic/CStringTable.h"
#include "app/CLibrarianApp.h"
#include "app/CLibrarianDoc.h"
#include "app/CProjectChooserDialog.h"
#include "app/CProjectWindow.h"
#include "domain/CDomain.h"
#include "gui_support/GuiTestSupport.h"
#include "support/ProjectFixture.h"

#include <QApplication>
#include <QLabel>
#include <gtest/gtest.h>

#include <string>

namespace BrisTest {

// A started application in its own data home, with scripted alerts and dialogs, and a folder for
// synthetic projects. Documents left open are closed without questions at the end.
class ProjectWindowFixture : public ::testing::Test {
protected:
  void SetUp() override {
    UPreference::CleanUp();
    CLibrarianDoc::ResetNewCount();
    ASSERT_TRUE(mApp.Initialize());
  }

  void TearDown() override {
    for (CDocument* document : mApp.GetDocuments()) {
      mApp.CloseDocument(document, false);
    }
    QApplication::processEvents(); // closed documents are deleted from the event loop
    Bris::Domain().ClearUndoDoc();
    UPreference::CleanUp();
  }

  CLibrarianDoc* Open(const std::string& projectPath) {
    if (!mApp.OpenDocument(projectPath)) {
      return nullptr;
    }
    return dynamic_cast<CLibrarianDoc*>(mApp.FindDocumentOfFolder(projectPath));
  }

  CLibrarianDoc* MakeNew() {
    if (!mApp.MakeNewDocument()) {
      return nullptr;
    }
    return dynamic_cast<CLibrarianDoc*>(mApp.GetDocuments().back());
  }

  static QString PaneText(CLibrarianDoc* document, const char* paneId) {
    auto* label = document->GetProjectWindow()->findChild<QLabel*>(QLatin1String(paneId));
    return label != nullptr ? label->text() : QStringLiteral("<no pane>");
  }

  static QString ErrorText(int code) {
    return QString::fromStdString(
        CStringTable::Get(CStringTable::kErrors, static_cast<short>(CErrorOut::ErrorIndex(code))));
  }
  static QString QuestionText(int code) {
    return QString::fromStdString(CStringTable::Get(
        CStringTable::kQuestions, static_cast<short>(CErrorOut::QuestionIndex(code))));
  }
  // The texts of the alerts shown so far.
  std::vector<QString> ShownAlerts() const {
    std::vector<QString> texts;
    for (const SShownAlert& alert : mAlerts.mShown) {
      texts.push_back(alert.text);
    }
    return texts;
  }

  // A project chooser answer: the New Project button, naming the folder name in location.
  CScriptedDialogRunner::Step NewProjectIn(const std::string& location, const std::string& name);
  // A project chooser answer: the existing project folder at path.
  static CScriptedDialogRunner::Step ChooseProject(const std::string& path);

  StTempFolder mHome;
  StEnvironment mDataHome{"XDG_DATA_HOME", mHome.Path() + "/data"};
  TempFolder mProjects;
  CScriptedAlertRunner mAlerts;
  CScriptedDialogRunner mDialogs;
  CLibrarianApp mApp;
};

} // namespace BrisTest
