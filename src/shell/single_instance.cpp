#include "shell/single_instance.h"

#include <fcntl.h>
#include <cerrno>
#include <sys/file.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QWidget>

namespace corvessa {

namespace {

constexpr char kRaiseRequest[] = "raise\n";
// A first copy that is still starting may not listen yet: a later start
// keeps trying this long before it gives up silently.
constexpr int kConnectPatienceMs = 3000;

QString PerUserName(const QString& name) { return name + QStringLiteral("-") + QString::number(getuid()); }

}  // namespace

QString SingleInstanceLockFile(const QString& name) {
    // The runtime folder is the user's own; the temporary folder is shared.
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::tempPath();
    return QDir(folder).filePath(PerUserName(name) + QStringLiteral(".lock"));
}

SingleInstanceGuard::SingleInstanceGuard(const QString& name) : socketName_(PerUserName(name)) {
    // Not inherited by the programs we start (a help viewer, say), which
    // would otherwise hold the lock after we end. Never followed through a
    // link: the temporary folder is shared with other users.
    lockFd_ = ::open(QFile::encodeName(SingleInstanceLockFile(name)).constData(),
                     O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    // A lock that cannot be made at all (no folder, no rights) must not
    // keep the program from starting: run unguarded then.
    first_ = lockFd_ < 0 || flock(lockFd_, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK;
    if (first_)
        ServeRaiseRequests();
    else
        AskFirstInstanceToRaise();
}

SingleInstanceGuard::~SingleInstanceGuard() {
    if (server_) server_->close();
    if (lockFd_ >= 0) ::close(lockFd_);  // releases the lock
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
