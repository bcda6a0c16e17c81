#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <memory>

#include "shell/single_instance.h"
#include "test_support.h"

namespace {

// A name no other test run or real program uses.
QString UniqueName(const char* test) {
    return QStringLiteral("CorvessaTest_%1_%2").arg(QString::fromLatin1(test)).arg(QCoreApplication::applicationPid());
}

std::unique_ptr<QProcess> Start(const QString& name, const QString& photo = QString(),
                                const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(environment);
    QStringList arguments{name};
    if (!photo.isEmpty()) arguments << photo;
    process->start(QStringLiteral(CORVESSA_PROBE), arguments);
    EXPECT_TRUE(process->waitForStarted(5000));
    return process;
}

// The next line the probe prints, or "" if none comes in time.
QString NextLine(QProcess& process) {
    while (!process.canReadLine())
        if (!process.waitForReadyRead(10000)) return QString();
    return QString::fromLatin1(process.readLine()).trimmed();
}

TEST(SingleInstance, ASecondStartRaisesTheFirstAndEnds) {
    const QString name = UniqueName("raise");
    auto first = Start(name);
    ASSERT_EQ(NextLine(*first), "first");

    auto second = Start(name);
    ASSERT_TRUE(second->waitForFinished(10000));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_EQ(NextLine(*second), "second");

    EXPECT_EQ(NextLine(*first), "raised");
    ASSERT_TRUE(first->waitForFinished(10000));
    EXPECT_EQ(first->exitCode(), 0);
}

TEST(SingleInstance, ASecondStartWithAPhotoHandsItOverAndOneWithoutOnlyRaises) {
    const QString name = UniqueName("open");
    auto first = Start(name);
    ASSERT_EQ(NextLine(*first), "first");

    // Names with a space, a line break, a percent sign, letters beyond ASCII.
    const QString photos[] = {QStringLiteral("/photos/holiday 1.jpg"), QStringLiteral("/photos/two\nlines %41.jpg"),
                              QString::fromUtf8("/photos/caf\xc3\xa9.jpg")};
    for (const QString& photo : photos) {
        auto second = Start(name, photo);
        ASSERT_TRUE(second->waitForFinished(10000));
        EXPECT_EQ(NextLine(*second), "second");
        EXPECT_EQ(QFile::decodeName(QByteArray::fromPercentEncoding(NextLine(*first).toLatin1())),
                  QStringLiteral("open ") + photo);
    }
    auto third = Start(name);
    ASSERT_TRUE(third->waitForFinished(10000));
    EXPECT_EQ(NextLine(*first), "raised");
    ASSERT_TRUE(first->waitForFinished(10000));
    EXPECT_EQ(first->readAll(), QByteArray());
}

TEST(SingleInstance, ACrashedCopyDoesNotStopTheNextStart) {
    const QString name = UniqueName("crash");
    auto crashed = Start(name);
    ASSERT_EQ(NextLine(*crashed), "first");
    crashed->kill();  // SIGKILL: the lock file and the socket stay behind
    ASSERT_TRUE(crashed->waitForFinished(5000));
    EXPECT_TRUE(QFile::exists(corvessa::SingleInstanceLockFile(name)));

    auto next = Start(name);
    EXPECT_EQ(NextLine(*next), "first");
    // And it serves the start after it.
    auto second = Start(name);
    ASSERT_TRUE(second->waitForFinished(10000));
    EXPECT_EQ(NextLine(*second), "second");
    EXPECT_EQ(NextLine(*next), "raised");
    next->waitForFinished(10000);
}

TEST(SingleInstance, WhateverALockFileHoldsItNeverStopsAStart) {
    const QByteArray contents[] = {"", "\x93\x01garbage\xff", "12345\nsome-other-host\ncorvessa\n"};
    int i = 0;
    for (const QByteArray& content : contents) {
        const QString name = UniqueName("lock") + QString::number(i++);
        QFile lock(corvessa::SingleInstanceLockFile(name));
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
        lock.write(content);
        lock.close();
        auto first = Start(name);
        EXPECT_EQ(NextLine(*first), "first") << content.toStdString();
        first->kill();
        first->waitForFinished(5000);
        QFile::remove(lock.fileName());
    }
}

TEST(SingleInstance, CopiesOfDifferentNamesDoNotMeet) {
    auto a = Start(UniqueName("a"));
    auto b = Start(UniqueName("b"));
    EXPECT_EQ(NextLine(*a), "first");
    EXPECT_EQ(NextLine(*b), "first");
    a->kill();
    b->kill();
    a->waitForFinished(5000);
    b->waitForFinished(5000);
}

TEST(SingleInstance, TheGuardInThisProcessIsFirstAndLetsGo) {
    const QString name = UniqueName("inprocess");
    {
        corvessa::SingleInstanceGuard guard(name);
        EXPECT_TRUE(guard.IsFirstInstance());
    }
    corvessa::SingleInstanceGuard again(name);
    EXPECT_TRUE(again.IsFirstInstance());
}

// Another user of the machine: an id that nobody uses, so root only. Each
// case plants what that user could in the shared temporary folder (or in
// a runtime folder of theirs) before our first start.
TEST(SingleInstance, AnotherUserCanNeitherTakeTheChannelNorReceiveWhatIsHandedOver) {
    if (geteuid() != 0) GTEST_SKIP() << "making files of another user needs root";
    constexpr uid_t kOther = 54321;
    struct Case {
        const char* what;
        bool runtimeOfTheOther;     // XDG_RUNTIME_DIR names a folder of theirs
        bool folderOfTheOther;      // they made our folder in the temporary folder first
        bool socketOfTheOther;      // a socket of theirs listens in our folder
        const char* firstComplaint;  // what our first start says on stderr, if anything
    };
    const Case cases[] = {
        {"runtime folder of another user", true, false, false, nullptr},
        {"our temporary folder made by another user", false, true, false, "is not a folder of your own"},
        {"another user's socket in our folder", false, false, true, "belongs to another user"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        corvessa::test::TempDir tmp, runtime;
        ASSERT_EQ(chmod(tmp.Path().c_str(), 01777), 0);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TMPDIR"), QString::fromStdString(tmp.Path()));
        environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        if (c.runtimeOfTheOther) {
            ASSERT_EQ(chown(runtime.Path().c_str(), kOther, kOther), 0);
            environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString::fromStdString(runtime.Path()));
        }
        const QString name = UniqueName("other");
        const std::string folder = tmp.File("corvessa-0");
        int impostor = -1;
        if (c.folderOfTheOther) {
            ASSERT_EQ(mkdir(folder.c_str(), 0777), 0);
            ASSERT_EQ(chown(folder.c_str(), kOther, kOther), 0);
        }
        if (c.socketOfTheOther) {
            ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            const std::string path = folder + "/" + name.toStdString() + "-0.socket";
            std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
            impostor = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
            ASSERT_EQ(bind(impostor, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
            ASSERT_EQ(listen(impostor, 4), 0);
            ASSERT_EQ(lchown(path.c_str(), kOther, kOther), 0);
        }

        auto first = Start(name, QString(), environment);
        ASSERT_EQ(NextLine(*first), "first");
        auto second = Start(name, QStringLiteral("/photos/private.jpg"), environment);
        const QString secondSaid = NextLine(*second);
        if (c.firstComplaint) {
            // The window still starts; the later start finds no channel of
            // ours and runs on its own, or ends without handing over.
            EXPECT_TRUE(QString::fromLocal8Bit(first->readAllStandardError()).contains(QLatin1String(c.firstComplaint)));
            if (impostor >= 0) {
                EXPECT_EQ(secondSaid, "second");
                EXPECT_LT(accept(impostor, nullptr, nullptr), 0) << "the other user was handed the photo";
                close(impostor);
            } else {
                EXPECT_EQ(secondSaid, "first");
            }
        } else {
            EXPECT_EQ(secondSaid, "second");
            EXPECT_TRUE(NextLine(*first).startsWith(QLatin1String("open ")));
        }
        for (auto* process : {first.get(), second.get()}) {
            process->kill();
            process->waitForFinished(5000);
        }
    }
}

}  // namespace
