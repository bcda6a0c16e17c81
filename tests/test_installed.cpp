// The program as installed: the build installed under /usr into a scratch
// DESTDIR (CTest does that first), its programs run from there.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QMimeDatabase>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "io/photo_files.h"
#include "test_support.h"

using namespace corvessa;
using namespace corvessa::test;
namespace fs = std::filesystem;

namespace {

const std::string kUsr = std::string(CORVESSA_STAGE) + "/usr";
const std::string kAppId = CORVESSA_APP_ID;

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(Installed, TheTreeHoldsBothProgramsAndEverythingTheyShipWith) {
    for (const char* program : {"/bin/corvessa", "/bin/corvessa-render", "/libexec/corvessa/corvessa-codec"}) {
        const fs::path path = kUsr + program;
        ASSERT_TRUE(fs::is_regular_file(path)) << path;
        EXPECT_NE(fs::status(path).permissions() & fs::perms::others_exec, fs::perms::none) << path;
    }
    for (const std::string& file : std::vector<std::string>{"/share/corvessa/help.html", "/share/corvessa/beryl.urf", "/share/applications/" + kAppId + ".desktop",
          "/share/metainfo/" + kAppId + ".metainfo.xml", "/share/icons/hicolor/scalable/apps/" + kAppId + ".svg",
          "/share/doc/corvessa/copyright"})
        EXPECT_TRUE(fs::is_regular_file(kUsr + file)) << file;
    for (const char* page : {"/share/man/man1/corvessa.1.gz", "/share/man/man1/corvessa-render.1.gz"})
        EXPECT_EQ(Slurp(kUsr + page).substr(0, 2), "\x1f\x8b") << page;

    // The look pack as the build drew it, file for file.
    const fs::path built = CORVESSA_BUILT_PICTURES, installed = kUsr + "/share/corvessa/pic";
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(built)) {
        if (!entry.is_regular_file()) continue;
        const fs::path relative = fs::relative(entry.path(), built);
        ASSERT_TRUE(fs::is_regular_file(installed / relative)) << relative;
        EXPECT_EQ(Slurp(entry.path()), Slurp(installed / relative)) << relative;
        ++files;
    }
    EXPECT_GT(files, 100);
    EXPECT_TRUE(fs::is_regular_file(installed / "sample.jpg"));

    // Each PNG icon has the size its folder says.
    int icons = 0;
    for (const auto& size : fs::directory_iterator(kUsr + "/share/icons/hicolor")) {
        const QRegularExpressionMatch match =
            QRegularExpression(QStringLiteral("^(\\d+)x(\\d+)$")).match(QString::fromStdString(size.path().filename()));
        if (!match.hasMatch()) continue;
        const QImage icon(QString::fromStdString((size.path() / "apps" / (kAppId + ".png")).string()));
        EXPECT_EQ(icon.size(), QSize(match.captured(1).toInt(), match.captured(2).toInt())) << size.path();
        ++icons;
    }
    EXPECT_GE(icons, 4);
}

TEST(Installed, TheDesktopEntryClaimsEveryFormatTheProgramReads) {
    const std::string entry = Slurp(kUsr + "/share/applications/" + kAppId + ".desktop");
    const QRegularExpressionMatch line =
        QRegularExpression(QStringLiteral("^MimeType=(.*)$"), QRegularExpression::MultilineOption)
            .match(QString::fromStdString(entry));
    ASSERT_TRUE(line.hasMatch());
    const QMimeDatabase mimes;
    QSet<QString> claimed;
    for (const QString& type : line.captured(1).split(u';', Qt::SkipEmptyParts))
        claimed.insert(mimes.mimeTypeForName(type).isValid() ? mimes.mimeTypeForName(type).name() : type);
    // JPEG and BMP have readers of the program's own.
    QList<QByteArray> read = QImageReader::supportedMimeTypes();
    read << "image/jpeg" << "image/bmp";
    for (const QByteArray& type : read) {
        const QMimeType known = mimes.mimeTypeForName(QString::fromLatin1(type));
        if (!known.isValid()) continue;  // a name the desktop does not know either
        EXPECT_TRUE(claimed.contains(known.name())) << type.toStdString();
    }
}

class InstalledPrograms : public testing::Test {
protected:
    std::unique_ptr<QProcess> Start(const QString& program, const QStringList& arguments,
                                    const std::string& folder = std::string()) {
        auto process = std::make_unique<QProcess>();
        if (!folder.empty()) process->setWorkingDirectory(QString::fromStdString(folder));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("CORVESSA_REPORT_STATE"), QStringLiteral("1"));
        // A runtime and temporary folder of its own: the single-instance lock
        // and socket meet no other copy on the machine.
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString::fromStdString(runtime_.Path()));
        environment.insert(QStringLiteral("TMPDIR"), QString::fromStdString(runtime_.Path()));
        process->setProcessEnvironment(environment);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(QString::fromStdString(kUsr) + program, arguments);
        EXPECT_TRUE(process->waitForStarted(5000));
        return process;
    }
    // The next line the program prints, or "" if none comes in time.
    static QString NextLine(QProcess& process) {
        while (!process.canReadLine())
            if (!process.waitForReadyRead(20000)) return QString();
        return QString::fromLocal8Bit(process.readLine()).trimmed();
    }
    static bool Ends(QProcess& process, int code) {
        return process.waitForFinished(20000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == code;
    }
    QString Photo(const char* name, int width, int height) {
        WriteBmpFile(RandomBitmap(width, height, 3), photos_.File(name));
        return QString::fromStdString(photos_.File(name));
    }

    TempDir runtime_, photos_;
};

