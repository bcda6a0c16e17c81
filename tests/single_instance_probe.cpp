// A stand-in for the program in the single-instance tests: it runs the
// guard under the name given as its argument and reports what happened on
// standard output ("first", "second", "raised").
#include <QCoreApplication>
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
    corvessa::SingleInstanceGuard guard(QString::fromLocal8Bit(argv[1]));
    if (!guard.IsFirstInstance()) {
        Say("second");
        return 0;
    }
    guard.SetRaiseHandler([] {
        Say("raised");
        QCoreApplication::quit();
    });
    Say("first");
    QTimer::singleShot(30000, [] { QCoreApplication::exit(3); });  // never linger after a failed test
    return app.exec();
}
