// Corvessa: puts ready-made looks on one photo.

#include <QCoreApplication>
#include <QIcon>
#include <cstdio>

#include "io/program_files.h"
#include "session/language.h"
#include "shell/application.h"
#include "shell/command_line.h"
#include "shell/dialogs.h"
#include "shell/form_main.h"
#include "shell/remembered.h"
#include "shell/single_instance.h"

namespace {

int Finish(const corvessa::CommandLine& command) {
    std::fputs(command.message.toLocal8Bit().constData(), *command.exitCode == 0 ? stdout : stderr);
    return *command.exitCode;
}

// With CORVESSA_REPORT_STATE set, the window says on standard output what
// it holds after start-up and after every request of a later start, one
// line each: the event ("started", "opened", "raised"), the working
// photo's size and the photo last opened or saved ("sample" before any).
// The tests of the installed program read the window's state through it.
void ReportState(corvessa::TFormMain& form, const char* event) {
    static const bool wanted = qEnvironmentVariableIsSet("CORVESSA_REPORT_STATE");
    if (!wanted) return;
    const std::string& photo = form.PhotoPath();
    std::printf("%s %dx%d %s\n", event, form.WorkPhoto().Width(), form.WorkPhoto().Height(),
                photo.empty() ? "sample" : photo.c_str());
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("corvessa"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CORVESSA_VERSION));
    {
        // --help and --version answer before the window application exists,
        // so also where there is no display.
        QCoreApplication reading(argc, argv);
        corvessa::InstallUserLanguage();
        const corvessa::CommandLine early = corvessa::ReadCommandLine(QCoreApplication::arguments());
        if (early.exitCode == 0) return Finish(early);
    }
    // Takes Qt's own options (-platform, -style, ...) out of the command line.
    corvessa::CorvessaApplication app(argc, argv);
    corvessa::InstallUserLanguage();
    const corvessa::CommandLine command = corvessa::ReadCommandLine(QCoreApplication::arguments());
    if (command.exitCode) return Finish(command);
    QGuiApplication::setDesktopFileName(QStringLiteral(CORVESSA_APP_ID));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(CORVESSA_APP_ID)));

    // Before any window: a second copy hands over to the first and ends.
    corvessa::SingleInstanceGuard guard(QString::fromLatin1(corvessa::kSingleInstanceName), command.photo);
    if (!guard.IsFirstInstance()) return 0;

    corvessa::TFormMain formMain(corvessa::ProgramFilesFolder(), nullptr, QSize(),
                                 std::make_unique<corvessa::Remembered>());
    guard.SetRaiseHandler([&formMain] {
        corvessa::RaiseWindow(&formMain);
        ReportState(formMain, "raised");
    });
    // Photos are read off the window's thread: the state is reported once
    // the photo shows.
    const auto reportWhenOpened = [&formMain](const char* event) {
        QObject::connect(&formMain, &corvessa::TFormMain::OpenFinished, &formMain,
                         [&formMain, event] { ReportState(formMain, event); }, Qt::SingleShotConnection);
    };
    guard.SetOpenHandler([&formMain, reportWhenOpened](const QString& photo) {
        // In front first, so that the question before replacing an edit,
        // or a photo that fails to read, shows over the window.
        corvessa::RaiseWindow(&formMain);
        reportWhenOpened("opened");
        formMain.OpenPhoto(photo.toStdString());
    });
    QObject::connect(&formMain, &corvessa::TFormMain::FormClosed, &app, &QCoreApplication::quit);
    formMain.show();
    // In place of the sample photo, as Open opens it: a photo that fails to
    // read is reported over the window, and the sample stays.
    if (command.photo.isEmpty()) {
        ReportState(formMain, "started");
    } else {
        reportWhenOpened("started");
        formMain.OpenPhoto(command.photo.toStdString());
    }
    return app.exec();
}
