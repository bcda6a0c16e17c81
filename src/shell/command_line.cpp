#include "shell/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

namespace corvessa {

namespace {

// Two texts of Qt's parser that Qt's own translations lack in some of our
// languages; ours answer where Qt's have nothing.
[[maybe_unused]] const char* const kParserTexts[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options."),
};

}  // namespace

CommandLine ReadCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // Qt's own one-dash options (-reverse, -style) are words, not letters:
    // read before the application takes them out, "-reverse" is no "-v".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate("CommandLine", "Puts ready-made looks on a photo."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("FILE"), QCoreApplication::translate("CommandLine", "The photo to open in place of the sample photo."),
        QStringLiteral("[FILE]"));

    CommandLine result;
    const QString tryHelp = QCoreApplication::translate("CommandLine", "Try 'corvessa --help'.") + QLatin1Char('\n');
    // The parser goes on past an unknown option, so --help and --version
    // answer whatever else the line holds.
    const bool parsed = parser.parse(arguments);
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        result.exitCode = 0;
        result.message = parser.helpText();
    } else if (parser.isSet(version)) {
        result.exitCode = 0;
        result.message = QStringLiteral("corvessa %1\n").arg(QStringLiteral(CORVESSA_VERSION));
    } else if (!parsed) {
        result.exitCode = 2;
        result.message = QStringLiteral("corvessa: %1\n").arg(parser.errorText()) + tryHelp;
    } else if (parser.positionalArguments().size() > 1) {
        result.exitCode = 2;
        const QString why = QCoreApplication::translate("CommandLine", "one photo at a time, not %1")
                                .arg(parser.positionalArguments().size());
        result.message = QStringLiteral("corvessa: %1\n").arg(why) + tryHelp;
    } else if (!parser.positionalArguments().isEmpty()) {
        // Absolute, so that a first copy running in another folder finds it.
        result.photo = QFileInfo(parser.positionalArguments().first()).absoluteFilePath();
    }
    return result;
}

}  // namespace corvessa
