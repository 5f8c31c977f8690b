#include "LibMac/Utility/StPreference.h"
#include "app/CLibrarianApp.h"
#include "framework/CSingleInstance.h"

#include <QApplication>

#include <exception>

#ifndef BRISEL_VERSION
#define BRISEL_VERSION "0.0.0"
#endif

namespace {

// The application object between the preferences being loaded and saved.
int RunLibrarian(CSingleInstance& instance) {
  StPreference preferences(std::string(CLibrarianApp::kPreferencesFileName),
                           CLibrarianApp::kAppCreator, CLibrarianApp::kPreferencesType);
  try {
    CLibrarianApp app;
    QObject::connect(&instance, &CSingleInstance::RaiseRequested, &app,
                     &CLibrarianApp::BringFrontWindowForward);
    if (!app.Initialize()) {
      return 1;
    }
    // Later starts are answered once this instance is ready to come forward.
    instance.Listen();
    return app.Run();
  } catch (const std::exception&) {
    return 1; // the preferences are still written on the way out
  }
}

} // namespace

int main(int argc, char* argv[]) {
  QApplication qtApp(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Brisel Librarian"));
  QApplication::setApplicationDisplayName(QStringLiteral("Brisel Librarian"));
  QApplication::setOrganizationName(QStringLiteral("Taveno"));
  QApplication::setApplicationVersion(QStringLiteral(BRISEL_VERSION));
  QApplication::setQuitOnLastWindowClosed(false);

  CSingleInstance instance(QStringLiteral("QMTL"));
  if (!instance.Claim()) {
    instance.AskRunningInstanceToRaise();
    return 0;
  }
  return RunLibrarian(instance);
}
