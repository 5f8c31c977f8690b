#include "gui_support/GuiTestSupport.h"

#include <QLocalSocket>
#include <QProcess>
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

using namespace BrisTest;
namespace fs = std::filesystem;

// Runs the real program offscreen in a home of its own.
class LibrarianProcessTest : public ::testing::Test {
protected:
  void SetUp() override {
    mRuntime = mHome.MakeFolder("runtime");
    fs::permissions(mRuntime, fs::perms::owner_all);
    mConfig = mHome.MakeFolder("home/.config");
    mWork = mHome.Path() + "/home/.local/share/Taveno/Brisel Librarian/BrisWork";
  }

  void Start(QProcess& process) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", QString::fromStdString(mHome.Path() + "/home"));
    environment.insert("XDG_CONFIG_HOME", QString::fromStdString(mConfig));
    environment.insert("XDG_DATA_HOME",
                       QString::fromStdString(mHome.Path() + "/home/.local/share"));
    environment.insert("XDG_RUNTIME_DIR", QString::fromStdString(mRuntime));
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QStringLiteral(BRISEL_LIBRARIAN_EXECUTABLE), QStringList());
    ASSERT_TRUE(process.waitForStarted());
  }

  // An instance is ready (its quit signals handled) once it answers on its socket.
  bool IsListening() const {
    QLocalSocket socket;
    socket.connectToServer(QString::fromStdString(mRuntime + "/Brisel Librarian QMTL.socket"));
    return socket.waitForConnected(200);
  }

  static bool QuitWith(QProcess& process, int signalNumber) {
    ::kill(static_cast<pid_t>(process.processId()), signalNumber);
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
  }

  std::string Prefs() const {
    std::ifstream in(mConfig + "/Brisel Librarian Prefs", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  StTempFolder mHome;
  std::string mRuntime;
  std::string mConfig;
  std::string mWork;
};

TEST_F(LibrarianProcessTest, ASecondStartEndsAtOnceAndSigtermQuitsTheFirstLikeQuit) {
  const std::string earlier = "[Custom]\r\nKept = 1\r\n\r\n[Grid Settings]\r\nGrid State = 1\r\n";
  std::ofstream(mConfig + "/Brisel Librarian Prefs", std::ios::binary) << earlier;

  QProcess first;
  Start(first);
  ASSERT_TRUE(WaitUntil([this] { return IsListening(); }, 15000));
  std::ofstream(mWork + "/0001 Shelter.d00") << "x";
  std::ofstream(mWork + "/keep.txt") << "x";

  QProcess second;
  Start(second);
  ASSERT_TRUE(second.waitForFinished(15000)) << "the second start must not keep running";
  EXPECT_EQ(QProcess::NormalExit, second.exitStatus());
  EXPECT_EQ(0, second.exitCode());
  EXPECT_EQ(earlier, Prefs()) << "the second start never touches the preferences";
  EXPECT_EQ(QProcess::Running, first.state());

  ASSERT_TRUE(QuitWith(first, SIGTERM));
  const std::string written = Prefs();
  EXPECT_EQ(0u, written.find("[Custom]\r\nKept = 1\r\n\r\n[Grid Settings]\r\nGrid State = 1\r\n"))
      << "loaded settings are kept: " << written;
  EXPECT_NE(std::string::npos, written.find("[General Settings]\r\nPreference Version = 1\r\n"));
  EXPECT_NE(std::string::npos, written.find("[Font Settings]\r\nFont Size = "));
  EXPECT_FALSE(fs::exists(mWork + "/0001 Shelter.d00")) << "data files left in the work folder go";
  EXPECT_TRUE(fs::exists(mWork + "/keep.txt"));
}

TEST_F(LibrarianProcessTest, ALockLeftByAKilledInstanceIsTakenOverAndSigintQuits) {
  QProcess crashed;
  Start(crashed);
  ASSERT_TRUE(WaitUntil([this] { return IsListening(); }, 15000));
  ::kill(static_cast<pid_t>(crashed.processId()), SIGKILL);
  ASSERT_TRUE(crashed.waitForFinished(10000));
  EXPECT_TRUE(fs::exists(mRuntime + "/Brisel Librarian QMTL.lock")) << "left behind";

  QProcess next;
  Start(next);
  EXPECT_FALSE(next.waitForFinished(1500)) << "a dead instance's lock must not stop a start";
  ASSERT_TRUE(QuitWith(next, SIGINT));
  EXPECT_NE(std::string::npos, Prefs().find("[General Settings]"));
}

} // namespace
