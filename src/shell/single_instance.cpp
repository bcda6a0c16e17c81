#include "shell/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <QCoreApplication>
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

void Complain(const QString& why) {
    const QString text =
        QCoreApplication::translate("SingleInstance", "later starts cannot reach this window: %1").arg(why);
    std::fprintf(stderr, "corvessa: %s\n", text.toLocal8Bit().constData());
}

// Whether `info` describes a folder of this user's that nobody else may
// write to.
bool IsPrivateFolder(const struct stat& info) {
    return S_ISDIR(info.st_mode) && info.st_uid == geteuid() && (info.st_mode & 077) == 0;
}

// The folder of the lock file and the socket: the user's runtime folder,
// or else a folder of the user's own in the temporary folder, which is
// shared. Either must be a real folder (not a link) of this user that only
// they may write to, so that no other user can make the socket first and
// receive the photos a later start hands over.
QString ChannelFolder(QString* why) {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    struct stat info;
    if (!runtime.isEmpty() && ::lstat(runtime.constData(), &info) == 0 && IsPrivateFolder(info))
        return QFile::decodeName(runtime);
    const QString folder = QDir(QDir::tempPath()).filePath(QStringLiteral("corvessa-%1").arg(geteuid()));
    const QByteArray encoded = QFile::encodeName(folder);
    ::mkdir(encoded.constData(), 0700);
    if (::lstat(encoded.constData(), &info) != 0) {
        *why = QCoreApplication::translate("SingleInstance", "cannot make the folder %1: %2")
                   .arg(folder, QString::fromLocal8Bit(std::strerror(errno)));
        return QString();
    }
    if (!IsPrivateFolder(info)) {
        *why = QCoreApplication::translate("SingleInstance",
                                           "%1 is not a folder of your own that only you may write to")
                   .arg(folder);
        return QString();
    }
    return folder;
}

// Whether whatever is at `path` belongs to another user (nothing there
// belongs to nobody).
bool OwnedByAnother(const QString& path) {
    struct stat info;
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && info.st_uid != geteuid();
}

}  // namespace

QString SingleInstanceLockFile(const QString& name) {
    QString why;
    const QString folder = ChannelFolder(&why);
    return folder.isEmpty() ? QString() : QDir(folder).filePath(PerUserName(name) + QStringLiteral(".lock"));
}

SingleInstanceGuard::SingleInstanceGuard(const QString& name, const QString& photo) {
    QString why;
    const QString folder = ChannelFolder(&why);
    // Without a channel the program runs unguarded: a window of its own
    // beats none.
    first_ = true;
    if (folder.isEmpty()) {
        Complain(why);
        return;
    }
    socketPath_ = QDir(folder).filePath(PerUserName(name) + QStringLiteral(".socket"));
    const QString lockPath = QDir(folder).filePath(PerUserName(name) + QStringLiteral(".lock"));
    // Not inherited by the programs we start (a help viewer, say), which
    // would otherwise hold the lock after we end.
    lockFd_ = ::open(QFile::encodeName(lockPath).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    struct stat info;
    if (lockFd_ < 0 || fstat(lockFd_, &info) != 0) {
        Complain(QCoreApplication::translate("SingleInstance", "cannot open %1: %2")
                     .arg(lockPath, QString::fromLocal8Bit(std::strerror(errno))));
        return;
    }
    if (info.st_uid != geteuid()) {
        Complain(QCoreApplication::translate("SingleInstance", "%1 belongs to another user").arg(lockPath));
        return;
    }
    first_ = flock(lockFd_, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK;
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
    if (OwnedByAnother(socketPath_))
        return Complain(QCoreApplication::translate("SingleInstance", "%1 belongs to another user").arg(socketPath_));
    // We hold the lock, so any socket of that name is left by a crash.
    QLocalServer::removeServer(socketPath_);
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
    if (!server_->listen(socketPath_)) Complain(QStringLiteral("%1: %2").arg(socketPath_, server_->errorString()));
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
    // Never to a socket that another user made: it would learn which
    // photos we open.
    if (OwnedByAnother(socketPath_)) {
        std::fprintf(stderr, "corvessa: not handing over to %s: it belongs to another user\n",
                     QFile::encodeName(socketPath_).constData());
        return;
    }
    QElapsedTimer waited;
    waited.start();
    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(socketPath_);
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
