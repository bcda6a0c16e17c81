#pragma once
// Only one copy of the program runs per user. The first copy holds a lock
// on a lock file and listens on a local socket; a later start finds the
// lock taken, asks the first copy through the socket to bring its window
// forward (and to open the photo the later start was given), and ends.
// The system releases the lock when its holder ends in any way, so
// whatever a crash leaves in the file (or a dead socket) never stops the
// next start.
//
// Both live in a folder only the user may write to (the runtime folder,
// or corvessa-UID in the temporary folder), and a lock or socket of
// another user is never used: no one else can receive the photos handed
// over or keep the first copy from listening. Where the channel cannot be
// set up, stderr says why and the program runs as a first copy.

#include <QObject>
#include <QString>
#include <functional>

class QLocalServer;
class QWidget;

namespace corvessa {

inline constexpr char kSingleInstanceName[] = "RunOnlyOnce_ZeDevizodAvozoz1";

class SingleInstanceGuard : public QObject {
    Q_OBJECT
public:
    // `name` is made per user by appending the user's id: the lock file is
    // `name`-UID.lock and the socket `name`-UID.socket. A second copy hands
    // `photo` (an absolute path) to the first one when it is not empty.
    explicit SingleInstanceGuard(const QString& name = QString::fromLatin1(kSingleInstanceName),
                                 const QString& photo = QString());
    ~SingleInstanceGuard() override;

    // False for a second copy, which has already asked the first one to
    // raise its window or open its photo (if it could reach it) and should
    // end at once.
    bool IsFirstInstance() const { return first_; }

    // Run in the first copy whenever a later start without a photo asks
    // for its window.
    void SetRaiseHandler(std::function<void()> raise) { raise_ = std::move(raise); }
    // Run in the first copy with the photo a later start was given.
    void SetOpenHandler(std::function<void(const QString& photo)> open) { open_ = std::move(open); }

private:
    void HandOver(const QByteArray& request);
    void ServeRequests();
    void Serve(const QByteArray& request);

    QString socketPath_;
    int lockFd_ = -1;
    QLocalServer* server_ = nullptr;
    bool first_ = false;
    std::function<void()> raise_;
    std::function<void(const QString&)> open_;
};

// The lock file of the guard named `name`; empty when the folder for it
// cannot be had.
QString SingleInstanceLockFile(const QString& name);

// Brings a top-level window to the front, restoring it when minimised.
void RaiseWindow(QWidget* window);

}  // namespace corvessa
