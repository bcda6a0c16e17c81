// The user's language: which one the environment asks for, the messages of
// the layers below translated whole, and the shipped translations complete.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "batch/name_pattern.h"
#include "ground/error.h"
#include "io/cube_file.h"
#include "io/photo_files.h"
#include "session/language.h"
#include "session/words.h"
#include "test_support.h"

namespace corvessa {
namespace {

using test::TempDir;

TEST(WantedLanguages, FollowTheEnvironmentAsDesktopProgramsDo) {
    struct Case {
        LanguageEnvironment environment;
        QStringList wanted;
    };
    const Case cases[] = {
        {{"", "", "", ""}, {}},
        {{"", "", "", "de_DE.UTF-8"}, {"de_DE", "de"}},
        {{"", "", "", "pt_BR.UTF-8@latin"}, {"pt_BR", "pt"}},
        {{"", "", "fr_FR.UTF-8", "de_DE.UTF-8"}, {"fr_FR", "fr"}},
        {{"", "ja_JP.UTF-8", "fr_FR.UTF-8", "de_DE.UTF-8"}, {"ja_JP", "ja"}},
        {{"", "C", "", "de_DE.UTF-8"}, {}},
        {{"", "", "", "C.UTF-8"}, {}},
        {{"", "", "", "POSIX"}, {}},
        // LANGUAGE lists the languages in order, and outranks the locale.
        {{"it:de", "", "", "fr_FR.UTF-8"}, {"it", "de"}},
        {{"de", "", "", "C.UTF-8"}, {"de"}},
        {{"es_MX:es", "", "", ""}, {"es_MX", "es"}},
        // English is the program's own: nothing after it is looked for.
        {{"en_GB:de", "", "", ""}, {}},
        {{"fr::en:de", "", "", ""}, {"fr"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WantedLanguages(c.environment), c.wanted)
            << "LANGUAGE=" << c.environment.language.toStdString() << " LC_ALL=" << c.environment.lcAll.toStdString()
            << " LANG=" << c.environment.lang.toStdString();
}

// Marks every text it is asked for, so a test sees which parts of a
// message went through a translation: "[Cannot open file %1: %2]".
class MarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        return QLatin1Char('[') + QString::fromUtf8(source) + QLatin1Char(']');
    }
};

// The text of the CorvessaError `work` throws.
template <class Work>
std::string MessageOf(Work work) {
    try {
        work();
    } catch (const std::exception& error) {
        return error.what();
    }
    ADD_FAILURE() << "no error";
    return "";
}

class MessageWordsTest : public ::testing::Test {
protected:
    TempDir dir_;
};

TEST_F(MessageWordsTest, EnglishComesBackByteForByte) {
    for (const std::string message : {std::string("Cannot open file /a b/c.jpg: No such file or directory"),
                                      std::string("The HEIC reader failed \u2014 /x/y.heic"),
                                      std::string("LUT file is not valid: line 3: two numbers are wanted \u2014 a.cube"),
                                      std::string("something no pattern knows: 50%1 \u2014 "), std::string()})
        EXPECT_EQ(MessageWords(message).toStdString(), message);
}

TEST_F(MessageWordsTest, MessagesOfTheLayersBelowAreTranslatedWholeAndPathsKept) {
    const std::string missing = dir_.File("none.jpg");
    const std::string cube = dir_.File("bad.cube");
    std::ofstream(cube) << "LUT_3D_SIZE 2\n0 0\n";
    const std::string text = dir_.File("text.jpg");
    std::ofstream(text) << "hello";
    const std::string messages[] = {
        MessageOf([&] { ReadPhotoFile(missing); }),
        MessageOf([&] { ReadCubeLutFile(cube); }),
        MessageOf([&] { ReadPhotoFile(text); }),
        MessageOf([] { batch::NamePattern("a{x}"); }),
        MessageOf([] { batch::NamePattern(""); }),
        NotEnoughMemoryToSave("HEIC").what(),
    };
    MarkingTranslator marking;
    QCoreApplication::installTranslator(&marking);
    for (const std::string& message : messages) {
        const QString translated = MessageWords(message);
        // The whole is one marked pattern, what went into it translated in
        // turn; the paths stay as they were.
        EXPECT_TRUE(translated.startsWith(QLatin1Char('[')) && translated.endsWith(QLatin1Char(']')))
            << message << " -> " << translated.toStdString();
        EXPECT_FALSE(translated.contains(QLatin1String("%1"))) << translated.toStdString();
        for (const std::string& path : {missing, cube, text})
            if (message.find(path) != std::string::npos)
                EXPECT_TRUE(translated.contains(QString::fromStdString(path))) << translated.toStdString();
    }
    EXPECT_EQ(MessageWords(messages[0]).toStdString(),
              "[Cannot open file " + missing + ": [No such file or directory]]");
    // libjpeg's words inside ours, inside the naming of the file.
    EXPECT_EQ(MessageWords(messages[2]).toStdString(),
              "[[JPEG error #53: [Not a JPEG file: starts with 0x68 0x65]] \u2014 " + text + "]");
    EXPECT_EQ(MessageWords(messages[4]).toStdString(), "[The name pattern is empty]");
    EXPECT_EQ(MessageWords(messages[5]).toStdString(), "[Not enough memory to save as HEIC]");
    QCoreApplication::removeTranslator(&marking);
}

// The placeholders of a text: %1 … %9, %n, %L1.
std::string Placeholders(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%L?[0-9n]"));
    QStringList found;
    for (auto it = placeholder.globalMatch(text); it.hasNext();) found << it.next().captured();
    found.sort();
    found.removeDuplicates();
    return found.join(QLatin1Char(' ')).toStdString();
}

// Each shipped translation is finished, keeps every placeholder, and loads.
TEST(ShippedTranslations, AreFinishedKeepTheirPlaceholdersAndLoad) {
    const QDir sources(QStringLiteral(CORVESSA_I18N_DIR));
    const QStringList files = sources.entryList({QStringLiteral("corvessa_*.ts")}, QDir::Files);
    ASSERT_GE(files.size(), 6);
    for (const QString& name : files) {
        QFile file(sources.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString source, context;
        int messages = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            if (xml.name() == QLatin1String("name")) context = xml.readElementText();
            if (xml.name() == QLatin1String("source")) source = xml.readElementText();
            if (xml.name() != QLatin1String("translation")) continue;
            ++messages;
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            const bool plural = source.contains(QLatin1String("%n"));
            QStringList translations;
            if (plural) {
                while (xml.readNextStartElement()) translations << xml.readElementText();
            } else {
                translations << xml.readElementText();
            }
            const std::string where = name.toStdString() + " [" + context.toStdString() + "] " + source.toStdString();
            EXPECT_TRUE(type.isEmpty()) << where << ": " << type.toStdString();
            for (const QString& translation : translations) {
                EXPECT_FALSE(translation.isEmpty()) << where;
                EXPECT_EQ(Placeholders(translation), Placeholders(source)) << where << " -> " << translation.toStdString();
            }
        }
        EXPECT_FALSE(xml.hasError()) << name.toStdString() << ": " << xml.errorString().toStdString();
        EXPECT_GT(messages, 300) << name.toStdString();
        QTranslator translator;
        EXPECT_TRUE(translator.load(QFileInfo(name).completeBaseName(), QStringLiteral(CORVESSA_TRANSLATIONS_DIR)))
            << name.toStdString();
    }
}

// Every element of the English help page, in order, and the same keys: a
// translated page is not behind the English one.
TEST(ShippedTranslations, HelpPagesFollowTheEnglishOne) {
    const auto read = [](const QString& path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        return QString::fromUtf8(file.readAll());
    };
    const auto shape = [](const QString& page) {
        static const QRegularExpression tag(QStringLiteral("<(/?[a-zA-Z0-9]+)|<kbd>([^<]*)</kbd>"));
        QStringList found;
        for (auto it = tag.globalMatch(page); it.hasNext();) found << it.next().captured();
        return found;
    };
    const QStringList english = shape(read(QStringLiteral(CORVESSA_ENGLISH_HELP)));
    const QDir sources(QStringLiteral(CORVESSA_I18N_DIR));
    const QStringList pages = sources.entryList({QStringLiteral("help_*.html")}, QDir::Files);
    EXPECT_GE(pages.size(), 6);
    for (const QString& page : pages) {
        const QStringList translated = shape(read(sources.filePath(page)));
        EXPECT_EQ(translated, english) << page.toStdString();
    }
}

TEST(ShippedTranslations, InstallWithQtsOwnAndChooseTheHelpPage) {
    const std::string folder = CORVESSA_TRANSLATIONS_DIR;
    EXPECT_EQ(InstallTranslations({"xx", "pt_BR", "pt"}, folder), QStringLiteral("pt_BR"));
    // Qt's own buttons in the same language.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancelar"));
    EXPECT_NE(Words("Looks", "Light A"), QStringLiteral("Light A"));

    TempDir dir;
    std::ofstream(dir.File("help.html")) << "en";
    EXPECT_EQ(InLanguage(dir.File("help.html")), dir.File("help.html"));
    std::ofstream(dir.File("help_pt.html")) << "pt";
    EXPECT_EQ(InLanguage(dir.File("help.html")), dir.File("help_pt.html"));
    std::ofstream(dir.File("help_pt_BR.html")) << "pt_BR";
    EXPECT_EQ(InLanguage(dir.File("help.html")), dir.File("help_pt_BR.html"));
}

}  // namespace
}  // namespace corvessa

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
