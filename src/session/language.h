#pragma once
// The user's language, chosen as desktop programs choose it, and the
// translations both programs load for it.

#include <QString>
#include <QStringList>
#include <string>

namespace corvessa {

// The variables' values that decide the language.
struct LanguageEnvironment {
    QString language;     // LANGUAGE: languages in order of preference, by colons
    QString lcAll;        // LC_ALL
    QString lcMessages;   // LC_MESSAGES
    QString lang;         // LANG
};
LanguageEnvironment LanguageEnvironmentOfProcess();

// The languages wanted, in order of preference, each as its file names
// are tried ("pt_BR", then "pt"): LANGUAGE when set, otherwise the locale
// of LC_ALL, LC_MESSAGES or LANG, the first set. A locale of "C" or
// "POSIX", or "en", ends the list: English is the program's own.
QStringList WantedLanguages(const LanguageEnvironment& environment);

// Installs into the running QCoreApplication the first of `wanted` that
// `translationsFolder` has a corvessa_LANG.qm for, with Qt's own
// translations of the same language, and makes it the default locale.
// Returns the language installed ("" for English).
QString InstallTranslations(const QStringList& wanted, const std::string& translationsFolder);

// InstallTranslations for the language of the process's environment, from
// the translations among the program's files.
QString InstallUserLanguage();

// `path` ("…/help.html") in the language InstallTranslations installed
// when such a file exists ("…/help_de.html", "…/help_pt_BR.html" or
// "…/help_pt.html"), else `path`.
std::string InLanguage(const std::string& path);

}  // namespace corvessa
