#pragma once

#include <QString>

#include <memory>

class CProgressWindow;
class QWidget;

namespace Bris {
class CZelFileDocument;
}

// For its lifetime, the steps of every write of store are counted in a progress window (shown
// once a save takes longer than the show delay). The window has no Cancel button: a save that has
// begun is finished, and after a crash its journal completes it.
class StSaveProgress {
public:
  StSaveProgress(Bris::CZelFileDocument& store, const QString& projectName, QWidget* parent);
  ~StSaveProgress();
  StSaveProgress(const StSaveProgress&) = delete;
  StSaveProgress& operator=(const StSaveProgress&) = delete;

private:
  Bris::CZelFileDocument& mStore;
  std::unique_ptr<CProgressWindow> mWindow;
};
