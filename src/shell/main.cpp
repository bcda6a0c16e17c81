// Corvessa: puts ready-made looks on one photo.

#include <QCoreApplication>

#include "shell/application.h"
#include "shell/dialogs.h"
#include "shell/form_main.h"
#include "shell/single_instance.h"

int main(int argc, char** argv) {
    corvessa::CorvessaApplication app(argc, argv);

    // Before any window: a second copy hands over to the first and ends.
    corvessa::SingleInstanceGuard guard;
    if (!guard.IsFirstInstance()) return 0;

    const std::string appDir = QCoreApplication::applicationDirPath().toStdString() + "/";
    corvessa::TFormMain formMain(appDir, nullptr);
    guard.SetRaiseHandler([&formMain] { corvessa::RaiseWindow(&formMain); });
    QObject::connect(&formMain, &corvessa::TFormMain::FormClosed, &app, &QCoreApplication::quit);
    formMain.show();
    return app.exec();
}
