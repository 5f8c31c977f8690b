#pragma once

#include "Zel/Generic/CZelTextOut.h"

#include <string>

class CAlertRunner;
struct SAlertRequest;

// The error channel of the application: turns error and question codes into modal alerts, one
// at a time. The alert itself is shown by the installed CAlertRunner.
class CErrorOut : public CZelTextOut {
public:
  // Icon of an alert; any other value shows none.
  static constexpr unsigned short kKindNote = 0;
  static constexpr unsigned short kKindCaution = 1;
  static constexpr unsigned short kKindStop = 2;

  // Messages of longer question texts are cut to this many bytes.
  static constexpr std::size_t kMaxMessageBytes = 255;

  // True while an alert is on screen; a further alert request then answers kAnswerCancel at once,
  // and windows refuse drops.
  static inline bool sIsAlertOpened = false;

  using CZelTextOut::Dialog;
  using CZelTextOut::Write;

  // Shows error alert `code`; the answer is dropped.
  void Write(int code) override;
  // The same with the detail below the alert's text.
  void WriteError(int code, const std::string& detail) override;
  // Asks `question` (kind note).
  int Dialog(EDialogType type, const std::string& question) override;
  // Asks question `code`, as Alert(type, code).
  int Dialog(EDialogType type, int code) override;

  // Shows one alert and returns the answer (kAnswerOk..kAnswerNo); kAnswerCancel when the alert
  // could not be shown or another one is open.
  static int Alert(EDialogType type, unsigned short kind, const std::string& message);
  // The same with the message taken from entry `index` of string list `listId`.
  static int Alert(EDialogType type, unsigned short kind, short listId, short index);
  // Question `code`: its entry of the question list, kind note.
  static int Alert(EDialogType type, int code);
  // Question `code`; true when the answer is OK or Yes.
  static bool NoteAlert(EDialogType type, int code);
  // A Yes/No question `code` whose Yes destroys data: kind caution, No the default button; true
  // only for Yes.
  static bool ConfirmDestructive(int code);
  // The save-changes question: Save, Don't Save and Cancel. Answers kAnswerYes (save), kAnswerNo
  // (discard) or kAnswerCancel.
  static int SaveChangesAlert(const std::string& question);
  // Error `code`: its entry of the error list, OK button, kind caution.
  static int ErrorAlert(int code);
  // The same with detail (which file, and why) in a paragraph of its own after the text.
  static int ErrorAlert(int code, const std::string& detail);

  // Entry of the error list for an error code, and of the question list for a question code
  // (0 or less: no entry).
  static int ErrorIndex(int code);
  static int QuestionIndex(int code);
  // The answer an item hit stands for with the given buttons; kAnswerCancel for an item the
  // alert does not have.
  static int AnswerForItem(EDialogType type, int itemHit);

  // The runner is not owned; the caller keeps it alive while it is installed. Returns the runner
  // installed before. Without a runner every alert answers kAnswerCancel.
  static CAlertRunner* SetAlertRunner(CAlertRunner* runner);
  static CAlertRunner* GetAlertRunner();

private:
  static int Run(const SAlertRequest& request);

  static inline CAlertRunner* sAlertRunner = nullptr;
};
