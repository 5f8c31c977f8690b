#include "framework/CSingleInstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>

namespace {

const QByteArray kRaiseRequest = "raise\n";
// Followed by the folder's path, percent-encoded so that any name fits on one line.
const QByteArray kOpenRequest = "open ";

QString RuntimeFolder() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) {
    folder = QDir::tempPath();
  }
  return folder;
}

} // namespace

CSingleInstance::CSingleInstance(const QString& key, QObject* parent)
    : QObject(parent), mKey(key) {}

CSingleInstance::~CSingleInstance() {
  if (mServer != nullptr) {
    mServer->close();
  }
}

QString CSingleInstance::GetLockPath() const {
  return RuntimeFolder() + QStringLiteral("/Brisel Librarian ") + mKey + QStringLiteral(".lock");
}

QString CSingleInstance::GetServerPath() const {
  return RuntimeFolder() + QStringLiteral("/Brisel Librarian ") + mKey + QStringLiteral(".socket");
}

bool CSingleInstance::Claim() {
  mLock = std::make_unique<QLockFile>(GetLockPath());
  mLock->setStaleLockTime(0); // never stale by age; only when its owner no longer runs
  return mLock->tryLock(0);
}

bool CSingleInstance::Listen() {
  if (mServer == nullptr) {
    mServer = new QLocalServer(this);
    mServer->setSocketOptions(QLocalServer::UserAccessOption);
    connect(mServer, &QLocalServer::newConnection, this, [this] {
      while (QLocalSocket* socket = mServer->nextPendingConnection()) {
        auto readRequests = [this, socket] {
          while (socket->canReadLine()) {
            ReadRequest(socket->readLine());
          }
        };
        connect(socket, &QLocalSocket::readyRead, this, readRequests);
        connect(socket, &QLocalSocket::disconnected, this, [socket, readRequests] {
          readRequests();
          socket->deleteLater();
        });
        readRequests();
      }
    });
  }
  // The lock is ours, so a socket file left there belongs to an instance that has ended.
  QLocalServer::removeServer(GetServerPath());
  return mServer->listen(GetServerPath());
}

void CSingleInstance::ReadRequest(const QByteArray& line) {
  if (line == kRaiseRequest) {
    emit RaiseRequested();
  } else if (line.startsWith(kOpenRequest) && line.endsWith('\n')) {
    const QByteArray encoded = line.mid(kOpenRequest.size(), line.size() - kOpenRequest.size() - 1);
    emit OpenRequested(QString::fromUtf8(QByteArray::fromPercentEncoding(encoded)));
  }
}

bool CSingleInstance::AskRunningInstanceToRaise(const QStringList& folders, int timeoutMs) {
  QByteArray request;
  for (const QString& folder : folders) {
    request += kOpenRequest + folder.toUtf8().toPercentEncoding() + '\n';
  }
  request += kRaiseRequest;
  // The running instance may still be starting up; give it a little time to listen.
  const QDeadlineTimer deadline(timeoutMs);
  while (true) {
    QLocalSocket socket;
    socket.connectToServer(GetServerPath());
    if (socket.waitForConnected(static_cast<int>(deadline.remainingTime()))) {
      socket.write(request);
      const bool sent = socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime()));
      socket.disconnectFromServer();
      if (socket.state() != QLocalSocket::UnconnectedState) {
        socket.waitForDisconnected(static_cast<int>(deadline.remainingTime()));
      }
      return sent;
    }
    if (deadline.hasExpired()) {
      return false;
    }
    QThread::msleep(50);
  }
}
