#pragma once
// The window program's command line: `corvessa [FILE]`, --help, --version.

#include <QString>
#include <QStringList>
#include <optional>

namespace corvessa {

struct CommandLine {
    // The photo to open in place of the sample, as an absolute path.
    QString photo;
    // Set when the program is to end at once: after --help or --version
    // (0, `message` for standard output) or a command line that makes no
    // sense (2, `message` for standard error).
    std::optional<int> exitCode;
    QString message;
};

// Reads `arguments` (the program's name first). The usage text names the
// program as QCoreApplication's arguments do, so an application object
// must exist.
CommandLine ReadCommandLine(const QStringList& arguments);

}  // namespace corvessa
