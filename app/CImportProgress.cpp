#include "app/CImportProgress.h"

#include "framework/CProgressWindow.h"
#include "framework/DialogText.h"

#include <QCoreApplication>

CImportProgress::CImportProgress(QWidget* parent)
    : mWindow(std::make_unique<CProgressWindow>(
          QCoreApplication::translate("CImportProgress", "Importing Waves"),
          QCoreApplication::translate("CImportProgress", "File %1 of %2"), true, parent)) {}

CImportProgress::~CImportProgress() = default;

Bris::CZelFileDocument::ImportObserver CImportProgress::Observer() {
  CProgressWindow* window = mWindow.get();
  return [window](std::size_t fileIndex, std::size_t fileCount, const std::string& path) {
    window->SetStep(fileIndex, fileCount, DialogText::FileNameOf(path));
    return !window->IsCancelled();
  };
}

bool CImportProgress::IsCancelled() const {
  return mWindow->IsCancelled();
}
