#pragma once

#include "store/CZelFileDocument.h"

#include <memory>

class CProgressWindow;
class QWidget;

// The progress window of one wave import: counts the files as they are copied, and its Cancel
// button stops the import before the next file (the import then removes its copies and changes
// no slot).
class CImportProgress {
public:
  explicit CImportProgress(QWidget* parent);
  ~CImportProgress();
  CImportProgress(const CImportProgress&) = delete;
  CImportProgress& operator=(const CImportProgress&) = delete;

  // For CZelFileDocument::ImportWaves: says false once the user cancelled.
  Bris::CZelFileDocument::ImportObserver Observer();
  bool IsCancelled() const;

private:
  std::unique_ptr<CProgressWindow> mWindow;
};
