#include "app/StSaveProgress.h"

#include "framework/CProgressWindow.h"
#include "framework/DialogText.h"
#include "store/CZelFileDocument.h"

#include <QCoreApplication>

StSaveProgress::StSaveProgress(Bris::CZelFileDocument& store, const QString& projectName,
                               QWidget* parent)
    : mStore(store),
      mWindow(std::make_unique<CProgressWindow>(
          QCoreApplication::translate("StSaveProgress", "Saving \u201C%1\u201D").arg(projectName),
          QCoreApplication::translate("StSaveProgress", "Step %1 of %2"), false, parent)) {
  CProgressWindow* window = mWindow.get();
  mStore.SetWriteStepObserver(
      [window](std::size_t stepIndex, std::size_t stepCount, const std::string& path) {
        window->SetStep(stepIndex, stepCount, DialogText::FileNameOf(path));
      });
}

StSaveProgress::~StSaveProgress() {
  mStore.SetWriteStepObserver({});
}
