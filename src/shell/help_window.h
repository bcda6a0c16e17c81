#pragma once
// THelpWindow: the help page in a window of the program's own, for a
// desktop that has no program to show it.

#include <QWidget>
#include <string>

class QTextBrowser;

namespace corvessa {

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

}  // namespace corvessa
