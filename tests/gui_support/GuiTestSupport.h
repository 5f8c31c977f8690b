#pragma once

#include "framework/CModalDialogRunner.h"
#include "framework/CQtAlertRunner.h"

#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QDialog;
class QMimeData;

namespace BrisTest {

// What one alert looked like when it was shown.
struct SShownAlert {
  QString text;
  Qt::TextFormat textFormat = Qt::AutoText;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QStringList buttons;     // titles without "&", in the order they were added
  QStringList buttonTexts; // the same with their mnemonics
  std::vector<QMessageBox::ButtonRole> buttonRoles;
  QString defaultButton;
  QString escapeButton;
};

// The real Qt alert runner, with the modal run replaced by a script: each alert presses the
// button whose title is next in the queue (a missing title closes the box without a button).
// While an alert is "open", duringAlert runs, so a test can try to open a second one.
class CScriptedAlertRunner : public CQtAlertRunner {
public:
  CScriptedAlertRunner();
  ~CScriptedAlertRunner() override;

  std::deque<QString> mAnswers; // button titles to press, one per alert
  std::vector<SShownAlert> mShown;
  std::function<void()> mDuringAlert;

protected:
  void ExecMessageBox(QMessageBox& box) override;

private:
  CAlertRunner* mPrevious;
};

// A dialog runner that answers from a script: each step gets the dialog and returns the message
// (900 OK, 901 Cancel). Without a step left, dialogs are cancelled. Records each dialog's class.
class CScriptedDialogRunner : public CModalDialogRunner {
public:
  using Step = std::function<int(QDialog&)>;

  CScriptedDialogRunner();
  ~CScriptedDialogRunner() override;

  int Run(QDialog& dialog) override;

  std::deque<Step> mSteps;
  std::vector<std::string> mShownClasses;

private:
  CModalDialogRunner* mPrevious;
};

// Sets an environment variable for the lifetime of the object.
class StEnvironment {
public:
  StEnvironment(const char* name, const std::string& value);
  ~StEnvironment();
  StEnvironment(const StEnvironment&) = delete;
  StEnvironment& operator=(const StEnvironment&) = delete;

private:
  std::string mName;
  bool mHadValue;
  std::string mOldValue;
};

// A fresh temporary folder, removed again with the object.
class StTempFolder {
public:
  StTempFolder();
  ~StTempFolder();
  StTempFolder(const StTempFolder&) = delete;
  StTempFolder& operator=(const StTempFolder&) = delete;

  const std::string& Path() const { return mPath; }
  // Creates the file (and its folders) below the folder; returns its full path.
  std::string MakeFile(const std::string& relativePath, const std::string& contents = "") const;
  std::string MakeFolder(const std::string& relativePath) const;

private:
  std::string mPath;
};

// What a file manager puts on a drag of these files: their URLs.
std::unique_ptr<QMimeData> FileDragData(const std::vector<std::string>& paths);

// Processes events until done() is true or timeoutMs passed; returns done().
bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 5000);

} // namespace BrisTest
