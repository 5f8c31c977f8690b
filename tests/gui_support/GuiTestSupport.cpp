#include "gui_support/GuiTestSupport.h"

#include "Zel/Generic/CErrorOut.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMimeData>
#include <QPushButton>
#include <QThread>
#include <QUrl>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <typeinfo>

namespace BrisTest {

namespace {

QString Title(const QAbstractButton* button) {
  return button == nullptr ? QString() : button->text().remove(QLatin1Char('&'));
}

} // namespace

CScriptedAlertRunner::CScriptedAlertRunner() : mPrevious(CErrorOut::SetAlertRunner(this)) {}

CScriptedAlertRunner::~CScriptedAlertRunner() {
  CErrorOut::SetAlertRunner(mPrevious);
}

void CScriptedAlertRunner::ExecMessageBox(QMessageBox& box) {
  SShownAlert shown;
  shown.text = box.text();
  shown.textFormat = box.textFormat();
  shown.icon = box.icon();
  for (const QAbstractButton* button : box.buttons()) {
    shown.buttons.append(Title(button));
    shown.buttonTexts.append(button->text());
    shown.buttonRoles.push_back(box.buttonRole(const_cast<QAbstractButton*>(button)));
  }
  shown.defaultButton = Title(box.defaultButton());
  shown.escapeButton = Title(box.escapeButton());
  mShown.push_back(shown);
  if (mDuringAlert) {
    // A copy: the hook may replace or clear itself while it runs.
    const std::function<void()> duringAlert = mDuringAlert;
    duringAlert();
  }
  const QString answer = mAnswers.empty() ? QString() : mAnswers.front();
  if (!mAnswers.empty()) {
    mAnswers.pop_front();
  }
  for (QAbstractButton* button : box.buttons()) {
    if (Title(button) == answer) {
      button->click();
      return;
    }
  }
}

CScriptedDialogRunner::CScriptedDialogRunner() : mPrevious(CModalDialogRunner::Install(this)) {}

CScriptedDialogRunner::~CScriptedDialogRunner() {
  CModalDialogRunner::Install(mPrevious);
}

int CScriptedDialogRunner::Run(QDialog& dialog) {
  mShownClasses.push_back(dialog.metaObject()->className());
  if (mSteps.empty()) {
    return kMessageCancel;
  }
  Step step = std::move(mSteps.front());
  mSteps.pop_front();
  return step(dialog);
}

StEnvironment::StEnvironment(const char* name, const std::string& value) : mName(name) {
  const char* old = std::getenv(name);
  mHadValue = old != nullptr;
  mOldValue = mHadValue ? old : "";
  ::setenv(name, value.c_str(), 1);
}

StEnvironment::~StEnvironment() {
  if (mHadValue) {
    ::setenv(mName.c_str(), mOldValue.c_str(), 1);
  } else {
    ::unsetenv(mName.c_str());
  }
}

StTempFolder::StTempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "brisel-gui-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    throw std::runtime_error("cannot create a temporary folder");
  }
  mPath = pattern;
}

StTempFolder::~StTempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(mPath, ignored);
}

std::string StTempFolder::MakeFile(const std::string& relativePath,
                                   const std::string& contents) const {
  const std::filesystem::path path = std::filesystem::path(mPath) / relativePath;
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << contents;
  return path.string();
}

std::string StTempFolder::MakeFolder(const std::string& relativePath) const {
  const std::filesystem::path path = std::filesystem::path(mPath) / relativePath;
  std::filesystem::create_directories(path);
  return path.string();
}

bool WaitUntil(const std::function<bool()>& done, int timeoutMs) {
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    if (timer.elapsed() > timeoutMs) {
      return false;
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(5);
  }
  return true;
}

std::unique_ptr<QMimeData> FileDragData(const std::vector<std::string>& paths) {
  auto mime = std::make_unique<QMimeData>();
  QList<QUrl> urls;
  for (const std::string& path : paths) {
    urls.append(QUrl::fromLocalFile(QString::fromStdString(path)));
  }
  mime->setUrls(urls);
  return mime;
}

} // namespace BrisTest
