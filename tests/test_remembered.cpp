// What the windows remember between runs: values come back as they were
// set, and values or files that make no sense give the defaults and never
// stop a start.
#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QSettings>
#include <QStringList>
#include <QWidget>
#include <unistd.h>

#include <algorithm>
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

// A setting is named by its row, never by a string the caller spells.
template <class Key>
concept ReadByKey = requires(const Remembered& kept, Key key) { kept.Number(key); } ||
                    requires(const Remembered& kept, Key key) { kept.Text(key); } ||
                    requires(const Remembered& kept, Key key) { kept.Flag(key); } ||
                    requires(const Remembered& kept, Key key) { kept.Place(key); } ||
                    requires(const Remembered& kept, Key key) { kept.Folder(key); } ||
                    requires(const Remembered& kept, Key key) { kept.Colour(key); };
static_assert(ReadByKey<Setting>);
static_assert(!ReadByKey<const char*> && !ReadByKey<QString> && !ReadByKey<int>);

// What `kept` reads for `row`, in one form for every kind.
QVariant Read(const Remembered& kept, const SettingRow& row) {
    switch (row.kind) {
    case SettingKind::kPlace:
    case SettingKind::kPlaceText: return kept.Place(row.setting);
    case SettingKind::kFolder: return kept.Folder(row.setting);
    case SettingKind::kNumber: return kept.Number(row.setting);
    case SettingKind::kFlag: return kept.Flag(row.setting);
    case SettingKind::kText: return kept.Text(row.setting);
    case SettingKind::kColour: {
        const Rgb c = kept.Colour(row.setting);
        return QColor(c.r, c.g, c.b).name();
    }
    }
    return {};
}

void Write(Remembered& kept, const SettingRow& row, const QVariant& value) {
    switch (row.kind) {
    case SettingKind::kPlace:
    case SettingKind::kPlaceText: return kept.SetPlace(row.setting, value.toByteArray());
    case SettingKind::kFolder: return kept.SetFolder(row.setting, value.toString());
    case SettingKind::kNumber: return kept.SetNumber(row.setting, value.toInt());
    case SettingKind::kFlag: return kept.SetFlag(row.setting, value.toBool());
    case SettingKind::kText: return kept.SetText(row.setting, value.toString());
    case SettingKind::kColour: {
        const QColor c(value.toString());
        return kept.SetColour(row.setting, Rgb{uint8_t(c.red()), uint8_t(c.green()), uint8_t(c.blue())});
    }
    }
}

QVariant Default(const SettingRow& row) {
    switch (row.kind) {
    case SettingKind::kPlace:
    case SettingKind::kPlaceText: return QByteArray();
    case SettingKind::kFolder: return QString();
    case SettingKind::kNumber: return row.fallback;
    case SettingKind::kFlag: return row.fallback != 0;
    case SettingKind::kText:
    case SettingKind::kColour: return QString::fromUtf8(row.text);
    }
    return {};
}

// Every row: good values come back in the next run, stored under the row's
// key; values out of range, of another kind or of no sense (a damaged or
// hand-edited file) read as the default.
TEST(RememberedTest, EverySettingKeepsAGoodValueAndGivesItsDefaultForABadOne) {
    TempDir dir;
    const QString path = Q(dir.File("corvessa.conf"));
    QWidget window;
    window.setGeometry(30, 40, 300, 200);
    const QByteArray place = window.saveGeometry();
    const QString notText = QStringLiteral("\x01nonsense{");
    for (const SettingRow& row : SettingRows()) {
        SCOPED_TRACE(row.key);
        EXPECT_EQ(&RowOf(row.setting), &row);
        std::vector<QVariant> good, bad{QStringList{QStringLiteral("a"), QStringLiteral("b")}};
        switch (row.kind) {
        case SettingKind::kPlace:
        case SettingKind::kPlaceText:
            good = {place};
            bad.insert(bad.end(), {QByteArray("\x01\x02geometry", 10), QStringLiteral("not a geometry")});
            break;
        case SettingKind::kFolder:
            good = {Q(dir.Path())};
            bad.push_back(Q(dir.File("gone")));
            break;
        case SettingKind::kNumber:
            good = {row.lowest, row.highest};
            bad.insert(bad.end(), {row.lowest - 1, row.highest + 1, QStringLiteral("ten")});
            break;
        case SettingKind::kFlag:
            good = {row.fallback == 0};
            bad.insert(bad.end(), {QStringLiteral("maybe"), 1});
            break;
        case SettingKind::kText:
            good = {QString::fromUtf8(row.example)};
            if (row.accepts) bad.push_back(notText);
            break;
        case SettingKind::kColour:
            good = {QString::fromUtf8(row.example)};
            bad.insert(bad.end(), {QStringLiteral("#12345"), QStringLiteral("orange"), QStringLiteral("#gg0000")});
            break;
        }
        // At least one good value is not the default, which any reading gives.
        EXPECT_TRUE(std::any_of(good.begin(), good.end(), [&](const QVariant& v) { return v != Default(row); }));
        for (const QVariant& value : good) {
            {
                Remembered kept(path);
                Write(kept, row, value);
            }
            EXPECT_TRUE(QSettings(path, QSettings::IniFormat).contains(QString::fromLatin1(row.key)));
            EXPECT_EQ(Read(Remembered(path), row), value);
        }
        for (const QVariant& value : bad) {
            QSettings(path, QSettings::IniFormat).setValue(QString::fromLatin1(row.key), value);
            EXPECT_EQ(Read(Remembered(path), row), Default(row)) << value.toString().toStdString();
        }
        QSettings(path, QSettings::IniFormat).remove(QString::fromLatin1(row.key));
        EXPECT_EQ(Read(Remembered(path), row), Default(row));
    }
}

