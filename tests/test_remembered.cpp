// What the windows remember between runs: values come back as they were
// set, and values or files that make no sense give the defaults and never
// stop a start.
#include <gtest/gtest.h>

#include <QFile>
#include <filesystem>
#include <string>

#include "shell/remembered.h"
#include "test_support.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

TEST(RememberedTest, ValuesComeBackInTheNextRunAndNonsenseGivesTheDefaults) {
    TempDir dir;
    const QString path = Q(dir.File("corvessa.conf"));
    {
        Remembered settings(path);
        settings.SetGeometry(QStringLiteral("main"), QByteArray("\x01\x02geometry", 10));
        settings.SetFolder(QStringLiteral("open"), Q(dir.Path()));
        settings.SetFolder(QStringLiteral("save"), Q(dir.File("gone")));
        settings.SetFilter(QStringLiteral("open"), QStringLiteral("*.png"));
        settings.SetNumber(QStringLiteral("category"), 7);
        settings.SetNumber(QStringLiteral("quality"), 500);
        settings.SetFlag(QStringLiteral("large"), true);
        settings.SetText(QStringLiteral("batch/names"), QStringLiteral("{name}-{look}"));
    }
    const Remembered again(path);
    EXPECT_EQ(again.Geometry(QStringLiteral("main")), QByteArray("\x01\x02geometry", 10));
    EXPECT_TRUE(again.Geometry(QStringLiteral("preview")).isEmpty());
    EXPECT_EQ(again.Folder(QStringLiteral("open")), Q(dir.Path()));
    EXPECT_TRUE(again.Folder(QStringLiteral("save")).isEmpty());  // no longer there
    EXPECT_EQ(again.Filter(QStringLiteral("open")), QStringLiteral("*.png"));
    EXPECT_EQ(again.Number(QStringLiteral("category"), 1, 16, 0), 7);
    EXPECT_EQ(again.Number(QStringLiteral("quality"), 1, 100, 90), 90);  // out of range
    EXPECT_TRUE(again.Flag(QStringLiteral("large"), false));
    EXPECT_EQ(again.Text(QStringLiteral("batch/names")), QStringLiteral("{name}-{look}"));
}

TEST(RememberedTest, AFileThatCannotBeReadGivesTheDefaultsAndIsReplaced) {
    TempDir dir;
    const std::string path = dir.File("corvessa.conf");
    for (const std::string& garbage : {std::string("\x00\xff\xfe[[[=\n\x01", 9), std::string("[main\ncategory=ten\nlarge=maybe\n"),
                                       std::string(100000, '[')}) {
        WriteBytes(path, {garbage.begin(), garbage.end()});
        {
            Remembered settings(Q(path));
            EXPECT_EQ(settings.Number(QStringLiteral("category"), 1, 16, 0), 0);
            EXPECT_FALSE(settings.Flag(QStringLiteral("large"), false));
            EXPECT_TRUE(settings.Geometry(QStringLiteral("main")).isEmpty());
            settings.SetNumber(QStringLiteral("category"), 3);
        }
        EXPECT_EQ(Remembered(Q(path)).Number(QStringLiteral("category"), 1, 16, 0), 3);
    }
    // A settings folder that cannot be made: nothing is kept, nothing fails.
    WriteBytes(dir.File("file"), {1});
    Remembered nowhere(Q(dir.File("file/corvessa/corvessa.conf")));
    nowhere.SetNumber(QStringLiteral("category"), 3);
    nowhere.Write();
}

}  // namespace
