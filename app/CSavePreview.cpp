#include "app/CSavePreview.h"

#include "Zel/Generic/CErrorOut.h"
#include "app/CSavePreviewDialog.h"
#include "framework/CModalDialogRunner.h"
#include "framework/DialogText.h"
#include "framework/StArrowCursor.h"
#include "store/CProjectSession.h"
#include "store/CWritePlan.h"
#include "store/CWritePlanSummary.h"

namespace {

constexpr int kErrorSave = 2;

using EMode = CSavePreviewDialog::EMode;

QString ProjectName(const Bris::CProjectSession& session) {
  return DialogText::FileNameOf(session.GetFolderPath());
}

// Runs the dialog; the check box's state becomes the preference whichever button ends it.
int RunDialog(const Bris::CWritePlanSummary& summary, const Bris::CProjectSession& session,
              EMode mode, QWidget* parent) {
  CSavePreviewDialog dialog(summary, ProjectName(session), mode, CSavePreview::IsShownBeforeSaves(),
                            parent);
  StArrowCursor arrow;
  const int message = CModalDialogRunner::RunModal(dialog);
  CSavePreview::SetShownBeforeSaves(dialog.IsShowBeforeSavesChecked());
  return message;
}

} // namespace

bool CSavePreview::ConfirmSave(Bris::CProjectSession& session, QWidget* parent) {
  if (!sShownBeforeSaves) {
    return true;
  }
  Bris::CWritePlan plan;
  if (!session.PlanSave(plan)) {
    return true;
  }
  const Bris::CWritePlanSummary summary(plan);
  return !summary.RemovesFiles() || Ask(summary, session, parent);
}

bool CSavePreview::ConfirmSaveAs(Bris::CProjectSession& session, const std::string& targetFolder,
                                 QWidget* parent) {
  if (!sShownBeforeSaves || session.GetFolderPath().empty()) {
    return true;
  }
  Bris::CWritePlan plan;
  if (!session.PlanSaveAs(targetFolder, plan)) {
    return true;
  }
  const Bris::CWritePlanSummary summary(plan);
  return summary.TrashedFilesIn(session.GetFolderPath()).empty() || Ask(summary, session, parent);
}

bool CSavePreview::ShowPreview(Bris::CProjectSession& session, QWidget* parent) {
  Bris::CWritePlan plan;
  if (!session.PlanSave(plan)) {
    CErrorOut::ErrorAlert(kErrorSave);
    return false;
  }
  RunDialog(Bris::CWritePlanSummary(plan), session, EMode::kPreviewOnly, parent);
  return true;
}

bool CSavePreview::Ask(const Bris::CWritePlanSummary& summary, const Bris::CProjectSession& session,
                       QWidget* parent) {
  return RunDialog(summary, session, EMode::kBeforeSave, parent) == CModalDialogRunner::kMessageOk;
}
