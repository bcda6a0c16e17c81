#pragma once
// The photo being edited, without any window: the working photo, the undo
// step, the last render and the thumbnail source; the camera data and the
// file they came from; whether an Apply is unsaved; and the browser's
// state (the category and thumbnail chosen last, the look the preview
// shows). The window shows it and forwards what the user does; which
// buffers each operation replaces is decided here.
//
// Holders of the same pixels share them (Open makes the undo step, the
// last render and the view share the opened photo); a write gives a holder
// pixels of its own first.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "batch/batch.h"
#include "catalogue/render_job.h"
#include "faces/faces.h"
#include "ground/bitmap.h"
#include "ground/random.h"
#include "ground/shared_bitmap.h"
#include "io/photo_metadata.h"
#include "io/picture_source.h"
#include "io/photo_formats.h"

namespace corvessa {

// What an operation asks of the window that shows the session.
struct SessionChange {
    // The preview's result belongs to the photo it was rendered from.
    bool workPhotoReplaced = false;
    // The main view is fitted to the working photo again.
    bool refitView = false;
    // What the main view shows from now on; null to keep its picture.
    std::shared_ptr<const TBitmap> view;
    // The view's picture is redrawn from the working photo at its own size
    // (Undo), the very pixels where the sizes agree.
    bool redrawView = false;
    // The thumbnails show an older working photo and are hidden.
    bool hideStrip = false;
    // The thumbnails shown are drawn again from the new working photo.
    bool redrawStrip = false;
};

// A photo as Open reads it (turned upright, with its camera data), or why
// it could not be read. Reading runs off the window's thread, so a failure
// travels as its message.
struct OpenedPhoto {
    std::string path;
    TBitmap photo;
    PhotoMetadata metadata;
    std::string warning;  // what the user should know about a photo that opened all the same
    std::string error;    // empty when the photo was read
};
// Never throws.
OpenedPhoto ReadOpenedPhoto(const std::string& path);

// A render's picture, or why it failed; like reading, rendering runs off
// the window's thread.
struct RenderOutcome {
    RenderResult result;
    std::string error;
};
// Runs `job`; never throws.
RenderOutcome RunRender(RenderJob& job);

// Writes `picture` to `path` as `format` (its writer in the format table),
// with `metadata` where the format keeps camera data (a BMP has no room),
// at `quality` where the format is lossy. The writers write beside the
// target and rename into place, so a failure never destroys an existing
// file. Returns the failure's message, empty when the file was written;
// never throws, so it can run off the window's thread.
std::string WritePhotoFile(const TBitmap& picture, const std::string& path, PhotoFormatId format,
                           const PhotoMetadata& metadata, int quality = kDefaultQuality);

// A strip's job and how it ended (the thumbnails before a failed one have
// been handed over).
struct StripOutcome {
    std::shared_ptr<StripJob> job;
    std::string error;
};
// Runs `job` into `view`; never throws.
StripOutcome RunStrip(std::shared_ptr<StripJob> job, StripView& view);

// How far back Undo can go: at most `steps` Applies and `bytes` of photos
// held for them, the oldest let go first. The step an Undo right after an
// Apply goes back to is always kept.
struct HistoryLimits {
    int steps = 20;
    size_t bytes = size_t(1) << 30;
    // 20 steps within 1 GB, or within an eighth of the machine's memory
    // where that is less.
    static HistoryLimits ForThisMachine();
};

class PhotoSession {
public:
    explicit PhotoSession(const PictureSource& pictures, HistoryLimits history = HistoryLimits::ForThisMachine())
        : pictures_(pictures), historyLimits_(history) {}

