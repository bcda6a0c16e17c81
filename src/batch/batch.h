#pragma once
// One look on many photos: the batch engine of the window's batch dialog
// and of corvessa-render -o. Every photo goes through a RenderJob as a
// single render does, so a batch gives the same bytes as rendering its
// photos one by one. Photos are rendered one per worker, each worker on a
// core of its own, so memory is bounded by the photos in flight. Every
// output is written beside its target and renamed into place: a batch
// cancelled or killed leaves whole files only.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "batch/name_pattern.h"
#include "catalogue/render_job.h"
#include "edit/edit.h"
#include "ground/strength.h"
#include "io/photo_export.h"
#include "io/photo_formats.h"
#include "looks/render_context.h"

namespace corvessa {
namespace batch {

// What every photo of a batch is given.
struct BatchLook {
    Look look;
    ColourDecision colour;
    // The fill a mask or line look falls back on when its colour dialog
    // was cancelled: what the preview's render fell back on.
    Rgb fallbackFill = kWhite;
    int strength = kFullStrength;
    // One of the user's tables as the look, in place of `look`; nothing
    // for a look of the catalogue.
    std::optional<UserLook> user;
    // No look at all: each photo is written with its edits alone.
    bool none = false;

    bool IsUserLook() const { return user.has_value(); }
};

// The edits every photo of a batch gets before its look: the same for
// all, and Auto's levels and white balance found for each photo afresh
// when `autoEach` (over what `settings` give the other adjustments).
struct BatchEdits {
    EditSettings settings = EditSettings::Neutral();
    bool autoEach = false;

    bool IsNeutral() const { return !autoEach && settings.IsNeutral(); }
};

// `photo`, read from `input` upright, with `edits`: as the window's Edit
// panel leaves it. A crop that leaves nothing of the photo fails with
// "The crop leaves nothing of the photo — INPUT".
TBitmap EditPhoto(TBitmap photo, const BatchEdits& edits, const std::string& input);

struct BatchSettings {
    BatchLook look;
    BatchEdits edits;
    std::string outputFolder;
    NamePattern names;
    // The format table's writer; nothing: the one of the extension the
    // pattern ends in, else of the photo's own.
    std::optional<PhotoFormatId> format = PhotoFormatId::kJpeg;
    // For a lossy writer, 1..100; kDefaultQuality for the format's own.
    int quality = kDefaultQuality;
    // A photo whose output exists already is not rendered again.
    bool skipExisting = false;
    // Photos rendered at once; 0 for one per core.
    unsigned workers = 0;
    // The copies written smaller or without camera data.
    ExportChoices exported;
    // "Keep faces clear": each photo's look taken back over the faces
    // found in it (after its edits), as the window does.
    bool keepFaces = false;
};

// The file name (no folder) `settings` give `input`: the pattern's name
// with the format's extension, unless it ends in that already. Throws
// what NamePattern::Expand throws.
std::string OutputFileName(const std::string& input, const BatchSettings& settings);

struct PlannedPhoto {
    std::string input;
    std::string output;  // empty when no name could be made
    // Why the photo is not rendered at all ("... is an input; it is not
    // overwritten"); empty for a photo to render.
    std::string refusal;
};

// Every photo's output, decided before anything is written: in the output
// folder under OutputFileName; a name that an earlier photo of the list
// has taken gets "-2", "-3", ... before its extension, so two photos of
// one name from different folders never overwrite each other's output
// (and the same list gives the same names again). An output that is one
// of the inputs, under any name, is refused.
std::vector<PlannedPhoto> PlanOutputs(const std::vector<std::string>& inputs, const BatchSettings& settings);

enum class Status { kRendered, kSkipped, kFailed, kCancelled };
// "rendered", "skipped", "failed", "cancelled".
std::string_view StatusWord(Status status);

struct PhotoOutcome {
    size_t index = 0;  // in the list of inputs
    std::string input, output;
    Status status = Status::kFailed;
    // Why it failed or was skipped; for a photo rendered with a warning,
    // the warning; empty otherwise.
    std::string message;
    int64_t milliseconds = 0;
    // Rendered, but the photo opened only in part ("The file is
    // incomplete: ..."): `message` says what the user should know.
    bool warning = false;
};

// The outcome as one line of JSON, without the line's end:
// {"input":...,"output":...,"status":...,"message":...,"warning":false,
// "milliseconds":...}. A name that is not UTF-8 is written with U+FFFD for
// each stray byte, and its bytes follow as "input_bytes" or "output_bytes"
// (after "input" or "output"): percent-encoded, every byte but A-Z a-z 0-9
// - . _ ~ / as %XX, so a script can map the line back to its file.
std::string ReportLine(const PhotoOutcome& outcome);

struct BatchCounts {
    size_t rendered = 0, skipped = 0, failed = 0, cancelled = 0;
    size_t warned = 0;  // of the rendered, those with a warning
    size_t Done() const { return rendered + skipped + failed + cancelled; }
};

// Renders photo `input` into `output` and returns its warning ("" for
// none), as RenderPhoto does.
using PhotoRenderer = std::function<std::string(const std::string& input, const std::string& output)>;

// Hears of the photos as the batch goes. Calls come from the workers'
// threads, one call at a time.
class BatchObserver {
public:
    virtual ~BatchObserver() = default;
    // Photo `index` is about to be read and rendered.
    virtual void PhotoStarted(size_t index, const std::string& input) {
        (void)index;
        (void)input;
    }
    // Every photo ends here once, also one that is refused, skipped, or
    // never started because the batch was cancelled.
    virtual void PhotoFinished(const PhotoOutcome& outcome) = 0;
};

class Batch {
public:
    // `pictures` must outlive the batch and be safe to share between
    // threads. Plans the outputs at once.
    Batch(std::vector<std::string> inputs, BatchSettings settings, const PictureSource& pictures);
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

