// A stand-in for the program in the single-instance tests: it runs the
// guard under the name given as its first argument, handing over the photo
// given as its second, and reports what happened on standard output
// ("first", "second", "open PHOTO", "raised"; a raise ends a first copy).
#include <QCoreApplication>
#include <QFile>
#include <QTimer>
#include <cstdio>

#include "shell/single_instance.h"

namespace {

void Say(const char* word) {
    std::printf("%s\n", word);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) return 2;
    const QString photo = argc > 2 ? QFile::decodeName(argv[2]) : QString();
    corvessa::SingleInstanceGuard guard(QString::fromLocal8Bit(argv[1]), photo);
    if (!guard.IsFirstInstance()) {
        Say("second");
        return 0;
    }
    guard.SetRaiseHandler([] {
        Say("raised");
        QCoreApplication::quit();
    });
    guard.SetOpenHandler([](const QString& opened) { Say(("open " + QFile::encodeName(opened).toPercentEncoding()).constData()); });
    Say("first");
    QTimer::singleShot(30000, [] { QCoreApplication::exit(3); });  // never linger after a failed test
    return app.exec();
}
