#pragma once
// TFormMain: the main window, a frame over the parts that do the work. It
// holds the photo session (the photo being edited and its buffers) and the
// preview, and hands what the user does to the parts:
//   the category and tool columns                main_columns.h
//   the photo view, status line and busy sign    photo_pane.h
//   the strip of ten looks                       looks_strip.h
//   My Looks                                     my_looks_view.h, session/my_looks.h
//   Open and what is dropped on the window       photo_opener.h, window_drops.h
//   renders into the preview                     look_renders.h
//   the Edit panel                               edit_panel.h
//   Save and the question before an Apply is lost photo_saver.h
//   the keys                                     action_table.h
//   what is kept between runs                    setting_table.h, remembered.h

#include <QCheckBox>
#include <QRect>
#include <QSize>
#include <QThreadPool>
#include <QWidget>
#include <memory>
#include <string>

#include "io/colour_profile.h"
#include "io/picture_source.h"
#include "session/my_looks.h"
#include "session/photo_session.h"
#include "shell/action_table.h"
#include "shell/looks_strip.h"
#include "shell/main_columns.h"
#include "shell/photo_opener.h"
#include "shell/photo_saver.h"
#include "shell/remembered.h"
#include "shell/window_job.h"

class QLabel;

namespace corvessa {

class ShellDialogs;
class TFormBatch;
class TEditPanel;
class TFormExport;
class TFormPreview;
class TLookRenders;
class TMyLooksView;
class TPhotoPane;

class TFormMain : public QWidget {
    Q_OBJECT
public:
    // `appDir` is the program's folder with a trailing '/', where its files
    // are; `screen` the screen size it lays itself out for (the primary
    // screen's when empty); `remembered` what the windows keep between runs
    // (none: every run starts as the first).
    TFormMain(std::string appDir, std::unique_ptr<ShellDialogs> dialogs, QSize screen = QSize(),
              std::unique_ptr<Remembered> remembered = nullptr);
    ~TFormMain() override;

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
    const PhotoMetadata& Metadata() const { return session_.Metadata(); }
    // The photo opened or saved last, where the file dialogs start.
    const std::string& PhotoPath() const { return session_.PhotoPath(); }
    bool HasPhoto() const { return session_.HasPhoto(); }
    bool HasUnsavedApply() const { return session_.HasUnsavedApply(); }
    // How many Applies Undo can take back now.
    int UndoSteps() const { return session_.UndoSteps(); }
    // The category and thumbnail clicked last (0 before any); a "Change Color" re-render runs.
    int CurrentCategory() const { return session_.CurrentCategory(); }
    int CurrentEffect() const { return session_.CurrentEffect(); }
    bool ChangeColorMode() const { return session_.ChangeColorMode(); }

    TImageView* ImgEffect() const;
    TImgBtn* BtnUndo() const { return tools_.undo; }
    TFlatPanel* FlatPanel2() const { return strip_->Panel(); }
    TFlatPanel* FlatPanel3() const;  // the photo area
    // n = 1 .. 10
    TImageView* ImgView(int n) const { return strip_->View(n); }
    QLabel* Label(int n) const { return strip_->Label(n); }
    TFormPreview* FormPreview() const { return formPreview_; }
    // The batch dialog, made when Batch is first pressed.
    TFormBatch* FormBatch() const { return formBatch_; }
    TEditPanel& EditPanel() const { return *edit_; }
    TFormExport* FormExport() const { return formExport_; }
    ShellDialogs& Dialogs() { return *dialogs_; }
    // The overlay pictures of the program's pic folder, for every render of the window.
    const PictureSource& Pictures() const { return pictures_; }

