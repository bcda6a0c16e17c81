#pragma once
// TFormMain: the main window. It shows the photo session (the photo being
// edited and its buffers) and forwards what the user does to it: start-up,
// Open, Save, Undo, Help and close. It also holds the effect browser: the
// category column fills the thumbnail strip, a thumbnail renders its
// effect at full size into the preview dialog, which it owns.

#include <QRect>
#include <QSize>
#include <QThreadPool>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/catalogue.h"
#include "ground/bitmap.h"
#include "ground/random.h"
#include "io/picture_source.h"
#include "session/photo_session.h"
#include "shell/remembered.h"
#include "shell/window_job.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTimer;

namespace corvessa {

class ShellDialogs;
enum class UnsavedChoice;
class TFlatPanel;
class TFormBatch;
class TFormPreview;
class THelpWindow;
class TImageView;
class TImgBtn;

// What a strip running off the window's thread hands over as it goes:
// thumbnails (n, picture) to show, then whether to repaint the strip at
// once, or how to leave the Change Color button.
struct StripEvent {
    std::vector<std::pair<int, std::shared_ptr<const TBitmap>>> thumbnails;
    bool repaint = false;
    std::optional<bool> changeColorButton;
};

// The names the window gives each category's button and its handler, in
// the order of the category numbers (as kCategories); the caption, the
// help line, the order of the column and which categories it shows are
// the catalogue's (kCategories, kCategoryColumn).
struct CategoryButton {
    const char* name;     // the button's object name
    const char* handler;  // the handler it runs, for whoever reads the object tree
};

inline constexpr std::array<CategoryButton, kCategoryCount> kCategoryButtons{{
    {"BtnLightA", "BtnLightAClick"},
    {"BtnLightB", "BtnLightBClick"},
    {"btnLightC", "btnLightCClick"},
    {"BtnStar", "ImgBtnStarClick"},
    {"btnAmazing", "btnAmazingClick"},
    {"BtnWeather", "BtnWeatherClick"},
    {"BtnGradient", "BtnGradientClick"},
    {"BtnColor", "ImgBtnColorClick"},
    {"BtnTexture", "BtnTextureClick"},
    {"BtnEadge", "BtnEadgeClick"},
    {"BtnEdge2", "ImgBtnEdge2Click"},
    {"BtnDreamA", "BtnDreamAClick"},
    {"btnDreamB", "btnDreamBClick"},
    {"BtnLine", "BtnLineClick"},  // a button nothing shows
    {"BtnArt", "ImgBtnArtClick"},
    {"BtnPreset", "BtnPresetClick"},
    {"BtnFilm", "BtnFilmClick"},
}};
// The button of category `number` (1..17).
constexpr const CategoryButton& ButtonOf(int number) { return kCategoryButtons[size_t(number - 1)]; }

// Where a category's button lies in the column: 28 pixels apart from the
// top; a button the column does not show lies at the column's foot.
constexpr int CategoryButtonTop(int category) {
    const int place = ColumnPlace(category);
    return place < 0 ? 464 : 28 + 28 * place;
}

// My Looks lies below the column's last button, whatever the column holds.
inline constexpr int kMyLooksButtonTop = 28 + 28 * int(kCategoryColumn.size());

inline constexpr int kThumbnailCount = kEffectCount;
// The hint of every thumbnail, before the name of its look.
inline constexpr char kThumbnailHint[] = "Click the small photo  to preveiw and apply this effect.";

// "Saved photo.jpg, 3.1 MB" for the file just written to `path`.
QString SavedNews(const std::string& path);

class TFormMain : public QWidget {
    Q_OBJECT
public:
    // `appDir` is the program's folder with a trailing '/'; every file the
    // program ships with is found under it. `screen` is the screen size the
    // window lays itself out for (the primary screen's when empty).
    // `remembered`, when given, is what the windows keep between runs
    // (their places, the folders, the last category); without it every
    // run starts as the first.
    TFormMain(std::string appDir, std::unique_ptr<ShellDialogs> dialogs, QSize screen = QSize(),
              std::unique_ptr<Remembered> remembered = nullptr);
    ~TFormMain() override;

    const std::string& AppDir() const { return appDir_; }

    // The photo being edited, its four buffers and the browser's state.
    PhotoSession& Session() { return session_; }
    const PhotoSession& Session() const { return session_; }
    const TBitmap& WorkPhoto() const { return session_.WorkPhoto(); }
    const TBitmap& UndoPhoto() const { return session_.UndoPhoto(); }
    const TBitmap& ResultPhoto() const { return session_.ResultPhoto(); }
    SharedBitmap& WorkPhotoBuffer() { return session_.WorkPhotoBuffer(); }
    SharedBitmap& UndoPhotoBuffer() { return session_.UndoPhotoBuffer(); }
    SharedBitmap& ResultPhotoBuffer() { return session_.ResultPhotoBuffer(); }
    TBitmap& ThumbPhoto() { return session_.ThumbPhotoBuffer(); }

