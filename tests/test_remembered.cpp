// What the windows remember between runs: values come back as they were
// set, and values or files that make no sense give the defaults and never
// stop a start.
#include <gtest/gtest.h>

#include <QFile>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "shell/remembered.h"
#include "test_support.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

std::vector<uint8_t> ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

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

// A settings file reached through the user's own link is read and written
// there, the link kept; through another user's link (run as root with that
// user's HOME, say) nothing is read or written: the run keeps the defaults
// and what it sets, in memory, and says why.
TEST(RememberedTest, TheFileIsWrittenThroughTheUsersOwnLinkOnlyAndOtherwiseTheDefaultsAreKept) {
    TempDir home, dotfiles;
    namespace fs = std::filesystem;
    fs::create_directories(dotfiles.File("corvessa"));
    WriteBytes(dotfiles.File("corvessa/corvessa.conf"), {'[', 'm', ']', '\n'});
    fs::create_symlink(dotfiles.Path(), home.File(".config"));
    const QString path = Q(home.File(".config/corvessa/corvessa.conf"));
    {
        Remembered mine(path);
        EXPECT_TRUE(mine.Refusal().isEmpty());
        mine.SetNumber(QStringLiteral("category"), 5);
    }
    EXPECT_TRUE(fs::is_symlink(home.File(".config")));
    EXPECT_EQ(Remembered(Q(dotfiles.File("corvessa/corvessa.conf"))).Number(QStringLiteral("category"), 1, 16, 0), 5);

    if (::geteuid() != 0) GTEST_SKIP() << "links of another user need root to make";
    ASSERT_EQ(::lchown(home.File(".config").c_str(), 4321, 4321), 0);
    const std::vector<uint8_t> before = ReadFileBytes(dotfiles.File("corvessa/corvessa.conf"));
    {
        Remembered theirs(path);
        EXPECT_EQ(theirs.Refusal(), QStringLiteral("Settings are not kept: %1 is a symbolic link of another user \u2014 %2")
                                        .arg(Q(home.File(".config")), path));
        EXPECT_EQ(theirs.Number(QStringLiteral("category"), 1, 16, 0), 0);
        theirs.SetNumber(QStringLiteral("category"), 9);
        EXPECT_EQ(theirs.Number(QStringLiteral("category"), 1, 16, 0), 9);
        theirs.Write();
    }
    EXPECT_EQ(ReadFileBytes(dotfiles.File("corvessa/corvessa.conf")), before);
    EXPECT_FALSE(fs::exists(dotfiles.File("corvessa/corvessa.conf.lock")));

    // A link planted after the start: what was set is not written.
    ASSERT_EQ(::lchown(home.File(".config").c_str(), 0, 0), 0);
    {
        Remembered planted(path);
        EXPECT_TRUE(planted.Refusal().isEmpty());
        planted.SetNumber(QStringLiteral("category"), 11);
        ASSERT_EQ(::lchown(home.File(".config").c_str(), 4321, 4321), 0);
    }
    EXPECT_EQ(ReadFileBytes(dotfiles.File("corvessa/corvessa.conf")), before);
}

}  // namespace
