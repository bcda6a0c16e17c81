#pragma once
// TLooksStrip: the main window's strip of ten thumbnails under the photo
// (FlatPanel2), each a look on the photo: a category's, drawn by the
// catalogue, or a page of My Looks. Small, the design's two rows of 105 x
// 105 thumbnails with their numbers; large (the "Large looks" box under the
// tools, or its key), each look's full render of the photo scaled to a box that
// grows with the strip, its name below. The thumbnails are drawn off the
// window's thread and show as they come; a later strip supersedes one still
// drawing. Tab and the action table's keys move between the thumbnails and
// open the one framed.

#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/catalogue.h"
#include "ground/bitmap.h"
#include "io/user_looks.h"
#include "shell/window_job.h"

class QCheckBox;
class QLabel;
class QThreadPool;
class QTimer;
class QWidget;

namespace corvessa {

class MyLooks;
class PhotoSession;
class ShellDialogs;
class StripJob;
class TFlatPanel;
class TImageView;
class TPhotoPane;

inline constexpr int kThumbnailCount = kEffectCount;
// The hint of every thumbnail, before the name of its look.
inline constexpr char kThumbnailHint[] =
    QT_TRANSLATE_NOOP("TFormMain", "Click the small photo  to preveiw and apply this effect.");

// What a strip running off the window's thread hands over as it goes:
// thumbnails (n, picture) to show, then whether to repaint the strip at
// once, or how to leave the Change Color button.
struct StripEvent {
    std::vector<std::pair<int, std::shared_ptr<const TBitmap>>> thumbnails;
    bool repaint = false;
    std::optional<bool> changeColorButton;
};

class TLooksStrip : public QObject {
    Q_OBJECT
public:
    // The strip panel and its thumbnails in `window`; the strips run in
    // `pool` with the threads `rowThreads` gives.
    TLooksStrip(QWidget& window, PhotoSession& session, const MyLooks& myLooks, ShellDialogs& dialogs,
                TPhotoPane& pane, QThreadPool& pool, std::function<int()> rowThreads);
    // The "Large looks" box in the tool column `tools`.
    void CreateLargeLooksBox(QWidget& tools);
    // The hint shown in place of the thumbnails (an empty My Looks).
    void CreateHint(const QString& text);

    TFlatPanel* Panel() const { return panel_; }
    TImageView* View(int n) const { return views_[size_t(n - 1)]; }  // n = 1 .. 10
    QLabel* Label(int n) const { return labels_[size_t(n - 1)]; }
    // Whether thumbnails show (or the first of them, at least).
    bool Shown() const;

    bool Large() const { return large_; }
    // Large or small from now on, the box ticked to match.
    void SetLarge(bool on);
    // Thumbnail n (1..10) and its label where the strip's kind puts them.
    void Place(int n);
    void PlaceAll();
    // The panel has a new size: large thumbnails are placed again, and
    // drawn again once the resizing pauses.
    void PanelResized();
    // Hides the thumbnails, their labels and the hint.
    void Invisible();
    void ShowHint(bool shown);

    // Draws the strip of `job` (a category's).
    void DrawCategory(std::shared_ptr<StripJob> job);
    // Draws the thumbnails of My Looks `shown` on `work`; `done` gets the
    // tables the thumbnails read once they are all shown.
    void DrawMyLooks(std::shared_ptr<const TBitmap> work, std::vector<UserLook> shown,
                     std::function<void(const std::vector<UserLook>&, const std::vector<std::shared_ptr<const PreparedLut>>&)> done);
    bool Drawing() const { return job_.Running(); }
    // The strip drawing is dropped: what it has not shown is never shown.
    void Drop() { job_.Drop(); }

signals:
    void ThumbnailClicked(int n);
    // A strip ended: its thumbnails show, or its failure was reported.
    void Finished();
    // The strip's rule for the preview's Change Color button.
    void ChangeColorButton(bool shown);
    // The "Large looks" box was ticked or cleared.
    void LargeToggled(bool on);
    // Large thumbnails drawn for another box size show: they want drawing
    // again.
    void RedrawWanted();

protected:
    // A thumbnail's keys (the action table's own keys of the main window)
    // move the focus to its neighbour or open it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Runs `fill` (which returns an error to show, or "") off the window's
    // thread, showing what it hands over; `done` runs once it has ended.
    void Draw(std::function<std::string(QPromise<StripEvent>&)> fill, std::function<void()> done, const QString& busy);
    // The side a strip started now draws its large thumbnails at, in device
    // pixels; 0 for the small strip.
    int StartSide();
    void ShowThumbnail(int n, const TBitmap& picture);
    // The name of look n as the strip's labels and hints give it.
    QString LookName(int n) const;

    PhotoSession& session_;
    const MyLooks& myLooks_;
    ShellDialogs& dialogs_;
    TPhotoPane& pane_;
    std::function<int()> rowThreads_;
    TFlatPanel* panel_ = nullptr;
    std::array<TImageView*, kThumbnailCount> views_{};
    std::array<QLabel*, kThumbnailCount> labels_{};
    QLabel* hint_ = nullptr;
    QCheckBox* chkLarge_ = nullptr;
    bool large_ = false;
    // The box side the large strip showing was drawn for; a resize that
    // changes it draws the strip again once the resizing pauses.
    int largeDrawnSide_ = 0;
    QTimer* largeRedraw_ = nullptr;
    WindowJob<StripEvent> job_;
};

}  // namespace corvessa