    TImageView* ImgEffect() const { return imgEffect_; }
    TImgBtn* BtnUndo() const { return btnUndo_; }
    TFlatPanel* FlatPanel2() const { return flatPanel2_; }
    TFlatPanel* FlatPanel3() const { return flatPanel3_; }  // the photo area
    // n = 1 .. 10
    TImageView* ImgView(int n) const { return imgViews_[size_t(n - 1)]; }
    QLabel* Label(int n) const { return labels_[size_t(n - 1)]; }

    const PhotoMetadata& Metadata() const { return session_.Metadata(); }
    // The photo opened or saved last, where the file dialogs start.
    const std::string& PhotoPath() const { return session_.PhotoPath(); }
    bool HasUnsavedApply() const { return session_.HasUnsavedApply(); }
    // How many Applies Undo can take back now.
    int UndoSteps() const { return session_.UndoSteps(); }

    TFormPreview* FormPreview() const { return formPreview_; }
    // The batch dialog, made when Batch is first pressed.
    TFormBatch* FormBatch() const { return formBatch_; }

    // Browser state: the category pressed last (0 before any), the
    // thumbnail clicked last (0 before any), and whether a "Change Color"
    // re-render is running.
    int CurrentCategory() const { return session_.CurrentCategory(); }
    int CurrentEffect() const { return session_.CurrentEffect(); }
    bool ChangeColorMode() const { return session_.ChangeColorMode(); }
    void SetChangeColorMode(bool on) { session_.SetChangeColorMode(on); }

    ShellDialogs& Dialogs() { return *dialogs_; }
    // The overlay pictures of the program's pic folder, shared by every
    // render of the window.
    const PictureSource& Pictures() const { return pictures_; }

    bool HasPhoto() const { return session_.HasPhoto(); }

    void BtnOpenClick();
    void BtnSaveClick();
    void BtnUndoClick();
    // Redo (Ctrl+Shift+Z, Ctrl+Y): the Apply the last Undo took back.
    void BtnRedoClick();
    void BtnHelpClick();
    // Batch (and Ctrl+B): the batch dialog, offered the look last shown in
    // the preview.
    void BtnBatchClick();
    // Opens `path` as Open does after its dialog (also used for a dropped
    // file and a photo handed over by a later start); over an unsaved
    // Apply, only once the user has chosen to save or discard it. The photo
    // is read off the window's thread; OpenFinished says when it is shown
    // (or reported). A later Open supersedes one still reading.
    void OpenPhoto(const std::string& path);
    // Whether a photo is being read, a look rendered.
    bool Opening() const { return opening_.Running(); }
    bool Rendering() const { return rendering_.Running(); }
    bool Saving() const { return saving_.Running(); }
    bool DrawingStrip() const { return strips_.Running(); }
    // Cancel (and Escape): drops the Open, render or strip in progress. The
    // photo that was open stays; the preview waiting for a render hides,
    // and a strip cut short hides its thumbnails.
    void CancelJob();
    // Hides the ten thumbnails and their labels.
    void Invisible();
    // Apply of the preview: `result` becomes the working photo, the photo
    // before it the undo step.
    void ApplyResult(std::shared_ptr<const TBitmap> result);

