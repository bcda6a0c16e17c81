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

// One request a line: "raise", or "open " and the photo's path, its bytes
// percent-encoded so that no name (not even one holding a line break or
// bytes that are not UTF-8) can break the line.
constexpr char kRaiseRequest[] = "raise\n";
constexpr char kOpenRequest[] = "open ";
// Far more than any path; a client that sends more without a line break is
// not one of ours.
constexpr qint64 kLongestRequest = 64 * 1024;
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

SingleInstanceGuard::SingleInstanceGuard(const QString& name, const QString& photo) : socketName_(PerUserName(name)) {
    // Not inherited by the programs we start (a help viewer, say), which
    // would otherwise hold the lock after we end. Never followed through a
    // link: the temporary folder is shared with other users.
    lockFd_ = ::open(QFile::encodeName(SingleInstanceLockFile(name)).constData(),
                     O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    // A lock that cannot be made at all (no folder, no rights) must not
    // keep the program from starting: run unguarded then.
    first_ = lockFd_ < 0 || flock(lockFd_, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK;
    if (first_)
        ServeRequests();
    else if (photo.isEmpty())
        HandOver(kRaiseRequest);
    else
        HandOver(kOpenRequest + QFile::encodeName(photo).toPercentEncoding() + "\n");
}

SingleInstanceGuard::~SingleInstanceGuard() {
    if (server_) server_->close();
    if (lockFd_ >= 0) ::close(lockFd_);  // releases the lock
}

void SingleInstanceGuard::ServeRequests() {
    // We hold the lock, so any socket of that name is left by a crash.
    QLocalServer::removeServer(socketName_);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* client = server_->nextPendingConnection()) {
            connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
            connect(client, &QLocalSocket::readyRead, this, [this, client] {
                while (client->canReadLine()) Serve(client->readLine());
                if (client->bytesAvailable() > kLongestRequest) client->abort();
            });
        }
    });
    server_->listen(socketName_);
}

void SingleInstanceGuard::Serve(const QByteArray& request) {
    // The handlers run from the event loop, not inside the socket's signal:
    // opening a photo may show a message box, whose own event loop could
    // delete the socket under us.
    if (request == kRaiseRequest) {
        QMetaObject::invokeMethod(this, [this] { if (raise_) raise_(); }, Qt::QueuedConnection);
    } else if (request.startsWith(kOpenRequest) && request.endsWith('\n')) {
        const QByteArray encoded = request.mid(int(sizeof kOpenRequest) - 1).chopped(1);
        const QString photo = QFile::decodeName(QByteArray::fromPercentEncoding(encoded));
        if (photo.isEmpty()) return;
        QMetaObject::invokeMethod(this, [this, photo] { if (open_) open_(photo); }, Qt::QueuedConnection);
    }
}

void SingleInstanceGuard::HandOver(const QByteArray& request) {
    QElapsedTimer waited;
    waited.start();
    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(socketName_);
        if (socket.waitForConnected(500)) break;
        if (waited.elapsed() > kConnectPatienceMs) return;
        QThread::msleep(50);
    }
    socket.write(request);
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
