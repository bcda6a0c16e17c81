#include "session/language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "io/program_files.h"

namespace corvessa {

namespace {

// "de_DE.UTF-8@euro" → "de_DE"; the encoding and modifier name no file.
QString LocaleName(QString locale) {
    for (const QChar end : {QLatin1Char('.'), QLatin1Char('@')}) {
        const qsizetype at = locale.indexOf(end);
        if (at >= 0) locale.truncate(at);
    }
    return locale;
}

// The application keeps the language installed, for the files that come
// in one per language.
constexpr char kLanguageProperty[] = "corvessaLanguage";

bool IsEnglish(const QString& name) {
    return name == QLatin1String("C") || name == QLatin1String("POSIX") || name == QLatin1String("en") ||
           name.startsWith(QLatin1String("en_"));
}

// A translator that is handed to the application and stays for its life.
bool Load(const QString& file, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file, folder)) return QCoreApplication::installTranslator(translator);
    delete translator;
    return false;
}

}  // namespace

LanguageEnvironment LanguageEnvironmentOfProcess() {
    return {qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"), qEnvironmentVariable("LC_MESSAGES"),
            qEnvironmentVariable("LANG")};
}

QStringList WantedLanguages(const LanguageEnvironment& environment) {
    QStringList names;
    if (!environment.language.isEmpty()) {
        names = environment.language.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    } else {
        for (const QString* locale : {&environment.lcAll, &environment.lcMessages, &environment.lang}) {
            if (locale->isEmpty()) continue;
            names = {*locale};
            break;
        }
    }
    QStringList wanted;
    for (const QString& given : names) {
        const QString name = LocaleName(given);
        if (IsEnglish(name)) break;
        if (name.isEmpty()) continue;
        wanted << name;
        const qsizetype territory = name.indexOf(QLatin1Char('_'));
        if (territory > 0) wanted << name.left(territory);
    }
    wanted.removeDuplicates();
    return wanted;
}

QString InstallTranslations(const QStringList& wanted, const std::string& translationsFolder) {
    const QString folder = QString::fromStdString(translationsFolder);
    for (const QString& language : wanted) {
        if (!Load(QLatin1String("corvessa_") + language, folder)) continue;
        // Qt's own dialogs (Open, Save, the colour picker, the buttons of
        // message boxes) in the same language, where Qt has them.
        Load(QLatin1String("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        QLocale::setDefault(QLocale(language));
        QCoreApplication::instance()->setProperty(kLanguageProperty, language);
        return language;
    }
    return QString();
}

QString InstallUserLanguage() {
    return InstallTranslations(WantedLanguages(LanguageEnvironmentOfProcess()), ProgramFilesFolder() + "translations");
}

std::string InLanguage(const std::string& path) {
    const QString english = QString::fromStdString(path);
    const qsizetype dot = english.lastIndexOf(QLatin1Char('.'));
    if (dot < 0) return path;
    const QCoreApplication* application = QCoreApplication::instance();
    const QString name = application ? application->property(kLanguageProperty).toString() : QString();
    if (name.isEmpty()) return path;
    for (const QString& language : {name, name.section(QLatin1Char('_'), 0, 0)}) {
        const QString translated = english.left(dot) + QLatin1Char('_') + language + english.mid(dot);
        if (QFileInfo::exists(translated)) return translated.toStdString();
    }
    return path;
}

}  // namespace corvessa
