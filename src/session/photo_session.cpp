#include "session/photo_session.h"

#include <unistd.h>

#include <algorithm>
#include <new>
#include <utility>

#include "ground/error.h"

#include "io/bmp_codec.h"
#include "io/photo_files.h"
#include "session/blank_photo.h"

namespace corvessa {

OpenedPhoto ReadOpenedPhoto(const std::string& path) {
    OpenedPhoto opened;
    opened.path = path;
    try {
        opened.photo = ReadPhotoUpright(path, opened.metadata, &opened.warning);
    } catch (...) {
        opened.error = CurrentErrorText();
    }
    return opened;
}

RenderOutcome RunRender(RenderJob& job) {
    RenderOutcome outcome;
    try {
        outcome.result = job.Run();
    } catch (...) {
        outcome.error = CurrentErrorText();
    }
    return outcome;
}

StripOutcome RunStrip(std::shared_ptr<StripJob> job, StripView& view) {
    StripOutcome outcome{std::move(job), ""};
    try {
        outcome.job->Run(view);
    } catch (...) {
        outcome.error = CurrentErrorText();
    }
    return outcome;
}

namespace {

bool SameSize(const TBitmap& a, const TBitmap& b) { return a.Width() == b.Width() && a.Height() == b.Height(); }

}  // namespace

bool IsCatalogueLook(Look look) {
    return FindCategory(look.category) && look.effect >= 1 && look.effect <= kEffectCount;
}

void PhotoSession::BeginPhoto() {
    workGeneration_ = openGeneration_ = ++generations_;
    faces_.reset();
}

std::shared_ptr<PhotoFaces> PhotoSession::WorkFaces() {
    if (!HasPhoto()) return nullptr;
    if (!faces_) faces_ = std::make_shared<PhotoFaces>(workPhoto_.Snapshot(), faceFinder_);
    return faces_;
}

void PhotoSession::StartWith(TBitmap sample) {
    BeginPhoto();
    workPhoto_.Adopt(std::move(sample));
    resultPhoto_.ShareWith(workPhoto_);
    thumbPhoto_.SetSize(kThumbSide, kThumbSide);
    thumbPhoto_.StretchDraw(WorkPhoto());
}

SessionChange PhotoSession::Open(TBitmap photo, PhotoMetadata metadata, const std::string& path) {
    workPhoto_.Adopt(std::move(photo));
    metadata_ = std::move(metadata);
    // The undo step, the last render and the view hold the photo as read.
    undoPhoto_.ShareWith(workPhoto_);
    resultPhoto_.ShareWith(workPhoto_);
    SessionChange change;
    change.workPhotoReplaced = change.refitView = change.hideStrip = true;
    change.view = workPhoto_.Snapshot();
    thumbPhoto_.SetSize(kThumbSide, kThumbSide);
    thumbPhoto_.StretchDraw(WorkPhoto());
    undoSteps_.clear();
    redoSteps_.clear();
    // Only the working photo is whitened: the others keep the photo as read.
    if (LooksBlank(WorkPhoto(), random_)) PaintWhite(workPhoto_.Write());
    photoPath_ = path;
    workUnsaved_ = false;
    BeginPhoto();
    return change;
}

HistoryLimits HistoryLimits::ForThisMachine() {
    HistoryLimits limits;
    const long pages = sysconf(_SC_PHYS_PAGES), pageSize = sysconf(_SC_PAGE_SIZE);
    if (pages > 0 && pageSize > 0) limits.bytes = std::min(limits.bytes, size_t(pages) * size_t(pageSize) / 8);
    return limits;
}

SessionChange PhotoSession::Apply(std::shared_ptr<const TBitmap> result) {
    undoPhoto_.ShareWith(workPhoto_);
    undoSteps_.push_back({workPhoto_.Snapshot(), workUnsaved_, workGeneration_, std::move(faces_)});
    redoSteps_.clear();
    TrimHistory();
    workPhoto_.ShareWith(std::move(result));
    workUnsaved_ = true;
    workGeneration_ = ++generations_;
    faces_.reset();
    SessionChange change;
    change.workPhotoReplaced = change.hideStrip = true;
    change.view = workPhoto_.Snapshot();
    return change;
}

SessionChange PhotoSession::Undo() {
    if (undoSteps_.empty()) return {};
    redoSteps_.push_back({workPhoto_.Snapshot(), workUnsaved_, workGeneration_, std::move(faces_)});
    const HistoryStep step = std::move(undoSteps_.back());
    undoSteps_.pop_back();
    const bool resized = !SameSize(*step.photo, WorkPhoto());
    undoPhoto_.ShareWith(step.photo);
    resultPhoto_.ShareWith(undoPhoto_);
    workPhoto_.ShareWith(resultPhoto_);
    workUnsaved_ = step.unsaved;
    workGeneration_ = step.generation;
    faces_ = step.faces;
    SessionChange change;
    change.workPhotoReplaced = change.hideStrip = true;
    // A photo of another size (an edit's) is not drawn into the view's
    // picture: the view is fitted to it.
    if (resized) {
        change.refitView = true;
        change.view = workPhoto_.Snapshot();
    } else {
        change.redrawView = true;
    }
    return change;
}

SessionChange PhotoSession::Redo() {
    if (redoSteps_.empty()) return {};
    const HistoryStep step = std::move(redoSteps_.back());
    redoSteps_.pop_back();
    const bool resized = !SameSize(*step.photo, WorkPhoto());
    undoPhoto_.ShareWith(workPhoto_);
    undoSteps_.push_back({workPhoto_.Snapshot(), workUnsaved_, workGeneration_, std::move(faces_)});
    resultPhoto_.ShareWith(step.photo);
    workPhoto_.ShareWith(resultPhoto_);
    workUnsaved_ = step.unsaved;
    workGeneration_ = step.generation;
    faces_ = step.faces;
    SessionChange change;
    change.workPhotoReplaced = change.hideStrip = true;
    change.refitView = resized;
    change.view = workPhoto_.Snapshot();
    return change;
}

SessionChange PhotoSession::ApplyEdit(uint64_t generation, std::shared_ptr<const TBitmap> edited) {
    if (generation != workGeneration_ || !edited || edited->Empty()) return {};
    const bool resized = !SameSize(*edited, WorkPhoto());
    SessionChange change = Apply(std::move(edited));
    change.refitView = resized;
    change.hideStrip = false;
    change.redrawStrip = true;
    return change;
}

void PhotoSession::TrimHistory() {
    size_t bytes = 0;
    for (const HistoryStep& step : undoSteps_) bytes += step.photo->ByteCount();
    size_t oldest = 0;
    while (undoSteps_.size() - oldest > 1 &&
           (int(undoSteps_.size() - oldest) > historyLimits_.steps || bytes > historyLimits_.bytes))
        bytes -= undoSteps_[oldest++].photo->ByteCount();
    undoSteps_.erase(undoSteps_.begin(), undoSteps_.begin() + ptrdiff_t(oldest));
}

uint64_t PhotoSession::TakeShownForSave(std::shared_ptr<const TBitmap> shown) {
    resultPhoto_.ShareWith(std::move(shown));
    return workGeneration_;
}

std::string WritePhotoFile(const TBitmap& picture, const std::string& path, PhotoFormatId format,
                           const PhotoMetadata& metadata, int quality) {
    try {
        WritePhotoAs(FormatOf(format), picture, path, metadata, quality);
        return "";
    } catch (...) {
        return CurrentErrorText();
    }
}

void PhotoSession::NoteSaved(const std::string& path, uint64_t generation) {
    // A save that began before the last Open wrote a photo that is gone.
    if (generation < openGeneration_) return;
    photoPath_ = path;
    if (generation == workGeneration_) workUnsaved_ = false;
    for (std::vector<HistoryStep>* steps : {&undoSteps_, &redoSteps_})
        for (HistoryStep& step : *steps)
            if (step.generation == generation) step.unsaved = false;
}

void PhotoSession::Close() {
    workPhoto_.Clear();
    undoPhoto_.Clear();
    resultPhoto_.Clear();
    thumbPhoto_ = TBitmap();
    metadata_ = PhotoMetadata();
    undoSteps_.clear();
    redoSteps_.clear();
    faces_.reset();
}

std::unique_ptr<StripJob> PhotoSession::StartStrip(int category) {
    currentCategory_ = category;
    if (!HasPhoto()) return nullptr;
    rendersAtStrip_ = rendersStarted_;
    auto job = std::make_unique<StripJob>(workPhoto_.Snapshot(), category, pictures_);
    if (keepFaces_) job->SetFaces(WorkFaces());
    return job;
}

void PhotoSession::FinishStrip(StripJob& job) {
    thumbPhoto_.CopyFrom(job.ThumbPhoto());
    TBitmap result = job.TakeResult();
    if (!result.Empty() && rendersStarted_ == rendersAtStrip_) resultPhoto_.Adopt(std::move(result));
}

void PhotoSession::SetPreviewStrength(int strength) { previewLook_.strength = std::clamp(strength, 0, kFullStrength); }

std::unique_ptr<RenderJob> PhotoSession::StartRender(Look look) {
    auto job = std::make_unique<RenderJob>(workPhoto_.Snapshot(), look, pictures_);
    if (keepFaces_) job->SetFaces(WorkFaces());
    ++rendersStarted_;
    renderFill_ = resultPhoto_.FillColor();
    renderKeepsStrength_ = changeColorMode_ && look.category == previewLook_.look.category &&
                           look.effect == previewLook_.look.effect;
    job->SetResultFill(renderFill_);
    // The last render's pixels are not needed by anything any more (the
    // preview shows the new one; Apply commits it).
    if (IsCatalogueLook(look)) resultPhoto_.Clear();
    return job;
}

ButtonChange PhotoSession::FinishRender(Look look, ColourDecision colour, RenderResult result) {
    // Looks outside the catalogue render nothing and leave ResultPhoto as
    // it was.
    if (IsCatalogueLook(look)) {
        resultPhoto_.Adopt(std::move(result.picture));
        previewLook_ = {look, colour, renderFill_, renderKeepsStrength_ ? previewLook_.strength : kFullStrength, {}};
    }
    return result.button;
}

std::unique_ptr<RenderJob> PhotoSession::StartRender(const UserLook& look) {
    auto job = std::make_unique<RenderJob>(workPhoto_.Snapshot(), look);
    if (keepFaces_) job->SetFaces(WorkFaces());
    ++rendersStarted_;
    renderFill_ = resultPhoto_.FillColor();
    renderKeepsStrength_ = false;
    job->SetResultFill(renderFill_);
    if (look.Usable()) resultPhoto_.Clear();
    return job;
}

void PhotoSession::FinishRender(const UserLook& look, RenderResult result) {
    resultPhoto_.Adopt(std::move(result.picture));
    previewLook_ = {Look{}, ColourDecision::NotAsked(), renderFill_, kFullStrength, look};
}

}  // namespace corvessa