TEST_F(InstalledPrograms, TheRendererFindsTheInstalledLookPack) {
    const QString photo = Photo("photo.bmp", 64, 48);
    for (const char* look : {"Light A:3", "Edge A:2", "Color:7"}) {
        const std::string installed = photos_.File("installed.bmp"), built = photos_.File("built.bmp");
        auto run = Start(QStringLiteral("/bin/corvessa-render"),
                         {QStringLiteral("--look"), QString::fromLatin1(look), photo, QString::fromStdString(installed)});
        ASSERT_TRUE(Ends(*run, 0)) << look;
        QProcess reference;
        reference.start(QStringLiteral(CORVESSA_RENDER_PATH),
                        {QStringLiteral("--pic"), QStringLiteral(CORVESSA_BUILT_PICTURES), QStringLiteral("--look"),
                         QString::fromLatin1(look), photo, QString::fromStdString(built)});
        ASSERT_TRUE(Ends(reference, 0)) << look;
        EXPECT_EQ(Slurp(installed), Slurp(built)) << look;
    }
}

// The installed programs find their translations: each language's help
// text differs from the English, and the help pages ship beside them.
TEST_F(InstalledPrograms, BothProgramsSpeakEachShippedLanguage) {
    const auto help = [this](const char* program, const char* language) {
        qputenv("LANGUAGE", language);
        auto run = Start(QString::fromLatin1(program), {QStringLiteral("--help")});
        EXPECT_TRUE(Ends(*run, 0)) << program << " " << language;
        qputenv("LANGUAGE", "en");
        return run->readAllStandardOutput();
    };
    for (const char* program : {"/bin/corvessa", "/bin/corvessa-render"}) {
        const QByteArray english = help(program, "en");
        for (const char* language : {"de", "fr", "es", "it", "pt_BR", "ja"}) {
            EXPECT_NE(help(program, language), english) << program << " " << language;
            EXPECT_TRUE(fs::is_regular_file(kUsr + "/share/corvessa/help_" + language + ".html")) << language;
        }
    }
}

// WebP is written and read by the installed codec helper.
TEST_F(InstalledPrograms, TheRendererWritesAndReadsThroughTheInstalledCodecHelper) {
    const QString photo = Photo("photo.bmp", 40, 30), webp = QString::fromStdString(photos_.File("photo.webp"));
    auto write = Start(QStringLiteral("/bin/corvessa-render"), {QStringLiteral("--filter"), QStringLiteral("Invert"), photo, webp});
    ASSERT_TRUE(Ends(*write, 0));
    auto read = Start(QStringLiteral("/bin/corvessa-render"),
                      {QStringLiteral("--filter"), QStringLiteral("Invert"), webp,
                       QString::fromStdString(photos_.File("again.bmp"))});
    ASSERT_TRUE(Ends(*read, 0));
    EXPECT_EQ(ReadPhotoFile(photos_.File("again.bmp")).Width(), 40);
}

TEST_F(InstalledPrograms, TheWindowOpensThePhotoItIsGivenAndThoseOfLaterStarts) {
    auto version = Start(QStringLiteral("/bin/corvessa"), {QStringLiteral("--version")});
    EXPECT_EQ(NextLine(*version), QStringLiteral("corvessa " CORVESSA_VERSION));
    EXPECT_TRUE(Ends(*version, 0));

    const QString first = Photo("first.bmp", 64, 48), second = Photo("second photo.bmp", 30, 20);
    auto window = Start(QStringLiteral("/bin/corvessa"), {first});
    EXPECT_EQ(NextLine(*window), QStringLiteral("started 64x48 ") + first);

    // A name relative to the later start's own folder, not the window's.
    auto handing = Start(QStringLiteral("/bin/corvessa"), {QStringLiteral("second photo.bmp")}, photos_.Path());
    EXPECT_TRUE(Ends(*handing, 0));
    EXPECT_EQ(NextLine(*window), QStringLiteral("opened 30x20 ") + second);

    auto raising = Start(QStringLiteral("/bin/corvessa"), {});
    EXPECT_TRUE(Ends(*raising, 0));
    EXPECT_EQ(NextLine(*window), QStringLiteral("raised 30x20 ") + second);

    window->terminate();
    EXPECT_TRUE(window->waitForFinished(10000));
}

}  // namespace
