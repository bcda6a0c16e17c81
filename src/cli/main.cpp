// corvessa-render: renders the program's looks and the effect component's
// filters without the window, for scripts and batches.

#include <QCoreApplication>
#include <clocale>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <new>
#include <string>
#include <system_error>
#include <thread>

#include "io/cube_file.h"
#include "batch/batch.h"
#include "catalogue/render_job.h"
#include "cli/batch.h"
#include "cli/options.h"
#include "cli/words.h"
#include "ground/error.h"
#include "ground/random.h"
#include "io/photo_files.h"
#include "io/photo_formats.h"
#include "io/photo_export.h"
#include "io/photo_metadata.h"
#include "io/picture_source.h"
#include "io/program_files.h"
#include "session/language.h"
#include "session/words.h"

namespace corvessa {
namespace cli {
namespace {

namespace fs = std::filesystem;

// The pic folder among the program's files, or the folder --pic names.
std::string PictureFolder(const Options& options) {
    if (options.picDir) {
        std::error_code ec;
        if (!fs::is_directory(*options.picDir, ec))
            throw CannotOpenFile(*options.picDir, fs::exists(*options.picDir, ec) ? "it is not a folder"
                                                                                   : "No such file or directory");
        return *options.picDir;
    }
    return ProgramFilesFolder() + "pic";
}

// Writes each thumbnail as soon as it is done, as the window shows it.
class StripWriter : public StripView {
public:
    StripWriter(std::string input, std::string outDir) : input_(std::move(input)), outDir_(std::move(outDir)) {}
    void ThumbnailDone(int n, const TBitmap& picture, bool) override {
        const std::string path = (fs::path(outDir_) / (std::to_string(n) + ".bmp")).string();
        CheckNotAnInput(input_, path);
        WriteBmpFile(picture, path);
    }
    void SetChangeColorButton(bool) override {}

private:
    std::string input_;
    std::string outDir_;
};

int ListCategories() {
    // The captions are what --look and --strip take, so they stay as they
    // are; the names only describe.
    std::printf("%s\n", Text(QCoreApplication::translate("corvessa-render",
                                                          "Categories (--look CATEGORY:N, --strip CATEGORY):"))
                            .c_str());
    for (const Category& category : kCategories) {
        std::printf("  %2d  %.*s\n", category.number, int(category.caption.size()), category.caption.data());
        for (int n = 1; n <= kEffectCount; ++n) {
            const std::string name = Text(Words("Looks", category.lookNames[size_t(n - 1)]));
            std::printf("        %2d  %s\n", n, name.c_str());
        }
    }
    std::printf("%s\n", Text(QCoreApplication::translate("corvessa-render", "Filters (--filter NAME[:ARG,...]):")).c_str());
    for (const EffectEntry& effect : kEffects) std::printf("  %s\n", FilterSynopsis(effect).c_str());
    return 0;
}

int RenderLook(const Options& options, const PictureSource& pictures) {
    const std::string& input = options.positional[0];
    const std::string& output = options.positional[1];
    CheckNotAnInput(input, output);
    // The photo and the look's pictures are decoded side by side (when a
    // thread can be had); a picture that fails here fails again, and is
    // reported, in the render.
    PhotoMetadata metadata;
    std::shared_ptr<const TBitmap> photo;
    {
        std::jthread prefetch;
        try {
            prefetch = std::jthread([&] {
                try {
                    for (PictureName name : RecipePictures(options.look.category, options.look.effect, Stage::kFullSize))
                        pictures.Load(name);
                } catch (const std::exception&) {
                }
            });
        } catch (const std::system_error&) {
        }
        photo = std::make_shared<const TBitmap>(batch::EditPhoto(ReadPhotoUpright(input, metadata), options.edits.edits, input));
    }
    RenderJob job(photo, options.look, pictures);
    if (options.keepFaces) job.SetFaces(std::make_shared<PhotoFaces>(photo));
    job.DecideColour(options.Colour());
    job.SetStrength(options.strength);
    TBitmap result = std::move(job.Run().picture);
    PrepareExport(result, metadata, options.exported);
    WritePictureFileWithMetadata(result, output, metadata, LinkPolicy::kFollowLikeTheKernel, options.quality);
    return 0;
}

int RenderLut(const Options& options, const UserLook& lut) {
    const std::string& input = options.positional[0];
    const std::string& output = options.positional[1];
    CheckNotAnInput(input, output);
    RenderLutPhoto(lut, options.strength, input, output, LinkPolicy::kFollowLikeTheKernel, options.quality, nullptr,
                   options.edits.edits, options.exported, options.keepFaces);
    return 0;
}

// The edits alone: the edited photo is written.
int RenderEdited(const Options& options) {
    const std::string& input = options.positional[0];
    const std::string& output = options.positional[1];
    CheckNotAnInput(input, output);
    PhotoMetadata metadata;
    TBitmap edited = batch::EditPhoto(ReadPhotoUpright(input, metadata), options.edits.edits, input);
    PrepareExport(edited, metadata, options.exported);
    WritePictureFileWithMetadata(edited, output, metadata, LinkPolicy::kFollowLikeTheKernel, options.quality);
    return 0;
}

int RenderFilter(const Options& options) {
    const std::string& input = options.positional[0];
    const std::string& output = options.positional[1];
    CheckNotAnInput(input, output);
    PhotoMetadata metadata;
    RandomGenerator clock;
    clock.Randomize();
    RenderJob job(batch::EditPhoto(ReadPhotoUpright(input, metadata), options.edits.edits, input), options.filter,
                  options.seed.value_or(clock.Seed()));
    TBitmap result = std::move(job.Run().picture);
    PrepareExport(result, metadata, options.exported);
    WritePictureFileWithMetadata(result, output, metadata, LinkPolicy::kFollowLikeTheKernel, options.quality);
    return 0;
}

int RenderStrip(const Options& options, const PictureSource& pictures) {
    const std::string& input = options.positional[0];
    const std::string& outDir = options.positional[1];
    PhotoMetadata metadata;  // thumbnails are BMPs: only the orientation matters
    auto photo = std::make_shared<const TBitmap>(ReadPhotoUpright(input, metadata));
    batch::MakeFolder(outDir);
    StripWriter writer(input, outDir);
    StripJob job(photo, options.stripCategory, pictures);
    job.SetLargeSide(options.thumbnailSize);
    job.Run(writer);
    return 0;
}

int ListFormats() {
    std::fputs(FormatListing(Text(Words("Formats", kListedReadWrite)), Text(Words("Formats", kListedRead))).c_str(),
               stdout);
    return 0;
}

int Run(const Options& options) {
    if (options.mode == Mode::kList) return ListCategories();
    if (options.mode == Mode::kListFormats) return ListFormats();
    if (options.mode == Mode::kFilter) return RenderFilter(options);
    if (options.mode == Mode::kEdit && !options.outDir) return RenderEdited(options);
    if (options.lut) {
        // The table first: a broken one is told before any photo is read.
        UserLook lut;
        lut.path = *options.lut;
        lut.table = std::make_shared<const PreparedLut>(ReadCubeLutFile(*options.lut));
        if (!options.outDir) return RenderLut(options, lut);
        PictureCache cache;
        const FolderPictures pictures(ProgramFilesFolder() + "pic", &cache);
        return RenderBatch(options, pictures, &lut);
    }
    PictureCache cache;
    const FolderPictures pictures(options.mode == Mode::kEdit ? ProgramFilesFolder() + "pic" : PictureFolder(options),
                                  &cache);
    if (options.mode == Mode::kStrip) return RenderStrip(options, pictures);
    if (options.outDir) return RenderBatch(options, pictures);
    return RenderLook(options, pictures);
}

}  // namespace
}  // namespace cli
}  // namespace corvessa

int main(int argc, char** argv) {
    using namespace corvessa;
    // Qt's translations want an application; it reads no display. It
    // takes the user's locale, whose decimal comma would change the
    // numbers printed and parsed: those stay as C writes them.
    QCoreApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    InstallUserLanguage();
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--") break;
        if (arg == "--help" || arg == "-h") {
            std::fputs(cli::Usage().c_str(), stdout);
            return 0;
        }
    }
    try {
        return cli::Run(cli::ParseOptions(argc, argv));
    } catch (const cli::UsageError& error) {
        std::fprintf(stderr, "corvessa-render: %s\n%s", cli::RenderWords(error.text).c_str(), cli::Usage().c_str());
        return 2;
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "corvessa-render: %s\n", cli::RenderWords(NotEnoughMemory().what()).c_str());
        return 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "corvessa-render: %s\n", cli::RenderWords(error.what()).c_str());
        return 1;
    }
}