    const std::vector<PlannedPhoto>& Photos() const { return photos_; }
    const BatchSettings& Settings() const { return settings_; }
    // Makes the output folder, then renders every photo on the workers
    // (the calling thread is one of them); returns when all are done, or
    // when the photos in flight at a Cancel are done. A photo that failed
    // for want of memory while others were in flight is rendered once
    // more when all the others are done, alone, and reported then.
    BatchCounts Run(BatchObserver& observer);
    // Renders each photo with `render` in place of RenderPhoto (tests make
    // their failures with it). Before Run.
    void RenderWith(PhotoRenderer render) { render_ = std::move(render); }
    // No photo starts after this; those in flight finish and are written.
    // Safe from any thread and from a signal handler.
    void Cancel() { cancelled_.store(true); }

private:
    PhotoOutcome RenderOne(size_t index, BatchObserver& observer, std::mutex& calls);

    BatchSettings settings_;
    const PictureSource& pictures_;
    std::vector<PlannedPhoto> photos_;
    PhotoRenderer render_;
    // The detector every photo's faces are found by, with keepFaces.
    std::shared_ptr<FaceFinder> faces_;
    std::atomic<bool> cancelled_{false};
    static_assert(std::atomic<bool>::is_always_lock_free);
};

// Makes the folder `dir` (and its parents) or throws "Cannot create file
// DIR: REASON".
void MakeFolder(const std::string& dir);

// Renders `look` on the photo `input` into `output` as a single render
// does: read and turned upright as Open reads it, given `edits`, the
// camera metadata written into a JPEG or PNG as Save writes it (with
// orientation 1), at `quality` where the output's format is lossy, with
// the faces found in the edited photo by `faces` kept clear (none: the look
// as it is). `warning` receives what the user
// should be told of a photo that opened only in part, "" for none (without
// it, standard error gets it; see ReadPhotoUpright). Throws what reading,
// rendering and writing throw.
void RenderPhoto(const std::string& input, const std::string& output, const BatchLook& look,
                 const PictureSource& pictures, std::string* warning = nullptr, int quality = kDefaultQuality,
                 const BatchEdits& edits = {}, const ExportChoices& exported = {},
                 std::shared_ptr<FaceFinder> faces = nullptr);

}  // namespace batch
}  // namespace corvessa