    const TBitmap& WorkPhoto() const { return workPhoto_.Read(); }
    const TBitmap& UndoPhoto() const { return undoPhoto_.Read(); }
    const TBitmap& ResultPhoto() const { return resultPhoto_.Read(); }
    const TBitmap& ThumbPhoto() const { return thumbPhoto_; }
    SharedBitmap& WorkPhotoBuffer() { return workPhoto_; }
    SharedBitmap& UndoPhotoBuffer() { return undoPhoto_; }
    SharedBitmap& ResultPhotoBuffer() { return resultPhoto_; }
    TBitmap& ThumbPhotoBuffer() { return thumbPhoto_; }
    std::shared_ptr<const TBitmap> WorkSnapshot() const { return workPhoto_.Snapshot(); }

    // False before a start-up photo or an Open succeeded: there is nothing
    // to render, fit or save then.
    bool HasPhoto() const { return !WorkPhoto().Empty(); }
    bool CanUndo() const { return !undoSteps_.empty(); }
    bool CanRedo() const { return !redoSteps_.empty(); }
    // How many Undos and Redos the history holds.
    int UndoSteps() const { return int(undoSteps_.size()); }
    int RedoSteps() const { return int(redoSteps_.size()); }
    // Whether the working photo holds an Apply that was never saved.
    bool HasUnsavedApply() const { return workUnsaved_; }
    // Names the working photo: every start-up photo, Open and Apply makes a
    // new one; Undo and Redo bring back the one of the photo they step to.
    // A save or render started from one photo can tell by it whether that
    // photo is still the working one when it ends.
    uint64_t WorkGeneration() const { return workGeneration_; }
    // The camera metadata of the opened photo, kept with the working photo
    // through Apply and Undo and written into a saved JPEG or PNG.
    const PhotoMetadata& Metadata() const { return metadata_; }
    // The photo opened or saved last; empty before any.
    const std::string& PhotoPath() const { return photoPath_; }

    int CurrentCategory() const { return currentCategory_; }
    int CurrentEffect() const { return currentEffect_; }
    bool ChangeColorMode() const { return changeColorMode_; }
    void SetChangeColorMode(bool on) { changeColorMode_ = on; }
    void SetCurrentEffect(int effect) { currentEffect_ = effect; }
    // The look the preview showed last, with its colour and strength, for
    // a batch.
    const batch::BatchLook& PreviewLook() const { return previewLook_; }
    // The strength the preview mixes its look with the photo at, 0..100:
    // full for a new look; a Change Color re-render of the look shown
    // keeps it. Apply commits the look mixed at it.
    int PreviewStrength() const { return previewLook_.strength; }
    void SetPreviewStrength(int strength);

    // The start-up photo; the undo step stays empty. The view shows it
    // drawn at the view's size, which the window does.
    void StartWith(TBitmap sample);
    // Open, once the photo has been read (upright, with its metadata): it
    // becomes the working photo, the undo step and the last render, and
    // the history starts afresh. Only
    // the working photo is whitened when the photo is blank; the view
    // shows it as read.
    SessionChange Open(TBitmap photo, PhotoMetadata metadata, const std::string& path);
    // Apply: `result` becomes the working photo, the photo before it the
    // undo step and the latest step of the history; what Redo could bring
    // back is let go.
    SessionChange Apply(std::shared_ptr<const TBitmap> result);
    // The Edit panel accepted: `edited`, made from the working photo of
    // `generation`, becomes the working photo as an Apply does, and the
    // thumbnails are drawn again from it. Nothing happens when that photo
    // is no longer the working one.
    SessionChange ApplyEdit(uint64_t generation, std::shared_ptr<const TBitmap> edited);
    // Undo: the latest step of the history becomes the undo step, the last
    // render and the working photo; the photo it replaces is what Redo
    // brings back (an edit may have changed the photo's size: the view is
    // fitted to it again). Nothing happens when there is nothing to undo.
    SessionChange Undo();
    // Redo: the photo the latest Undo replaced comes back as if applied
    // again. Nothing happens when there is nothing to redo.
    SessionChange Redo();
    // Save's first step: the picture the main view shows is what is saved.
    // Returns the generation of the working photo it shows, for NoteSaved.
    uint64_t TakeShownForSave(std::shared_ptr<const TBitmap> shown);
    // WritePhotoFile has written the photo of `generation` to `path`. That
    // photo counts as saved from now on, whether it is the working photo
    // or a step of the history (an Apply, Undo or Redo made while the file
    // was written leaves the working photo unsaved); the photo's file is
    // `path` from now on unless another photo was opened meanwhile.
    void NoteSaved(const std::string& path, uint64_t generation);

