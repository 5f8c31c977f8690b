#pragma once

#include <string>

class QWidget;

namespace Bris {
class CProjectSession;
class CWritePlanSummary;
} // namespace Bris

// The save preview: before a save that would move files to the Trash, it shows what the save
// will do and lets the user save or cancel; the File menu's Preview Save shows the same for any
// save, without saving. Saves that remove nothing go ahead unasked, and so does every save while
// the preference is off. The dialog runs through the installed modal dialog runner.
class CSavePreview {
public:
  // Before an ordinary save: true when it may go ahead. A save that cannot be planned goes ahead
  // too, and reports its own failure.
  static bool ConfirmSave(Bris::CProjectSession& session, QWidget* parent);
  // Before a save as into targetFolder: emptying the target is asked about elsewhere, so this
  // asks only when the save would remove files of the project's own folder.
  static bool ConfirmSaveAs(Bris::CProjectSession& session, const std::string& targetFolder,
                            QWidget* parent);
  // Shows what saving the project now would do, with Close only. False (after error alert 2)
  // when the save would be refused.
  static bool ShowPreview(Bris::CProjectSession& session, QWidget* parent);

  // The preference: show the preview before saves that remove files (on unless turned off).
  static bool IsShownBeforeSaves() { return sShownBeforeSaves; }
  static void SetShownBeforeSaves(bool shown) { sShownBeforeSaves = shown; }

private:
  static bool Ask(const Bris::CWritePlanSummary& summary, const Bris::CProjectSession& session,
                  QWidget* parent);

  static inline bool sShownBeforeSaves = true;
};
