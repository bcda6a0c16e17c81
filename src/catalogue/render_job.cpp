#include "catalogue/render_job.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

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

StripJob::StripJob(std::shared_ptr<const TBitmap> work, int category, const PictureSource& pictures)
    : work_(std::move(work)), category_(category), pictures_(pictures) {}

void StripJob::Run(StripView& view) {
    // Thumbnails never ask for a colour, even when a strip is filled from
    // inside a "Change Color" re-render.
    const RenderContext ctx{false, nullptr, &pictures_};
    thumb_.SetSize(kThumbSide, kThumbSide);
    RenderStrip(category_, *work_, thumb_, result_, ctx, view);
    TrimPixelPool();
}

}  // namespace corvessa