    // The handler of every category button (BtnPresetClick, BtnLightAClick,
    // ...): sets CurrentCategory and fills the strip from the working photo,
    // off the window's thread; a later category supersedes it.
    void CategoryClick(int category);
    // The preview's "Change Color": the look shown, rendered again in
    // Change Color mode.
    void ChangeColorClick();
    // Large thumbnails (the check box under the tool buttons, Ctrl+T): each
    // look's full-size render of the photo scaled to a box that grows with
    // the strip, its name below; off, the 105 x 105 strip. Kept between runs;
    // a strip showing is drawn again in the new kind.
    bool LargeThumbnails() const { return largeThumbnails_; }
    void SetLargeThumbnails(bool on);
    // My Looks (BtnMyLooks): the user's own .cube tables of
    // UserLooksFolder(), listed off the window's thread and shown ten at a
    // time in the strip, each table applied to the thumbnail photo. A
    // table that cannot be used shows as a plain thumbnail with its name;
    // clicking it tells why.
    void MyLooksClick();
    // Whether the strip belongs to My Looks (its page may be hidden).
    bool ShowingMyLooks() const { return myLooksShown_; }
    // The listing shown last, and the page of it shown (0 for looks 1-10).
    const std::vector<UserLook>& MyLooks() const { return myLooks_; }
    int MyLooksPage() const { return myLooksPage_; }
    // "Looks 11-20 of 23" for the page shown.
    QString MyLooksPageText() const;
    // Shows page `page` (clamped) of the listing; Next and Previous looks
    // (and Page Down, Page Up) step through them.
    void ShowMyLooksPage(int page);
    // Whether the folder is being listed (or files copied into it).
    bool ListingLooks() const { return listing_.Running(); }
    // Add Look... (and Ctrl+L): .cube files chosen in a file dialog are
    // added, as AddLooks does.
    void BtnAddLookClick();
    // Copies `files` into the user's looks (off the window's thread), then
    // shows My Looks at the page of the first one added; each file refused
    // is reported in the reader's words.
    void AddLooks(const std::vector<std::string>& files);
    // Renders look `index` of the listing at full size into the preview.
    void UserLookClick(size_t index);
    // ImgView1Click .. ImgView10Click: sets CurrentEffect, then renders.
    void ThumbnailClick(int n);
    // Renders effect `effect` of `category` on the full-size working photo
    // into ResultPhoto and shows it in the preview dialog (also "Change
    // Color"'s re-render).
    void ImgViewClick(int effect, int category);

    // Runs `action`; an error it throws is shown to the user and the
    // program goes on. Every handler runs through here.
    void Guarded(const std::function<void()>& action);

signals:
    // A category button was pressed; `category` is its CurrentCategory.
    void CategoryButtonClicked(int category);
    // Thumbnail n (1 .. 10) was clicked.
    void ThumbnailClicked(int n);
    // The window was closed: the program ends.
    void FormClosed();
    // An Open ended: its photo is shown, its failure was reported, or it
    // was cancelled (also at the question before it).
    void OpenFinished();
    // A render ended: its look is shown in the preview, or its failure was
    // reported.
    void RenderFinished();
    // A save ended: its file is written, or its failure was reported.
    void SaveFinished();
    // A strip ended: its thumbnails show, or its failure was reported.
    void StripFinished();
    // A listing of My Looks ended (its page's thumbnails are drawn next;
    // StripFinished follows them).
    void MyLooksListed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // The arrow keys on a thumbnail move the focus to its neighbour.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    // The window's keys on `window`: all of them on the main window, those
    // that are not the preview's own on the preview.
    void AddWindowKeys(QWidget& window, bool preview);
    void FormCreate(QSize screen);
    // The design's bounds on a screen of `screen`, within its usable area.
    void LayOut(QSize screen, QRect available);
    // Lays the panels out for the window's size and fits the view again.
    void LayOutPanels();
    // Thumbnail n (1..10) and its label where the strip's kind puts them.
    void PlaceThumbnail(int n);
    void FitPhotoView(const TBitmap& photo);
    void FitPhotoView(QSize photo);
    // Shows what a session operation changed.
    void ShowChange(const SessionChange& change);
    void SetPhotoControlsEnabled(bool enabled);
    // Save's work: asks where, then writes off the window's thread and
    // runs `saved` once the file is written. False when nothing is to be
    // written (cancelled, refused, a save still running).
    bool SavePhoto(std::function<void()> saved);
    // Runs `proceed` now when the working photo holds no unsaved Apply;
    // else asks through `ask`: Discard proceeds now, Save once the photo
    // is saved (asking again if an Apply was made meanwhile), and Cancel
    // (or a save not made) runs `cancelled`.
    void AfterUnsavedApply(const std::function<UnsavedChoice()>& ask, const std::function<void()>& proceed,
                           const std::function<void()>& cancelled);
    // Open's reading, once nothing unsaved stands in its way.
    void StartOpen(const std::string& path);
    void ShowHelpWindow(const std::string& path);
    void FormClose();
    void FinishOpen(OpenedPhoto opened);
    // Thumbnail n (1..10) of the strip shows `picture` with its label.
    void ShowThumbnail(int n, const TBitmap& picture);
    void FinishRender(Look look, ColourDecision colour, RenderOutcome outcome, bool newLook);
    void FinishUserRender(const UserLook& look, RenderOutcome outcome);
    // My Looks: its controls in the category column, showing them as the
    // listing stands, a thumbnail's name and tooltip, the listing's start.
    void CreateMyLooksControls();
    void ShowMyLooksControls();
    const UserLook* MyLookAt(int n) const;
    void ListMyLooks(std::vector<std::string> added);
    // The page just drawn keeps the tables its strip read; the other pages
    // let theirs go.
    void KeepPageTables(const std::vector<UserLook>& shown, const std::vector<std::shared_ptr<const PreparedLut>>& tables);
    // The strip drawn again as it was (a category's or My Looks' page).
    void RedrawStrip();
    // The busy sign of a job that has run for a moment: the busy cursor
    // over the photo area and a line saying what runs (`what`), with Cancel.
    void StartBusy(const QString& what);
    // Shows or hides the busy sign as the jobs stand.
    void UpdateBusy();
    // The threads the row loops of a job started now may use (LimitRowThreads).
    int RowThreads() const;
    // Where the user is: the title names the photo and marks an unsaved
    // Apply; the status line gives the photo's size and the zoom, and
    // `news` (what just happened) for a few seconds.
    void ShowWhereYouAre();
    void Tell(const QString& news);
    // What the last run left: the windows' places and the last category's
    // strip; and what this run leaves for the next.
    void RestoreRemembered();
    void KeepRemembered();

