#pragma once
// THelpWindow: the help page in a window of the program's own, for a
// desktop that has no program to show it.

#include <QWidget>
#include <string>

class QTextBrowser;

namespace corvessa {

class ShellDialogs;

class THelpWindow : public QWidget {
    Q_OBJECT
public:
    // A top-level window owned by `owner`, hidden until ShowPage.
    explicit THelpWindow(QWidget* owner);

    // Loads the page at `path` and brings the window to the front.
    void ShowPage(const std::string& path);
    QTextBrowser* Browser() const { return browser_; }

private:
    QTextBrowser* browser_;
    bool placed_ = false;
};

// Help: the page at `path` shown by the desktop's own program for it, else
// in a help window of `owner`'s (made when first needed). A page that is
// not there is told about.
void ShowHelpPage(QWidget& owner, ShellDialogs& dialogs, const std::string& path);

}  // namespace corvessa
