#pragma once
// TMyLooksView: My Looks in the main window. Its buttons below the
// category column (My Looks, Add Look..., "<" and ">" with the line saying
// which looks show), the listing of the user's tables off the window's
// thread, Add Look's copying, and the page of ten the strip shows. What
// is listed and which page shows is the model's (session/my_looks.h).

#include <QList>
#include <QObject>
#include <QUrl>
#include <functional>
#include <string>
#include <vector>

#include "session/my_looks.h"
#include "shell/window_job.h"

class QLabel;
class QPushButton;
class QWidget;

namespace corvessa {

class PhotoSession;
class Remembered;
class ShellDialogs;
class TLooksStrip;
class TPhotoPane;

// The .cube files among dropped `urls`: they become looks of the user's own.
std::vector<std::string> CubeFilesAmong(const QList<QUrl>& urls);

class TMyLooksView : public QObject {
    Q_OBJECT
public:
    // Its buttons in the category column `column`, its hint in `strip`;
    // the folder Add Look starts in is kept in `remembered` (when given).
    TMyLooksView(QWidget& column, MyLooks& model, TLooksStrip& strip, const PhotoSession& session,
                 ShellDialogs& dialogs, TPhotoPane& pane, Remembered* remembered, std::function<int()> rowThreads);

    // My Looks is offered only with a photo to show the looks on.
    void SetEnabled(bool enabled);
    // My Looks (the button): the folder listed and its page shown.
    void Show();
    // Add Look... (and its key): .cube files chosen in a file dialog are added.
    void AddLookClick();
    // Copies `files` into the user's looks (off the window's thread), then
    // shows My Looks at the page of the first one added; each file refused
    // is reported in the reader's words.
    void Add(const std::vector<std::string>& files);
    // Shows page `page` (clamped) of the listing.
    void ShowPage(int page);
    // The strip becomes a category's.
    void Leave();
    // Whether the folder is being listed (or files copied into it).
    bool Listing() const { return listing_.Running(); }
    void Drop() { listing_.Drop(); }

signals:
    // A listing ended (its page's thumbnails are drawn next).
    void Listed();
    // An empty listing showed its hint in place of a strip.
    void StripFinished();

private:
    void List(std::vector<std::string> added);
    // The paging buttons and line as the listing stands.
    void ShowControls();
    // The line under the paging buttons: "Looks 11-20 of 23".
    QString PageText() const;

    MyLooks& model_;
    TLooksStrip& strip_;
    const PhotoSession& session_;
    ShellDialogs& dialogs_;
    TPhotoPane& pane_;
    Remembered* remembered_;
    std::function<int()> rowThreads_;
    QPushButton* btnMyLooks_ = nullptr;
    QPushButton* btnAddLook_ = nullptr;
    QPushButton* btnPreviousLooks_ = nullptr;
    QPushButton* btnNextLooks_ = nullptr;
    QLabel* labelLooksPage_ = nullptr;
    WindowJob<MyLooks::Listing> listing_{this};
};

}  // namespace corvessa
