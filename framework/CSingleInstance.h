#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class QLocalServer;
class QLockFile;

// Keeps the program to one running instance per user. The first instance holds a lock file in
// the runtime folder and listens on a local socket beside it; a later start finds the lock taken,
// asks the first instance through the socket to bring its front window forward, and ends.
class CSingleInstance : public QObject {
  Q_OBJECT

public:
  // key names the lock and the socket (the application's creator code).
  explicit CSingleInstance(const QString& key, QObject* parent = nullptr);
  ~CSingleInstance() override;

  // Takes the lock; false when another running instance holds it. A lock left behind by an
  // instance that no longer runs is taken over.
  bool Claim();
  // Listens for later starts; call after Claim succeeded.
  bool Listen();
  // From a later start: asks the running instance to open `folders` (none: only to come
  // forward). True when it got the request.
  bool AskRunningInstanceToRaise(const QStringList& folders = {}, int timeoutMs = 3000);

  QString GetLockPath() const;
  QString GetServerPath() const;

signals:
  // A later start asked this instance to bring its front window forward.
  void RaiseRequested();
  // A later start asked this instance to open a project folder.
  void OpenRequested(const QString& folder);

private:
  void ReadRequest(const QByteArray& line);

  QString mKey;
  std::unique_ptr<QLockFile> mLock;
  QLocalServer* mServer = nullptr;
};
