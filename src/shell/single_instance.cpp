#include "shell/single_instance.h"

#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>
#include <QWidget>

namespace corvessa {

namespace {

constexpr char kRaiseRequest[] = "raise\n";
// A first copy that is still starting may not listen yet: a later start
// keeps trying this long before it gives up silently.
constexpr int kConnectPatienceMs = 3000;

}  // namespace

SingleInstanceGuard::SingleInstanceGuard(const QString& name)
    : socketName_(name + QStringLiteral("-") + QString::number(getuid())),
      lock_(std::make_unique<QLockFile>(QDir::temp().filePath(socketName_ + QStringLiteral(".lock")))) {
    // Never stale by age; a lock is stale only when its process is gone.
    lock_->setStaleLockTime(0);
    // A lock that cannot be made at all (no temporary folder, no rights)
    // must not keep the program from starting: run unguarded then.
    first_ = lock_->tryLock(0) || lock_->error() != QLockFile::LockFailedError;
    if (first_)
        ServeRaiseRequests();
    else
        AskFirstInstanceToRaise();
}

SingleInstanceGuard::~SingleInstanceGuard() {
    if (server_) server_->close();
    if (first_) lock_->unlock();
}

void SingleInstanceGuard::ServeRaiseRequests() {
    // We hold the lock, so any socket of that name is left by a crash.
    QLocalServer::removeServer(socketName_);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* client = server_->nextPendingConnection()) {
            connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
            connect(client, &QLocalSocket::readyRead, this, [this, client] {
                if (!client->canReadLine()) return;
                const QByteArray request = client->readLine();
                if (request == kRaiseRequest && raise_) raise_();
            });
        }
    });
    server_->listen(socketName_);
}

void SingleInstanceGuard::AskFirstInstanceToRaise() {
    QElapsedTimer waited;
    waited.start();
    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(socketName_);
        if (socket.waitForConnected(500)) break;
        if (waited.elapsed() > kConnectPatienceMs) return;
        QThread::msleep(50);
    }
    socket.write(kRaiseRequest);
    socket.waitForBytesWritten(1000);
    socket.disconnectFromServer();
}

void RaiseWindow(QWidget* window) {
    if (window->isMinimized())
        window->showNormal();
    else
        window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace corvessa
