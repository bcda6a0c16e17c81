#pragma once
// TPhotoPane: the main window's photo and what it says about it. The photo
// area (FlatPanel3) with its zoomable view of the working photo, fitted to
// the area; the status line under the tools (the photo's size, the zoom and
// for a few seconds what just happened) and the window's title; and the
// busy sign of the window's background jobs, a line saying what runs with
// its Cancel, shown once a job has run for a moment.

#include <QObject>
#include <QSize>
#include <QString>
#include <functional>
#include <vector>

class QLabel;
class QPushButton;
class QTimer;
class QWidget;

namespace corvessa {

class PhotoSession;
class TBitmap;
class TFlatPanel;
class TImageView;
struct SessionChange;

class TPhotoPane : public QObject {
    Q_OBJECT
public:
    // Its lines and Cancel in the tool column `tools`, the photo area over
    // the column's right part; `window` carries the title.
    TPhotoPane(QWidget& window, QWidget& tools, const PhotoSession& session);

    TFlatPanel* Area() const { return area_; }
    TImageView* View() const { return view_; }

    // The view fitted to a photo of `photo`'s size: full height but three
    // pixels, the photo's aspect, centred in the area.
    void Fit(QSize photo);
    // Fitted again to the photo last fitted, for the area's new size.
    void Refit();
    // Shows `photo` stretched to the view, fitted (the start-up photo).
    void ShowStretched(const TBitmap& photo);
    // Shows what a session operation changed in the view.
    void ShowChange(const SessionChange& change);

    // The title names the photo and marks an unsaved Apply; the status line
    // gives the photo's size, the zoom and the news.
    void ShowWhereYouAre();
    // `news` (what just happened) in the status line for a few seconds.
    void Tell(const QString& news);

    // A job whose running the busy sign follows; a cancellable one shows
    // Cancel while it runs.
    void Watch(std::function<bool()> running, bool cancellable);
    // A job that says `what` has started: the sign shows once it has run
    // for a moment.
    void StartBusy(const QString& what);
    // Shows or hides the busy sign as the jobs stand.
    void UpdateBusy();

signals:
    // Cancel under the busy line.
    void CancelPressed();

private:
    struct Watched {
        std::function<bool()> running;
        bool cancellable;
    };

    QWidget& window_;
    const PhotoSession& session_;
    QLabel* labelBusy_ = nullptr;
    QLabel* labelStatus_ = nullptr;
    QPushButton* btnCancelJob_ = nullptr;
    TFlatPanel* area_ = nullptr;
    TImageView* view_ = nullptr;
    QTimer* busyDelay_ = nullptr;
    QTimer* newsTimer_ = nullptr;
    QString news_;
    QSize fittedPhoto_;  // the size of the photo the view was last fitted to
    std::vector<Watched> jobs_;
};

}  // namespace corvessa