    void BtnOpenClick() { opener_->Choose(); }
    void BtnSaveClick() { saver_->Save([] {}); }
    void BtnUndoClick();
    // Redo (its keys only): the Apply the last Undo took back.
    void BtnRedoClick();
    void BtnHelpClick();
    // Batch (and its key): the batch dialog, offered the look last shown in
    // the preview.
    void BtnBatchClick();
    // Export: a copy of the photo shown for sharing (form_export.h).
    void BtnExportClick();
    // Opens `path` as Open does after its dialog; OpenFinished says when it is shown.
    void OpenPhoto(const std::string& path) { opener_->Open(path); }
    // Whether a photo is read, a look rendered, a photo saved, a strip drawn, My Looks listed.
    bool Opening() const;
    bool Rendering() const;
    bool Saving() const { return saver_->Saving(); }
    bool DrawingStrip() const { return strip_->Drawing(); }
    bool ListingLooks() const;
    // Cancel (and its key): drops the Open, render or strip in progress. The
    // photo that was open stays; the preview waiting for a render hides,
    // and a strip cut short hides its thumbnails.
    void CancelJob();
    // Hides the ten thumbnails and their labels.
    void Invisible() { strip_->Invisible(); }
    // Apply of the preview: `result` becomes the working photo, the photo
    // before it the undo step.
    void ApplyResult(std::shared_ptr<const TBitmap> result);
    // The handler of every category button (BtnPresetClick, BtnLightAClick,
    // ...): sets CurrentCategory and fills the strip from the working photo.
    void CategoryClick(int category);
    // ImgView1Click .. ImgView10Click: renders the thumbnail's look into the preview.
    void ThumbnailClick(int n);
    // Large thumbnails (the box, or its key), kept between runs; a strip showing is drawn again.
    bool LargeThumbnails() const { return strip_->Large(); }
    void SetLargeThumbnails(bool on);
    // "Keep faces clear" (its box), kept between runs: every look is taken
    // back over the faces found in the photo; the strip showing is drawn again.
    bool KeepFaces() const { return session_.KeepFaces(); }
    void SetKeepFaces(bool on);
    // My Looks: what is listed and which page shows, and its buttons.
    const corvessa::MyLooks& MyLooksModel() const { return myLooks_; }
    // The display's colour profile the views paint the photo in (read from
    // the X root window at start, sRGB without one); SetDisplayProfile
    // paints in another from then on.
    const ColourProfile& DisplayProfile() const { return display_; }
    void SetDisplayProfile(const ColourProfile& display);
    TMyLooksView& MyLooksView() { return *myLooksView_; }

signals:
    // A category button was pressed; `category` is its CurrentCategory.
    void CategoryButtonClicked(int category);
    // Thumbnail n (1 .. 10) was clicked.
    void ThumbnailClicked(int n);
    // The window was closed: the program ends.
    void FormClosed();
    // An Open, a render, a save or a strip ended: what it made shows, or its
    // failure was reported (an Open also when cancelled, at its question too).
    void OpenFinished();
    void RenderFinished();
    void SaveFinished();
    void StripFinished();
    // A listing of My Looks ended (its page's thumbnails are drawn next).
    void MyLooksListed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreateControls();
    void CreatePreview();
    void RunAction(Action action);
    void FormCreate(QSize screen);
    // The design's bounds on a screen of `screen`, within its usable area.
    void LayOut(QSize screen, QRect available);
    // Lays the panels out for the window's size and fits the view again.
    void LayOutPanels();
    // Shows what a session operation changed.
    void ShowChange(const SessionChange& change);
    void SetPhotoControlsEnabled(bool enabled);
    // A photo Open has read becomes the working photo.
    void ShowOpened(OpenedPhoto opened);
    // The photo view, the thumbnails and the preview paint the working
    // photo's colours in the display's.
    void ShowColours();
    void FormClose();
    // Drops the jobs that belong to the working photo, and with `opening`
    // the Open that reads the next.
    void DropJobs(bool opening);
    // The strip drawn again as it was (a category's or My Looks' page).
    void RedrawStrip();
    // With "Keep faces clear", the working photo's faces are looked for in
    // the background as soon as it is there.
    void FindFacesAhead();
    // The threads the row loops of a job started now may use (LimitRowThreads).
    int RowThreads() const;
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
    corvessa::MyLooks myLooks_;
    // The screen area the window was laid out for when it was given one;
    // else empty, and the screen the window is kept on counts.
    QRect layoutArea_;
    ColourProfile display_;

    CategoryColumn column_;
    ToolColumn tools_;
    QCheckBox* chkFaces_ = nullptr;
    TFormPreview* formPreview_ = nullptr;  // a window of its own, owned as a child
    TFormExport* formExport_ = nullptr;    // made when Export is first pressed
    TFormBatch* formBatch_ = nullptr;      // made when Batch is first pressed
    // The desktop's colours in place of the skin's (high_contrast.h).
    bool highContrast_ = false;
    bool closed_ = false;
    // The user has answered what to do with an unsaved Apply: the close
    // that follows asks nothing.
    bool closeDecided_ = false;
    // The category the last run ended on, shown for the photo this run
    // starts with (the start-up photo, then the first photo opened).
    int startCategory_ = 0;

    // Renders and strips read the overlay pictures: the window waits for
    // those that still run, superseded ones too, before the pictures go.
    QThreadPool lookJobs_;
    std::unique_ptr<TPhotoPane> pane_;
    std::unique_ptr<TLooksStrip> strip_;
    std::unique_ptr<TMyLooksView> myLooksView_;
    std::unique_ptr<TLookRenders> renders_;
    std::unique_ptr<TEditPanel> edit_;
    std::unique_ptr<TPhotoSaver> saver_;
    std::unique_ptr<TPhotoOpener> opener_;
    WindowJob<bool> findingFaces_{this};
};

}  // namespace corvessa
