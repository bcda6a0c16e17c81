#include "catalogue/render_job.h"

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <vector>

#include "ground/stop.h"

namespace corvessa {

// The look's pictures as LoadPictures decoded them, so that the recipe
// does not decode them again; anything else from the shared source.
class RenderJob::LoadedPictures : public PictureSource {
public:
    explicit LoadedPictures(const RenderJob& job) : job_(job) {}
    SharedPicture Load(PictureName name) const override {
        for (const auto& [loadedName, picture] : job_.loaded_)
            if (loadedName == name) return picture;
        return job_.pictures_->Load(name);
    }
    SharedGrade LoadGrade(PictureName name) const override { return job_.pictures_->LoadGrade(name); }

private:
    const RenderJob& job_;
};

namespace {

// Answers every question for a colour with the decision made before the
// render began.
class DecidedColour : public ColorChooser {
public:
    explicit DecidedColour(ColourDecision decision) : decision_(decision) {}
    std::optional<Rgb> ChooseColor() override {
        if (decision_.kind == ColourDecision::Kind::kChosen) return decision_.colour;
        return std::nullopt;
    }

private:
    ColourDecision decision_;
};

}  // namespace

RenderJob::RenderJob(std::shared_ptr<const TBitmap> source, Look look, const PictureSource& pictures)
    : source_(std::move(source)), what_(look), pictures_(&pictures) {}

RenderJob::RenderJob(TBitmap source, FilterCall filter, uint32_t seed) : what_(std::move(filter)) {
    random_.SetSeed(seed);
    effect_.Picture().TakePixels(std::move(source));
}

RenderJob::RenderJob(std::shared_ptr<const TBitmap> source, UserLook look)
    : source_(std::move(source)), what_(std::move(look)) {}

RenderJob::RenderJob(TBitmap source, UserLook look) : what_(std::move(look)), ownSource_(std::move(source)) {}

bool RenderJob::AsksForColour() const {
    const Look* look = std::get_if<Look>(&what_);
    return look && RecipeAsksForColour(look->category, look->effect);
}

void RenderJob::LoadPictures() {
    if (picturesLoaded_) return;
    if (const Look* look = std::get_if<Look>(&what_))
        for (PictureName name : RecipePictures(look->category, look->effect, Stage::kFullSize))
            loaded_.emplace_back(name, pictures_->Load(name));
    picturesLoaded_ = true;
}

RenderResult RenderJob::Run() {
    // Whatever the render's scratch bitmaps took goes back when it ends.
    struct Trim {
        ~Trim() { TrimPixelPool(); }
    } trim;
    if (const Look* look = std::get_if<Look>(&what_)) return RunLook(*look);
    if (const UserLook* look = std::get_if<UserLook>(&what_)) return RunUserLook(*look);
    return RunFilter(std::get<FilterCall>(what_));
}

RenderResult RenderJob::RunLook(const Look& look) {
    LoadPictures();
    const LoadedPictures pictures(*this);
    DecidedColour chooser(colour_);
    const RenderContext ctx{colour_.kind != ColourDecision::Kind::kNotAsked, &chooser, &pictures};
    RenderResult result;
    result.picture.SetFillColor(resultFill_);
    result.button = ImgViewClick(look.effect, look.category, *source_, result.picture, ctx);
    if (faces_ && !result.picture.Empty())
        KeepFacesClear(result.picture, *source_, faces_->BoxesFor(source_->Width(), source_->Height()));
    if (strength_ < kFullStrength && result.picture.Width() == source_->Width() &&
        result.picture.Height() == source_->Height())
        MixByStrength(result.picture, *source_, strength_, result.picture);
    return result;
}

RenderResult RenderJob::RunFilter(const FilterCall& filter) {
    if (!filter.effect || filter.arguments.size() != filter.effect->parameterCount)
        throw std::invalid_argument("the filter's arguments do not match its parameters");
    filter.effect->apply(effect_, filter.arguments);
    RenderResult result;
    result.picture.TakePixels(std::move(effect_.Picture()));
    return result;
}

RenderResult RenderJob::RunUserLook(const UserLook& look) {
    const std::shared_ptr<const PreparedLut> table = PreparedTable(look);
    RenderResult result;
    const bool own = !source_;
    const TBitmap& source = own ? ownSource_ : *source_;
    // Faces kept clear need the photo beside the look.
    if (own && strength_ >= kFullStrength && !faces_) {
        table->Apply(ownSource_, ownSource_);
        result.picture.TakePixels(std::move(ownSource_));
    } else {
        table->Apply(source, result.picture);
        if (faces_) KeepFacesClear(result.picture, source, faces_->BoxesFor(source.Width(), source.Height()));
        if (strength_ < kFullStrength) MixByStrength(result.picture, source, strength_, result.picture);
    }
    // As a catalogue look leaves it: a later mask look falls back on it.
    result.picture.SetFillColor(resultFill_);
    return result;
}

StripJob::StripJob(std::shared_ptr<const TBitmap> work, int category, const PictureSource& pictures)
    : work_(std::move(work)), category_(category), pictures_(pictures) {}

TBitmap ScaleToFit(const TBitmap& photo, int side) {
    TBitmap out;
    const int sw = photo.Width(), sh = photo.Height();
    if (photo.Empty() || side <= 0) return out;
    // 64-bit: a photo's side times a thumbnail's side may pass 2^31.
    const int tw = sw >= sh ? side : std::max(1, int((int64_t(sw) * side + sh / 2) / sh));
    const int th = sh > sw ? side : std::max(1, int((int64_t(sh) * side + sw / 2) / sw));
    out.SetSize(tw, th);
    // Target pixel x covers source columns [x * sw / tw, (x + 1) * sw / tw),
    // at least one of them.
    std::vector<int> firstColumn(size_t(tw) + 1);
    for (int x = 0; x <= tw; ++x) firstColumn[size_t(x)] = int(int64_t(x) * sw / tw);
    std::vector<uint64_t> sums(size_t(tw) * 3);
    for (int y = 0; y < th; ++y) {
        const int y0 = int(int64_t(y) * sh / th);
        const int y1 = std::max(y0 + 1, int(int64_t(y + 1) * sh / th));
        std::fill(sums.begin(), sums.end(), 0);
        for (int sy = y0; sy < y1; ++sy) {
            const uint8_t* row = photo.Row(sy);
            for (int x = 0; x < tw; ++x) {
                const int x0 = firstColumn[size_t(x)];
                const int x1 = std::max(x0 + 1, firstColumn[size_t(x) + 1]);
                uint64_t* sum = &sums[size_t(x) * 3];
                for (int sx = x0; sx < x1; ++sx) {
                    sum[0] += row[sx * 3];
                    sum[1] += row[sx * 3 + 1];
                    sum[2] += row[sx * 3 + 2];
                }
            }
        }
        uint8_t* out_row = out.Row(y);
        for (int x = 0; x < tw; ++x) {
            const int x0 = firstColumn[size_t(x)];
            const uint64_t count = uint64_t(std::max(x0 + 1, firstColumn[size_t(x) + 1]) - x0) * uint64_t(y1 - y0);
            for (int c = 0; c < 3; ++c) out_row[x * 3 + c] = uint8_t((sums[size_t(x) * 3 + c] + count / 2) / count);
        }
    }
    return out;
}

void StripJob::RunLarge(StripView& view) {
    const Category* c = FindCategory(category_);
    if (!c) return;
    if (c->stripButton == StripButton::kShownBefore) view.SetChangeColorButton(true);
    // The 105 x 105 thumbnail photo is kept as the small strip keeps it.
    thumb_.StretchDraw(*work_);
    if (c->stripButton == StripButton::kHiddenBefore) view.SetChangeColorButton(false);
    const auto scaled = std::make_shared<const TBitmap>(ScaleToFit(*work_, largeSide_));
    for (int n = 1; n <= kEffectCount; ++n) {
        // A strip superseded or cancelled stops between thumbnails.
        if (StopRequested()) return;
        RenderJob job(scaled, Look{category_, n}, pictures_);
        job.SetFaces(faces_);
        view.ThumbnailDone(n, job.Run().picture, true);
    }
    if (c->stripButton == StripButton::kShownAfter) view.SetChangeColorButton(true);
    if (c->stripButton == StripButton::kHiddenAfter) view.SetChangeColorButton(false);
}

namespace {

// Hands each thumbnail on with the faces kept clear, on a copy: the
// colour strips go on from the thumbnail buffer they were handed.
class FacesClearView : public StripView {
public:
    FacesClearView(StripView& view, const TBitmap& thumb, PhotoFaces& faces)
        : view_(view), thumb_(thumb), faces_(faces) {}
    void ThumbnailDone(int n, const TBitmap& picture, bool repaint) override {
        if (!boxes_) boxes_ = faces_.BoxesFor(thumb_.Width(), thumb_.Height());
        TBitmap kept;
        kept.CopyFrom(picture);
        KeepFacesClear(kept, thumb_, *boxes_);
        view_.ThumbnailDone(n, kept, repaint);
    }
    void SetChangeColorButton(bool visible) override { view_.SetChangeColorButton(visible); }

private:
    StripView& view_;
    const TBitmap& thumb_;
    PhotoFaces& faces_;
    std::optional<std::vector<FaceBox>> boxes_;
};

}  // namespace

void StripJob::Run(StripView& view) {
    if (largeSide_ > 0) {
        thumb_.SetSize(kThumbSide, kThumbSide);
        RunLarge(view);
        TrimPixelPool();
        return;
    }
    // Thumbnails never ask for a colour, even when a strip is filled from
    // inside a "Change Color" re-render.
    const RenderContext ctx{false, nullptr, &pictures_};
    thumb_.SetSize(kThumbSide, kThumbSide);
    if (faces_) {
        FacesClearView kept(view, thumb_, *faces_);
        RenderStrip(category_, *work_, thumb_, result_, ctx, kept);
    } else {
        RenderStrip(category_, *work_, thumb_, result_, ctx, view);
    }
    TrimPixelPool();
}

}  // namespace corvessa
