#include "app/ProjectWindowFixture.h"

#include "app/CFolderNameDialog.h"

#include <QFileInfo>
#include <QLineEdit>

namespace BrisTest {

CScriptedDialogRunner::Step ProjectWindowFixture::NewProjectIn(const std::string& location,
                                                               const std::string& name) {
  return [this, location, name](QDialog& dialog) {
    auto& chooser = dynamic_cast<CProjectChooserDialog&>(dialog);
    chooser.SetLocation(QString::fromStdString(location));
    mDialogs.mSteps.push_front([name](QDialog& nameDialog) {
      dynamic_cast<CFolderNameDialog&>(nameDialog)
          .GetNameField()
          ->setText(QString::fromStdString(name));
      return CModalDialogRunner::kMessageOk;
    });
    chooser.HandleNewProject();
    return chooser.GetChosenPath().isEmpty() ? CModalDialogRunner::kMessageCancel
                                             : CModalDialogRunner::kMessageOk;
  };
}

CScriptedDialogRunner::Step ProjectWindowFixture::ChooseProject(const std::string& path) {
  return [path](QDialog& dialog) {
    auto& chooser = dynamic_cast<CProjectChooserDialog&>(dialog);
    std::string folder = path;
    while (folder.size() > 1 && folder.back() == '/') {
      folder.pop_back();
    }
    const QString project = QString::fromStdString(folder);
    chooser.SetLocation(QFileInfo(project).absolutePath());
    if (!chooser.SelectEntry(project)) {
      ADD_FAILURE() << "no project entry " << folder;
      return CModalDialogRunner::kMessageCancel;
    }
    chooser.ChooseSelectedProject();
    return CModalDialogRunner::kMessageOk;
  };
}

} // namespace BrisTest