// A file an earlier run wrote is read as it was: the keys stay.
TEST(RememberedTest, AFileOfAnEarlierRunIsReadUnderItsKeys) {
    TempDir dir;
    const std::string text = "[General]\ncategory=7\nlargeThumbnails=true\nsaveQuality=40\n"
                             "[batch]\nnames={folder}-{name}\nstrength=60\ncolor=#ff8000\nlookSource=cube\n"
                             "changeColor=true\neffect=4\n[filters]\nsave=*.png (*.png)\n[folders]\nlooks=" +
                             dir.Path() + "\n";
    WriteBytes(dir.File("corvessa.conf"), {text.begin(), text.end()});
    const Remembered kept(Q(dir.File("corvessa.conf")));
    EXPECT_EQ(kept.Number(Setting::kCategory), 7);
    EXPECT_TRUE(kept.Flag(Setting::kLargeThumbnails));
    EXPECT_EQ(kept.Number(Setting::kSaveQuality), 40);
    EXPECT_EQ(kept.Text(Setting::kBatchNames), QStringLiteral("{folder}-{name}"));
    EXPECT_EQ(kept.Number(Setting::kBatchStrength), 60);
    EXPECT_EQ(kept.Colour(Setting::kBatchColour), (Rgb{255, 128, 0}));
    EXPECT_EQ(kept.Text(Setting::kBatchLookSource), QStringLiteral("cube"));
    EXPECT_TRUE(kept.Flag(Setting::kBatchChangeColour));
    EXPECT_EQ(kept.Number(Setting::kBatchEffect), 4);
    EXPECT_EQ(kept.Text(Setting::kSaveFilter), QStringLiteral("*.png (*.png)"));
    EXPECT_EQ(kept.Folder(Setting::kLooksFolder), Q(dir.Path()));
}

TEST(RememberedTest, AFileThatCannotBeReadGivesTheDefaultsAndIsReplaced) {
    TempDir dir;
    const std::string path = dir.File("corvessa.conf");
    for (const std::string& garbage : {std::string("\x00\xff\xfe[[[=\n\x01", 9), std::string("[main\ncategory=ten\nlarge=maybe\n"),
                                       std::string(100000, '[')}) {
        WriteBytes(path, {garbage.begin(), garbage.end()});
        {
            Remembered settings(Q(path));
            EXPECT_EQ(settings.Number(Setting::kCategory), 0);
            EXPECT_FALSE(settings.Flag(Setting::kLargeThumbnails));
            EXPECT_TRUE(settings.Place(Setting::kMainPlace).isEmpty());
            settings.SetNumber(Setting::kCategory, 3);
        }
        EXPECT_EQ(Remembered(Q(path)).Number(Setting::kCategory), 3);
    }
    // A settings folder that cannot be made: nothing is kept, nothing fails.
    WriteBytes(dir.File("file"), {1});
    Remembered nowhere(Q(dir.File("file/corvessa/corvessa.conf")));
    nowhere.SetNumber(Setting::kCategory, 3);
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
        mine.SetNumber(Setting::kCategory, 5);
    }
    EXPECT_TRUE(fs::is_symlink(home.File(".config")));
    EXPECT_EQ(Remembered(Q(dotfiles.File("corvessa/corvessa.conf"))).Number(Setting::kCategory), 5);

    if (::geteuid() != 0) GTEST_SKIP() << "links of another user need root to make";
    ASSERT_EQ(::lchown(home.File(".config").c_str(), 4321, 4321), 0);
    const std::vector<uint8_t> before = ReadFileBytes(dotfiles.File("corvessa/corvessa.conf"));
    {
        Remembered theirs(path);
        EXPECT_EQ(theirs.Refusal(), QStringLiteral("Settings are not kept: %1 is a symbolic link of another user \u2014 %2")
                                        .arg(Q(home.File(".config")), path));
        EXPECT_EQ(theirs.Number(Setting::kCategory), 0);
        theirs.SetNumber(Setting::kCategory, 9);
        EXPECT_EQ(theirs.Number(Setting::kCategory), 9);
        theirs.Write();
    }
    EXPECT_EQ(ReadFileBytes(dotfiles.File("corvessa/corvessa.conf")), before);
    EXPECT_FALSE(fs::exists(dotfiles.File("corvessa/corvessa.conf.lock")));

    // A link planted after the start: what was set is not written.
    ASSERT_EQ(::lchown(home.File(".config").c_str(), 0, 0), 0);
    {
        Remembered planted(path);
        EXPECT_TRUE(planted.Refusal().isEmpty());
        planted.SetNumber(Setting::kCategory, 11);
        ASSERT_EQ(::lchown(home.File(".config").c_str(), 4321, 4321), 0);
    }
    EXPECT_EQ(ReadFileBytes(dotfiles.File("corvessa/corvessa.conf")), before);
}

}  // namespace
