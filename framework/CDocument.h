#pragma once

#include "framework/CCommander.h"

#include <QString>

#include <string>

class QWidget;

namespace Bris {
class CZelData;
}

// A document of the application: one window, a modified state, and the save-changes question
// asked before it closes. The application owns its documents (CLibrarianApp::AddDocument) and is
// their super commander; a document's window is its sub-commander.
class CDocument : public CCommander {
public:
  explicit CDocument(CCommander* superCommander = nullptr);

  // The document's window (owned by the document).
  virtual QWidget* GetWindow() const = 0;
  virtual bool IsModified() = 0;
  // The document's name for the user: its folder's name once it has one, else its window title.
  virtual QString GetDescriptor() const = 0;
  // The project folder the document is tied to ("/"-separated, no trailing "/"); empty while it
  // has none.
  virtual std::string GetFolderPath() const { return std::string(); }
  // Saves the document; false when it was not saved (the document has told the user why).
  virtual bool DoSave() = 0;

  // True when data is the data set this document shows.
  virtual bool UsesData(const Bris::CZelData* /*data*/) const { return false; }
  // The domain's Undo has just exchanged this document's data: mark it modified and redraw.
  virtual void HandleUndoApplied() {}

  // Whether the document may close: a modified document asks whether to save first (Yes saves,
  // No discards, Cancel keeps it open). An unmodified one may always close.
  virtual bool AttemptClose();

  // The save-changes question's text.
  QString SaveChangesQuestion() const;
};
