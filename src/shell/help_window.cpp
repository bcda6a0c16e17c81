#include "shell/help_window.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <filesystem>

#include "ground/error.h"
#include "shell/accessible_names.h"
#include "shell/dialogs.h"
#include "shell/single_instance.h"

namespace corvessa {

THelpWindow::THelpWindow(QWidget* owner) : QWidget(owner, Qt::Window), browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Corvessa Help"));
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    // Links out of the page go to the desktop, if it can take them.
    browser_->setOpenExternalLinks(true);
    resize(640, 600);
    NameControls(*this);
}

void THelpWindow::ShowPage(const std::string& path) {
    browser_->setSource(QUrl::fromLocalFile(QString::fromStdString(path)));
    // First shown over the middle of its owner; then where the user leaves it.
    if (!placed_ && parentWidget()) move(parentWidget()->frameGeometry().center() - rect().center());
    placed_ = true;
    RaiseWindow(this);
}

void ShowHelpPage(QWidget& owner, ShellDialogs& dialogs, const std::string& path) {
    Guarded(dialogs, [&] {
        std::error_code ec;
        if (!std::filesystem::is_regular_file(path, ec)) throw CannotOpenFile(path, "No such file or directory");
        // Where the desktop has no program for the page, the window shows it.
        dialogs.OpenWithDesktop(path, [owner = &owner, path] {
            auto* window = owner->findChild<THelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
            if (!window) window = new THelpWindow(owner);
            window->ShowPage(path);
        });
    });
}

}  // namespace corvessa
