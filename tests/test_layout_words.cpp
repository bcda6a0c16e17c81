// Every window in every language the build has a translation for (and in
// English): no text wider than its control, no two controls over each
// other. CTest runs it again at twice the pixels (QT_SCALE_FACTOR=2),
// where the fonts' widths round differently.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTranslator>
#include <map>

#include "shell/skin.h"
#include "test_support.h"
#include "window_checks.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

// Language → its corvessa_LANG.qm, from every translations folder of the build.
std::map<QString, QString> Translations() {
    std::map<QString, QString> found;
    for (const char* folder : {CORVESSA_PROGRAM_TRANSLATIONS, CORVESSA_BUILD_TRANSLATIONS})
        for (const QFileInfo& file : QDir(QString::fromUtf8(folder)).entryInfoList({QStringLiteral("corvessa_*.qm")}, QDir::Files))
            found.emplace(file.completeBaseName().mid(int(qstrlen("corvessa_"))), file.absoluteFilePath());
    return found;
}

class LayoutWords : public testing::Test {
protected:
    void SetUp() override { MakeWindowFolder(dir_.Path() + "/"); }
    void TearDown() override { SkinRemove(); }

    // The windows in `language` (English with no file), every fault named.
    void CheckWindows(const QString& language, const QString& file) {
        QTranslator translator;
        if (!file.isEmpty()) {
            ASSERT_TRUE(translator.load(file)) << file.toStdString();
            QCoreApplication::installTranslator(&translator);
        }
        int windows = 0;
        VisitWindows(dir_.Path() + "/", [&](const QString& name, QWidget& window) {
            ++windows;
            const std::string where = (language + u' ' + name).toStdString();
            for (const std::string& cut : TextsCut(window)) ADD_FAILURE() << where << ": text cut: " << cut;
            for (const std::string& overlap : Overlaps(window)) ADD_FAILURE() << where << ": overlap: " << overlap;
        });
        EXPECT_GE(windows, 10) << language.toStdString();
        QCoreApplication::removeTranslator(&translator);
    }

    TempDir dir_;
};

TEST_F(LayoutWords, EveryTextFitsItsControlInEnglish) { CheckWindows(QStringLiteral("en"), QString()); }

// The high-contrast frames take room of their own.
TEST_F(LayoutWords, EveryTextFitsItsControlInHighContrast) {
    qputenv("GTK_THEME", "HighContrast");
    CheckWindows(QStringLiteral("en, high contrast"), QString());
    qunsetenv("GTK_THEME");
}

TEST_F(LayoutWords, EveryTextFitsItsControlInEveryTranslation) {
    const std::map<QString, QString> translations = Translations();
    if (translations.empty()) GTEST_SKIP() << "no corvessa_*.qm in " << CORVESSA_PROGRAM_TRANSLATIONS;
    for (const auto& [language, file] : translations) CheckWindows(language, file);
}

}  // namespace