    std::string appDir_;
    std::shared_ptr<Remembered> remembered_;  // null: nothing is kept; shared with the batch dialog
    std::unique_ptr<ShellDialogs> dialogs_;
    // Overlay pictures decoded by one strip serve the next render.
    PictureCache pictureCache_;
    FolderPictures pictures_;

    PhotoSession session_{pictures_};
    // The size of the photo the view was last fitted to.
    QSize fittedPhoto_;
    // The screen area the window was laid out for when it was given one;
    // else empty, and the screen the window is kept on counts.
    QRect layoutArea_;

    TFlatPanel* flatPanel1_ = nullptr;
    TFlatPanel* flatPanel2_ = nullptr;
    TFlatPanel* flatPanel3_ = nullptr;
    TFlatPanel* flatPanel4_ = nullptr;
    TImgBtn* btnUndo_ = nullptr;
    QPushButton* btnOpen_ = nullptr;
    QPushButton* btnSave_ = nullptr;
    QPushButton* btnHelp_ = nullptr;
    QPushButton* btnBatch_ = nullptr;
    TImageView* imgEffect_ = nullptr;
    TImageView* imgFuzhu_ = nullptr;
    std::array<QPushButton*, kCategoryCount> categoryButtons_{};
    std::array<TImageView*, kThumbnailCount> imgViews_{};
    std::array<QLabel*, kThumbnailCount> labels_{};
    QCheckBox* chkLargeThumbnails_ = nullptr;
    QPushButton* btnMyLooks_ = nullptr;
    QPushButton* btnAddLook_ = nullptr;
    QPushButton* btnPreviousLooks_ = nullptr;
    QPushButton* btnNextLooks_ = nullptr;
    QLabel* labelLooksPage_ = nullptr;
    QLabel* labelNoLooks_ = nullptr;  // the hint of an empty folder, in the strip
    bool myLooksShown_ = false;
    std::vector<UserLook> myLooks_;
    int myLooksPage_ = 0;
    bool largeThumbnails_ = false;
    // The box side the large strip showing was drawn for; a resize that
    // changes it draws the strip again once the resizing pauses.
    int largeDrawnSide_ = 0;
    QTimer* largeRedraw_ = nullptr;
    TFormPreview* formPreview_ = nullptr;  // a window of its own, owned as a child
    THelpWindow* helpWindow_ = nullptr;    // made when first needed
    TFormBatch* formBatch_ = nullptr;      // likewise
    bool closed_ = false;
    // The user has answered what to do with an unsaved Apply: the close
    // that follows asks nothing.
    bool closeDecided_ = false;

    // Renders and strips read the overlay pictures: the window waits for
    // those that still run, superseded ones too, before the pictures go.
    QThreadPool lookJobs_;
    // The jobs in progress, dropped when superseded or cancelled.
    WindowJob<OpenedPhoto> opening_{this};
    WindowJob<RenderOutcome> rendering_{this, &lookJobs_};
    WindowJob<StripEvent> strips_{this, &lookJobs_};
    WindowJob<std::string> saving_{this};  // the failure's message, empty for none
    // My Looks listed (after files were added to it): the looks, where
    // the first added one is, and the files refused.
    struct LooksListing {
        std::vector<UserLook> looks;
        std::string firstAdded;
        std::vector<std::string> refusals;
    };
    WindowJob<LooksListing> listing_{this};
    QTimer* busyDelay_ = nullptr;
    QLabel* labelBusy_ = nullptr;
    QPushButton* btnCancelJob_ = nullptr;
    // The category the last run ended on, shown for the photo this run
    // starts with (the start-up photo, then the first photo opened).
    int startCategory_ = 0;
    QLabel* labelStatus_ = nullptr;
    QString news_;
    QTimer* newsTimer_ = nullptr;
};

}  // namespace corvessa
