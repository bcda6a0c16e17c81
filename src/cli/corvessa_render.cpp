// corvessa-render: renders the program's looks and the effect component's
// filters without the window, for scripts and batches.

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <mutex>
#include <new>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include <omp.h>

#include "catalogue/catalogue.h"
#include "effectimage/effect_image.h"
#include "io/photo_files.h"
#include "io/photo_metadata.h"
#include "routines/error.h"
#include "routines/picture_cache.h"
#include "routines/random.h"

namespace corvessa {
namespace {

namespace fs = std::filesystem;

constexpr const char* kUsage =
    "usage: corvessa-render [--pic DIR] --look CATEGORY:N [--color R,G,B | --color cancel] [--seed S] INPUT OUTPUT\n"
    "       corvessa-render [--seed S] --filter NAME[:ARG[,ARG...]] INPUT OUTPUT\n"
    "       corvessa-render [--pic DIR] --strip CATEGORY INPUT OUTDIR\n"
    "       corvessa-render --look CATEGORY:N -o OUTDIR INPUT...\n"
    "       corvessa-render --list\n";

// A command line that makes no sense: reported with the usage text.
struct UsageError {
    std::string text;
};

bool ParseInt(std::string_view text, long long low, long long high, long long& value) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && !text.empty() && value >= low && value <= high;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (;;) {
        const size_t at = text.find(separator, start);
        parts.push_back(text.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
        if (at == std::string_view::npos) return parts;
        start = at + 1;
    }
}

const Category& ParseCategory(std::string_view text) {
    long long number = 0;
    const Category* category =
        ParseInt(text, 1, kCategoryCount, number) ? FindCategory(int(number)) : FindCategoryByCaption(text);
    if (!category) throw UsageError{"unknown category \"" + std::string(text) + "\" (see --list)"};
    return *category;
}

struct Look {
    int category = 0;
    int effect = 0;
};

Look ParseLook(std::string_view text) {
    const size_t colon = text.rfind(':');
    long long effect = 0;
    if (colon == std::string_view::npos || !ParseInt(text.substr(colon + 1), 1, kEffectCount, effect))
        throw UsageError{"--look wants CATEGORY:N with N from 1 to 10"};
    return {ParseCategory(text.substr(0, colon)).number, int(effect)};
}

// Answers every question for a colour the same way, as --color says.
class FixedColorChooser : public ColorChooser {
public:
    explicit FixedColorChooser(std::optional<Rgb> answer) : answer_(answer) {}
    std::optional<Rgb> ChooseColor() override { return answer_; }

private:
    std::optional<Rgb> answer_;
};

std::optional<Rgb> ParseColor(std::string_view text) {
    if (text == "cancel") return std::nullopt;
    const auto parts = Split(text, ',');
    long long c[3];
    if (parts.size() != 3 || !ParseInt(parts[0], 0, 255, c[0]) || !ParseInt(parts[1], 0, 255, c[1]) ||
        !ParseInt(parts[2], 0, 255, c[2]))
        throw UsageError{"--color wants R,G,B (0 to 255 each) or cancel"};
    return Rgb{uint8_t(c[0]), uint8_t(c[1]), uint8_t(c[2])};
}

// --- The effect component's filters ---------------------------------------

struct Filter {
    const char* name;
    const char* arguments;  // for --list and messages
    size_t argumentCount;
    void (*apply)(TProEffectImage&, const std::vector<int>&);
};

#define CORVESSA_FILTER0(Name) \
    {#Name, "", 0, [](TProEffectImage& e, const std::vector<int>&) { e.Effect_##Name(); }}
#define CORVESSA_FILTER1(Name, Arg) \
    {#Name, Arg, 1, [](TProEffectImage& e, const std::vector<int>& a) { e.Effect_##Name(a[0]); }}

constexpr Filter kFilters[] = {
    CORVESSA_FILTER0(Invert),
    CORVESSA_FILTER1(AddColorNoise, "RANGE"),
    CORVESSA_FILTER1(AddMonoNoise, "RANGE"),
    CORVESSA_FILTER0(AntiAlias),
    CORVESSA_FILTER1(Contrast, "STRENGTH"),
    CORVESSA_FILTER1(FishEye, "RADIUSFACTOR"),
    CORVESSA_FILTER0(GrayScale),
    CORVESSA_FILTER1(Lightness, "STRENGTH"),
    CORVESSA_FILTER1(Darkness, "STRENGTH"),
    CORVESSA_FILTER1(Saturation, "STRENGTH"),
    CORVESSA_FILTER1(SplitBlur, "DISTANCE"),
    CORVESSA_FILTER1(GaussianBlur, "EXTRAPASSES"),
    CORVESSA_FILTER1(Mosaic, "BLOCKSIZE"),
    CORVESSA_FILTER1(Twist, "RADIUS"),
    CORVESSA_FILTER1(Splitlight, "PASSES"),
    CORVESSA_FILTER1(Tile, "TILESPERSIDE"),
    {"SpotLight", "STRENGTH,LEFT,TOP,RIGHT,BOTTOM", 5,
     [](TProEffectImage& e, const std::vector<int>& a) {
         TRect rect{a[1], a[2], a[3], a[4]};
         e.Effect_SpotLight(a[0], rect);
     }},
    CORVESSA_FILTER1(Trace, "PASSES"),
    CORVESSA_FILTER0(Emboss),
    CORVESSA_FILTER1(Solorize, "THRESHOLD"),
    CORVESSA_FILTER1(Posterize, "LEVELSTEP"),
};

#undef CORVESSA_FILTER0
#undef CORVESSA_FILTER1

std::string FilterSynopsis(const Filter& filter) {
    std::string text = filter.name;
    if (filter.argumentCount > 0) text += std::string(":") + filter.arguments;
    return text;
}

struct FilterCall {
    const Filter* filter = nullptr;
    std::vector<int> arguments;
};

FilterCall ParseFilter(std::string_view text) {
    const size_t colon = text.find(':');
    const std::string_view name = text.substr(0, colon);
    FilterCall call;
    for (const Filter& filter : kFilters) {
        const std::string_view candidate = filter.name;
        if (candidate.size() == name.size() &&
            std::equal(name.begin(), name.end(), candidate.begin(),
                       [](char a, char b) { return std::tolower((unsigned char)a) == std::tolower((unsigned char)b); }))
            call.filter = &filter;
    }
    if (!call.filter) throw UsageError{"unknown filter \"" + std::string(name) + "\" (see --list)"};
    if (colon != std::string_view::npos) {
        for (std::string_view part : Split(text.substr(colon + 1), ',')) {
            long long value = 0;
            if (!ParseInt(part, INT32_MIN, INT32_MAX, value))
                throw UsageError{"filter argument \"" + std::string(part) + "\" is not a whole number"};
            call.arguments.push_back(int(value));
        }
    }
    if (call.arguments.size() != call.filter->argumentCount)
        throw UsageError{"the filter wants " + FilterSynopsis(*call.filter)};
    return call;
}

// --- Program folder and pictures -------------------------------------------

std::string ExecutableFolder() {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return (ec ? fs::current_path() : self.parent_path()).string() + "/";
}

// The routines find their pictures under AppDir + "pic/". A picture folder
// given by --pic under another name is reached through a private program
// folder holding a link named "pic" to it; messages name the folder the
// user gave, not the link.
class PictureFolder {
public:
    explicit PictureFolder(const std::optional<std::string>& picDir) {
        if (!picDir) {
            appDir_ = ExecutableFolder();
            return;
        }
        std::error_code ec;
        if (!fs::is_directory(*picDir, ec)) throw CannotOpenFile(*picDir);
        const fs::path dir = fs::absolute(*picDir).lexically_normal();
        const fs::path folder = dir.has_filename() ? dir : dir.parent_path();
        if (folder.filename() == "pic") {
            appDir_ = folder.parent_path().string() + "/";
            return;
        }
        std::string temp = (fs::temp_directory_path() / "corvessa-render.XXXXXX").string();
        if (!mkdtemp(temp.data())) throw CannotCreateFile(temp);
        linkDir_ = temp;
        fs::create_directory_symlink(folder, fs::path(temp) / "pic", ec);
        if (ec) throw CannotCreateFile((fs::path(temp) / "pic").string());
        appDir_ = temp + "/";
        userDir_ = folder.string();
    }
    ~PictureFolder() {
        if (linkDir_.empty()) return;
        std::error_code ec;
        fs::remove(fs::path(linkDir_) / "pic", ec);
        fs::remove(linkDir_, ec);
    }
    PictureFolder(const PictureFolder&) = delete;
    PictureFolder& operator=(const PictureFolder&) = delete;

    const std::string& AppDir() const { return appDir_; }

    // `message` with the link's path put back to the folder the user gave.
    std::string InUserTerms(std::string message) const {
        if (linkDir_.empty()) return message;
        const std::string link = appDir_ + "pic";
        for (size_t at; (at = message.find(link)) != std::string::npos;) message.replace(at, link.size(), userDir_);
        return message;
    }

private:
    std::string appDir_;
    std::string linkDir_;
    std::string userDir_;
};

// --- Options -----------------------------------------------------------------

enum class Mode { kNone, kLook, kFilter, kStrip, kList };

struct Options {
    Mode mode = Mode::kNone;
    std::optional<std::string> picDir;
    Look look;
    bool changeColor = false;
    std::optional<Rgb> color;
    std::optional<uint32_t> seed;
    FilterCall filter;
    int stripCategory = 0;
    std::optional<std::string> outDir;
    std::vector<std::string> positional;
};

void SetMode(Options& options, Mode mode) {
    if (options.mode != Mode::kNone) throw UsageError{"give one of --look, --filter, --strip and --list"};
    options.mode = mode;
}

Options ParseOptions(int argc, char** argv) {
    Options options;
    bool endOfOptions = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (endOfOptions || arg.empty() || arg[0] != '-' || arg == "-") {
            options.positional.emplace_back(arg);
            continue;
        }
        if (arg == "--") {
            endOfOptions = true;
            continue;
        }
        if (arg == "--list") {
            SetMode(options, Mode::kList);
            continue;
        }
        if (i + 1 >= argc) throw UsageError{std::string(arg) + " wants a value"};
        const std::string_view value = argv[++i];
        if (arg == "--pic") {
            options.picDir = std::string(value);
        } else if (arg == "--look") {
            SetMode(options, Mode::kLook);
            options.look = ParseLook(value);
        } else if (arg == "--color") {
            options.changeColor = true;
            options.color = ParseColor(value);
        } else if (arg == "--seed") {
            long long seed = 0;
            if (!ParseInt(value, 0, UINT32_MAX, seed)) throw UsageError{"--seed wants a number from 0 to 4294967295"};
            options.seed = uint32_t(seed);
        } else if (arg == "--filter") {
            SetMode(options, Mode::kFilter);
            options.filter = ParseFilter(value);
        } else if (arg == "--strip") {
            SetMode(options, Mode::kStrip);
            options.stripCategory = ParseCategory(value).number;
        } else if (arg == "-o") {
            options.outDir = std::string(value);
        } else {
            throw UsageError{"unknown option " + std::string(arg)};
        }
    }

    const size_t count = options.positional.size();
    switch (options.mode) {
    case Mode::kNone: throw UsageError{"give one of --look, --filter, --strip and --list"};
    case Mode::kList:
        if (count != 0) throw UsageError{"--list takes no files"};
        break;
    case Mode::kLook:
        if (options.outDir ? count < 1 : count != 2)
            throw UsageError{options.outDir ? "-o OUTDIR wants at least one INPUT" : "--look wants INPUT and OUTPUT"};
        break;
    case Mode::kFilter:
        if (count != 2) throw UsageError{"--filter wants INPUT and OUTPUT"};
        break;
    case Mode::kStrip:
        if (count != 2) throw UsageError{"--strip wants INPUT and OUTDIR"};
        break;
    }
    if (options.outDir && options.mode != Mode::kLook) throw UsageError{"-o belongs with --look"};
    if (options.changeColor && options.mode != Mode::kLook) throw UsageError{"--color belongs with --look"};
    return options;
}

// --- Rendering -----------------------------------------------------------------

// What one render needs of the program: the generator, the effect component
// and the context. One per thread.
class Renderer {
public:
    Renderer(const Options& options, const std::string& appDir) : chooser_(options.color), effect_(random_) {
        if (options.seed)
            random_.SetSeed(*options.seed);
        else
            random_.Randomize();
        ctx_.changeColorMode = options.changeColor;
        ctx_.colorChooser = &chooser_;
        ctx_.appDir = appDir;
        ctx_.effect = &effect_;
        ctx_.pictures = &pictures_;
    }

    // Decodes the pictures `look` will read into the cache, to be run while
    // the photo is being read. Failures are left for the render to report.
    void Prefetch(const corvessa::Look& look) {
        for (const PictureName& picture : FullSizePictures(look.category, look.effect)) {
            try {
                LoadOverlay(ctx_, picture.folder, picture.number);
            } catch (const std::exception&) {
                return;
            }
        }
    }

    TBitmap Look(const corvessa::Look& look, const TBitmap& work) {
        TBitmap result;
        ImgViewClick(look.effect, look.category, work, result, ctx_);
        return result;
    }

    TBitmap Filter(const FilterCall& call, TBitmap&& work) {
        effect_.Picture().TakePixels(std::move(work));
        call.filter->apply(effect_, call.arguments);
        TBitmap result;
        result.TakePixels(std::move(effect_.Picture()));
        return result;
    }

    const RenderContext& Context() const { return ctx_; }

private:
    RandomGenerator random_;
    FixedColorChooser chooser_;
    TProEffectImage effect_;
    PictureCache pictures_;
    RenderContext ctx_;
};

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec);
}

void CheckNotAnInput(const std::string& input, const std::string& output) {
    if (SameFile(input, output)) throw CorvessaError(output + " is the input; it is not overwritten");
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

void MakeFolder(const std::string& dir) {
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (!fs::is_directory(dir, ec)) throw CannotCreateFile(dir);
}

int ListCategories() {
    std::printf("Categories (--look CATEGORY:N, --strip CATEGORY):\n");
    for (const Category& category : kCategories)
        std::printf("  %2d  %.*s\n", category.number, int(category.caption.size()), category.caption.data());
    std::printf("Filters (--filter NAME[:ARG,...]):\n");
    for (const Filter& filter : kFilters) std::printf("  %s\n", FilterSynopsis(filter).c_str());
    return 0;
}

// Renders one look for every input into OUTDIR, two inputs at a time.
int RenderBatch(const Options& options, const PictureFolder& pictures) {
    MakeFolder(*options.outDir);
    const std::vector<std::string>& inputs = options.positional;

    // Decide every output name first: an output that would land on an input,
    // or on another input's output, is refused before anything is written.
    std::vector<std::string> outputs(inputs.size());
    std::vector<std::string> refusals(inputs.size());
    std::set<std::string> taken;
    for (size_t i = 0; i < inputs.size(); ++i) {
        outputs[i] = (fs::path(*options.outDir) / fs::path(inputs[i]).filename()).string();
        std::error_code ec;
        const std::string key = fs::weakly_canonical(outputs[i], ec).string();
        for (const std::string& input : inputs)
            if (SameFile(input, outputs[i])) refusals[i] = outputs[i] + " is an input; it is not overwritten";
        if (refusals[i].empty() && !taken.insert(key).second)
            refusals[i] = outputs[i] + " is the output of an earlier input; it is not overwritten";
    }

    const bool progress = isatty(STDERR_FILENO);
    const unsigned workers = unsigned(std::min<size_t>({2, inputs.size(), std::max(1u, std::thread::hardware_concurrency())}));
    std::atomic<size_t> next{0};
    std::atomic<bool> allGood{true};
    std::mutex errMutex;
    size_t done = 0;

    const auto report = [&](const std::string& line) {
        std::lock_guard lock(errMutex);
        if (!line.empty()) {
            allGood = false;
            std::fprintf(stderr, "%scorvessa-render: %s\n", progress ? "\r\033[K" : "", line.c_str());
        }
        ++done;
        if (progress) std::fprintf(stderr, "\r\033[K%zu of %zu done", done, inputs.size());
    };

    const auto work = [&] {
        // With two inputs at a time each already has a core: keep the row
        // loops of this thread on it.
        if (workers > 1) omp_set_num_threads(1);
        Renderer renderer(options, pictures.AppDir());
        for (size_t i; (i = next++) < inputs.size();) {
            if (!refusals[i].empty()) {
                report(refusals[i]);
                continue;
            }
            try {
                PhotoMetadata metadata;
                const TBitmap work = ReadPhotoUpright(inputs[i], metadata);
                WritePictureFileWithMetadata(renderer.Look(options.look, work), outputs[i], metadata);
                report("");
            } catch (const std::bad_alloc&) {
                report(inputs[i] + ": " + NotEnoughMemory().what());
            } catch (const std::exception& error) {
                report(inputs[i] + ": " + pictures.InUserTerms(error.what()));
            }
        }
    };
    std::vector<std::thread> threads;
    for (unsigned t = 1; t < workers; ++t) threads.emplace_back(work);
    work();
    for (std::thread& thread : threads) thread.join();
    if (progress) std::fprintf(stderr, "\n");
    return allGood ? 0 : 1;
}

int Render(const Options& options, const PictureFolder& pictures) {
    if (options.mode == Mode::kLook && options.outDir) return RenderBatch(options, pictures);

    const std::string& input = options.positional[0];
    const std::string& output = options.positional[1];
    Renderer renderer(options, pictures.AppDir());
    switch (options.mode) {
    case Mode::kLook: {
        CheckNotAnInput(input, output);
        // The photo and the look's pictures are decoded side by side.
        PhotoMetadata metadata;
        TBitmap work;
        {
            std::jthread prefetch([&] { renderer.Prefetch(options.look); });
            work = ReadPhotoUpright(input, metadata);
        }
        WritePictureFileWithMetadata(renderer.Look(options.look, work), output, metadata);
        break;
    }
    case Mode::kFilter: {
        CheckNotAnInput(input, output);
        PhotoMetadata metadata;
        TBitmap result = renderer.Filter(options.filter, ReadPhotoUpright(input, metadata));
        WritePictureFileWithMetadata(result, output, metadata);
        break;
    }
    case Mode::kStrip: {
        PhotoMetadata metadata;  // thumbnails are BMPs: only the orientation matters
        const TBitmap work = ReadPhotoUpright(input, metadata);
        MakeFolder(output);
        TBitmap thumb(kThumbSide, kThumbSide), result;
        StripWriter writer(input, output);
        RenderStrip(options.stripCategory, work, thumb, result, renderer.Context(), writer);
        break;
    }
    default: break;
    }
    return 0;
}

int Run(const Options& options) {
    if (options.mode == Mode::kList) return ListCategories();
    const PictureFolder pictures(options.picDir);
    try {
        return Render(options, pictures);
    } catch (const CorvessaError& error) {
        throw CorvessaError(pictures.InUserTerms(error.what()));
    }
}

}  // namespace
}  // namespace corvessa

int main(int argc, char** argv) {
    using namespace corvessa;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--") break;
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
    }
    try {
        return Run(ParseOptions(argc, argv));
    } catch (const UsageError& error) {
        std::fprintf(stderr, "corvessa-render: %s\n%s", error.text.c_str(), kUsage);
        return 2;
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "corvessa-render: %s\n", NotEnoughMemory().what());
        return 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "corvessa-render: %s\n", error.what());
        return 1;
    }
}
