#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <memory>

#include "shell/single_instance.h"

namespace {

// A name no other test run or real program uses.
QString UniqueName(const char* test) {
    return QStringLiteral("CorvessaTest_%1_%2").arg(QString::fromLatin1(test)).arg(QCoreApplication::applicationPid());
}

std::unique_ptr<QProcess> Start(const QString& name, const QString& photo = QString()) {
    auto process = std::make_unique<QProcess>();
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

}  // namespace