    // "Keep faces clear" for the strips and renders started from now on.
    void SetKeepFaces(bool on) { keepFaces_ = on; }
    bool KeepFaces() const { return keepFaces_; }
    // The working photo's faces: looked for once, on the first call for
    // their boxes (which belongs off the window's thread), and kept with
    // the photo through Undo and Redo; an Apply or Open has new ones.
    // Null without a photo.
    std::shared_ptr<PhotoFaces> WorkFaces();

    // The window closes: every buffer is let go.
    void Close();

    // A category button: the job of its strip from the working photo (none
    // without a photo), run anywhere (RunStrip), then its outcome:
    // ThumbPhoto and ResultPhoto end as the strip leaves them, also after
    // a failed thumbnail, unless a render started after the strip has made
    // ResultPhoto its own.
    std::unique_ptr<StripJob> StartStrip(int category);
    void FinishStrip(StripJob& job);

    // A full-size render of `look` from the working photo, set up as the
    // window's renders are (the last render's fill colour). Its old pixels
    // are let go first when the look renders anything, so the new render
    // can have their memory.
    std::unique_ptr<RenderJob> StartRender(Look look);
    // The render's outcome: for a look of the catalogue, the last render
    // and the preview's look from now on, at full strength unless it was
    // started in Change Color mode on the look the preview showed.
    ButtonChange FinishRender(Look look, ColourDecision colour, RenderResult result);
    // The same for one of the user's tables: it never asks for a colour,
    // and its render becomes the preview's look at full strength.
    std::unique_ptr<RenderJob> StartRender(const UserLook& look);
    void FinishRender(const UserLook& look, RenderResult result);

private:
    const PictureSource& pictures_;
    RandomGenerator random_;
    SharedBitmap workPhoto_, undoPhoto_, resultPhoto_;
    TBitmap thumbPhoto_;
    PhotoMetadata metadata_;
    std::string photoPath_;
    // Whether WorkPhoto holds an Apply not saved since.
    bool workUnsaved_ = false;
    // The last generation handed out, the working photo's, and the one the
    // start-up photo or the last Open began with.
    uint64_t generations_ = 0;
    uint64_t workGeneration_ = 0;
    uint64_t openGeneration_ = 0;
    void BeginPhoto();
    // The photos Undo and Redo go back and forth through, the nearest last,
    // each with whether it held an Apply not saved since, and its generation.
    struct HistoryStep {
        std::shared_ptr<const TBitmap> photo;
        bool unsaved = false;
        uint64_t generation = 0;
        std::shared_ptr<PhotoFaces> faces;
    };
    std::vector<HistoryStep> undoSteps_, redoSteps_;
    HistoryLimits historyLimits_;
    // Lets the oldest steps go until the history fits its limits.
    void TrimHistory();
    int currentCategory_ = 0;
    int currentEffect_ = 0;
    bool changeColorMode_ = false;
    batch::BatchLook previewLook_;
    bool keepFaces_ = false;
    std::shared_ptr<PhotoFaces> faces_;  // the working photo's, made when first asked for
    std::shared_ptr<FaceFinder> faceFinder_ = std::make_shared<FaceFinder>();  // every photo's
    Rgb renderFill_ = kWhite;  // the fill of the render in progress
    bool renderKeepsStrength_ = false;  // a re-render of the look shown
    // Counts the renders started, so that a strip that ends after one does
    // not take ResultPhoto from it.
    uint64_t rendersStarted_ = 0;
    uint64_t rendersAtStrip_ = 0;
};

// Whether `look` names a look of the catalogue (a category of the table
// and an effect of 1..10); other looks render nothing.
bool IsCatalogueLook(Look look);

}  // namespace corvessa
