#include "LibMac/Utility/StPreference.h"
#include "Zel/Generic/CErrorOut.h"
#include "app/CInstallationCheck.h"
#include "app/CLibrarianApp.h"
#include "framework/CProgressWindow.h"
#include "framework/CSingleInstance.h"
#include "framework/CStreamAlertRunner.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QIcon>
#include <QTimer>

#include <exception>
#include <iostream>

#ifndef BRISEL_VERSION
#define BRISEL_VERSION "0.0.0"
#endif

namespace {

struct SCommandLine {
  QStringList projectFolders; // absolute paths
  bool check = false;
};

SCommandLine ParseCommandLine(const QCoreApplication& qtApp) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Organises the patches, tones and waves of Brisel project folders (name.prj)."));
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption check(
      QStringLiteral("check"),
      QStringLiteral("Checks the installation without a window: finds the user guide, opens the "
                     "given projects, reports each step and quits (status 0 when all went well)."));
  parser.addOption(check);
  parser.addPositionalArgument(QStringLiteral("projects"),
                               QStringLiteral("Project folders to open."),
                               QStringLiteral("[PROJECT.prj...]"));
  parser.process(qtApp);
  SCommandLine line;
  line.check = parser.isSet(check);
  for (const QString& argument : parser.positionalArguments()) {
    line.projectFolders << QDir::cleanPath(QDir::current().absoluteFilePath(argument));
  }
  return line;
}

StPreference LoadPreferences() {
  return StPreference(std::string(CLibrarianApp::kPreferencesFileName), CLibrarianApp::kAppCreator,
                      CLibrarianApp::kPreferencesType);
}

void OpenFolders(CLibrarianApp& app, const QStringList& folders) {
  for (const QString& folder : folders) {
    app.OpenDocument(folder.toStdString());
  }
}

// The application object between the preferences being loaded and saved.
int RunLibrarian(CSingleInstance& instance, const QStringList& folders) {
  StPreference preferences = LoadPreferences();
  try {
    CLibrarianApp app;
    QObject::connect(&instance, &CSingleInstance::RaiseRequested, &app,
                     &CLibrarianApp::BringFrontWindowForward);
    QObject::connect(
        &instance, &CSingleInstance::OpenRequested, &app,
        [&app](const QString& folder) { OpenFolders(app, {folder}); }, Qt::QueuedConnection);
    if (!app.Initialize()) {
      return 1;
    }
    // Later starts are answered once this instance is ready to come forward.
    instance.Listen();
    QTimer::singleShot(0, &app, [&app, folders] { OpenFolders(app, folders); });
    return app.Run();
  } catch (const std::exception&) {
    return 1; // the preferences are still written on the way out
  }
}

// Without a screen a modal alert would wait for ever: alerts go to standard error instead.
int RunInstallationCheck(const QStringList& folders) {
  StPreference preferences = LoadPreferences();
  CStreamAlertRunner alerts(std::cerr);
  CErrorOut::SetAlertRunner(&alerts);
  int status = 1;
  try {
    CLibrarianApp app;
    if (app.Initialize()) {
      status = CInstallationCheck(app, std::cout).Run(folders);
    }
  } catch (const std::exception&) {
    status = 1;
  }
  CErrorOut::SetAlertRunner(nullptr);
  return status;
}

// BRISEL_PROGRESS_STEP_PAUSE_MS=n, for demonstrations and screenshots only: progress windows
// show at once and wait n ms after each step, so that a short save can be watched.
void ApplyProgressDemonstration() {
  bool isNumber = false;
  const int pause = qEnvironmentVariableIntValue("BRISEL_PROGRESS_STEP_PAUSE_MS", &isNumber);
  if (isNumber && pause > 0) {
    CProgressWindow::SetShowDelay(0);
    CProgressWindow::SetStepPause(pause);
  }
}

void SetApplicationNames() {
  QCoreApplication::setApplicationName(QStringLiteral("Brisel Librarian"));
  QCoreApplication::setOrganizationName(QStringLiteral("Taveno"));
  QCoreApplication::setApplicationVersion(QStringLiteral(BRISEL_VERSION));
}

// --help and --version answer in a terminal without a display, so the command line is read
// before the graphical application (which needs one) exists.
SCommandLine ReadCommandLine(int argc, char* argv[]) {
  QCoreApplication reader(argc, argv);
  SetApplicationNames();
  return ParseCommandLine(reader);
}

} // namespace

int main(int argc, char* argv[]) {
  const SCommandLine line = ReadCommandLine(argc, argv);
  QApplication qtApp(argc, argv);
  SetApplicationNames();
  QApplication::setApplicationDisplayName(QStringLiteral("Brisel Librarian"));
  QApplication::setDesktopFileName(QStringLiteral("com.taveno.BriselLibrarian"));
  QApplication::setQuitOnLastWindowClosed(false);
  // The installed theme icon when there is one, else the copy built into the program.
  QApplication::setWindowIcon(
      QIcon::fromTheme(QStringLiteral("com.taveno.BriselLibrarian"),
                       QIcon(QStringLiteral(":/icons/brisel-librarian.png"))));

  ApplyProgressDemonstration();
  if (line.check) {
    return RunInstallationCheck(line.projectFolders);
  }
  CSingleInstance instance(QStringLiteral("QMTL"));
  if (!instance.Claim()) {
    instance.AskRunningInstanceToRaise(line.projectFolders);
    return 0;
  }
  return RunLibrarian(instance, line.projectFolders);
}
