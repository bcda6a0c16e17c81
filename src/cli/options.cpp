#include "cli/options.h"

#include <QCoreApplication>
#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>

#include "cli/words.h"
#include "io/photo_formats.h"

namespace corvessa {
namespace cli {

namespace {

std::string MakeUsage() {
    // Four pieces to translate, around what the tables give.
    return Text(QCoreApplication::translate("corvessa-render",
           "usage: corvessa-render [EDITS] [--pic DIR] --look CATEGORY:N [--color R,G,B | --color cancel]\n"
           "                       [--strength S] [--keep-faces] [--quality Q] INPUT OUTPUT\n"
           "       corvessa-render [EDITS] --lut FILE.cube [--strength S] [--keep-faces] [--quality Q] INPUT OUTPUT\n"
           "       corvessa-render [EDITS] [--seed S] --filter NAME[:ARG[,ARG...]] [--quality Q] INPUT OUTPUT\n"
           "       corvessa-render EDITS [--quality Q] INPUT OUTPUT\n"
           "       corvessa-render [--pic DIR] --strip CATEGORY [--thumbnail-size N] INPUT OUTDIR\n"
           "       corvessa-render [EDITS] --look CATEGORY:N [--color ...] [--strength S] [--keep-faces] -o OUTDIR\n"
           "                       [--files-from FILE|- [-0]] [-j N]\n"
           "                       [--name PATTERN] [--format FORMAT] [--quality Q] [--skip-existing] [--report FILE|-]\n"
           "                       [INPUT...]\n"
           "       corvessa-render --list\n"
           "       corvessa-render --list-formats\n"
           "\n"
           "  --lut FILE.cube     a 1D or 3D colour table of the .cube form as the look; also with -o\n"
           "  --keep-faces        the look taken back over each face found in the photo, its hair and neck\n"
           "  --quality Q         1 to 100, for a lossy output format (JPEG: 90 unless given)\n"
           "  --resize N          the output's longer side N pixels (16 to 65535); WxH: fit inside\n"
           "                      W x H; P%: P percent of each side (1 to 100). Never enlarges\n"
           "  --strip-location    the output carries no GPS position; the other camera data stays\n"
           "  --strip-metadata    the output carries no camera data (the colour profile stays)\n"
           "  --srgb              the output's colours converted to sRGB from the photo's profile\n"
           "                      (these four with --look, --lut, --filter, the edits or alone; also with -o)\n"
           "  --thumbnail-size N  large thumbnails: each look's full render of the photo scaled to\n"
           "                      N pixels on its longer side (16 to 1024)\n")) +
           "\n" + EditUsage() + "\n" +
           Text(QCoreApplication::translate("corvessa-render",
           "Batch options (with -o OUTDIR, after --look, --lut or the edits alone):\n"
           "  --files-from FILE   more inputs, one a line (- for standard input)\n"
           "  -0, --null          the names in --files-from end with a NUL byte instead of a line's end\n"
           "                      (find -print0), for names that hold a newline\n"
           "  -j N                photos rendered at once (default: one per core)\n"
           "  --name PATTERN      output names: {name} {folder} {category} {effect} {look} (default: {name})\n"
           "  --format FORMAT     ")) +
           WritableFormatNames() +
           Text(QCoreApplication::translate("corvessa-render",
           " (default: the output name's extension)\n"
           "  --skip-existing     leave outputs that exist as they are\n"
           "  --report FILE       one JSON line a photo (- for standard output); see corvessa-render(1)\n"));
}

}  // namespace

const std::string& Usage() {
    static const std::string usage = MakeUsage();
    return usage;
}

namespace {

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

Look ParseLook(std::string_view text) {
    const size_t colon = text.rfind(':');
    long long effect = 0;
    if (colon == std::string_view::npos || !ParseInt(text.substr(colon + 1), 1, kEffectCount, effect))
        throw UsageError{"--look wants CATEGORY:N with N from 1 to 10"};
    return {ParseCategory(text.substr(0, colon)).number, int(effect)};
}

std::optional<Rgb> ParseColor(std::string_view text) {
    if (text == "cancel") return std::nullopt;
    const auto parts = Split(text, ',');
    long long c[3];
    if (parts.size() != 3 || !ParseInt(parts[0], 0, 255, c[0]) || !ParseInt(parts[1], 0, 255, c[1]) ||
        !ParseInt(parts[2], 0, 255, c[2]))
        throw UsageError{"--color wants R,G,B (0 to 255 each) or cancel"};
    return Rgb{uint8_t(c[0]), uint8_t(c[1]), uint8_t(c[2])};
}

FilterCall ParseFilter(std::string_view text) {
    const size_t colon = text.find(':');
    const std::string_view name = text.substr(0, colon);
    FilterCall call;
    call.effect = FindEffect(name);
    if (!call.effect) throw UsageError{"unknown filter \"" + std::string(name) + "\" (see --list)"};
    if (colon != std::string_view::npos) {
        for (std::string_view part : Split(text.substr(colon + 1), ',')) {
            long long value = 0;
            if (!ParseInt(part, INT32_MIN, INT32_MAX, value))
                throw UsageError{"filter argument \"" + std::string(part) + "\" is not a whole number"};
            call.arguments.push_back(int(value));
        }
    }
    if (call.arguments.size() != call.effect->parameterCount)
        throw UsageError{"the filter wants " + FilterSynopsis(*call.effect)};
    return call;
}

void SetMode(Options& options, Mode mode) {
    if (options.mode != Mode::kNone)
        throw UsageError{"give one of --look, --lut, --filter, --strip, --list and --list-formats"};
    options.mode = mode;
}

void CheckPositional(const Options& options) {
    const size_t count = options.positional.size();
    switch (options.mode) {
    case Mode::kNone: throw UsageError{"give one of --look, --lut, --filter, --strip, --list and --list-formats, or edits"};
    case Mode::kEdit:
        if (options.outDir ? count < 1 && !options.filesFrom : count != 2)
            throw UsageError{options.outDir ? "-o OUTDIR wants at least one INPUT or --files-from"
                                            : "the edits want INPUT and OUTPUT"};
        break;
    case Mode::kList:
        if (count != 0) throw UsageError{"--list takes no files"};
        break;
    case Mode::kListFormats:
        if (count != 0) throw UsageError{"--list-formats takes no files"};
        break;
    case Mode::kLook:
        if (options.outDir ? count < 1 && !options.filesFrom : count != 2)
            throw UsageError{options.outDir ? "-o OUTDIR wants at least one INPUT or --files-from"
                                            : options.lut ? "--lut wants INPUT and OUTPUT"
                                                          : "--look wants INPUT and OUTPUT"};
        break;
    case Mode::kFilter:
        if (count != 2) throw UsageError{"--filter wants INPUT and OUTPUT"};
        break;
    case Mode::kStrip:
        if (count != 2) throw UsageError{"--strip wants INPUT and OUTDIR"};
        break;
    }
    if (options.outDir && options.mode != Mode::kLook && options.mode != Mode::kEdit)
        throw UsageError{"-o belongs with --look, --lut or the edits alone"};
    const bool edited = options.mode == Mode::kLook || options.mode == Mode::kFilter || options.mode == Mode::kEdit;
    if (options.edits.given && !edited) throw UsageError{"the edits belong with --look, --lut, --filter or alone"};
    const bool batchOnly = options.filesFrom || options.jobs || options.names || options.format ||
                           options.skipExisting || options.report;
    if (batchOnly && !options.outDir)
        throw UsageError{"--files-from, -j, --name, --format, --skip-existing and --report belong with -o OUTDIR"};
    if (options.nulSeparated && !options.filesFrom) throw UsageError{"-0 belongs with --files-from"};
    if (options.thumbnailSize && options.mode != Mode::kStrip) throw UsageError{"--thumbnail-size belongs with --strip"};
    if (options.changeColor && (options.mode != Mode::kLook || options.lut))
        throw UsageError{"--color belongs with --look"};
    if (options.picDir && options.lut) throw UsageError{"--pic belongs with --look or --strip"};
    // A table is no look of the catalogue, and the edits alone no look at
    // all: neither has a category, number or name.
    if ((options.lut || options.mode == Mode::kEdit) && options.names)
        for (std::string_view field : {"{category}", "{effect}", "{look}"})
            if (options.names->Text().find(field) != std::string::npos)
                throw UsageError{options.lut ? "with --lut, --name takes {name} and {folder}"
                                             : "with the edits alone, --name takes {name} and {folder}"};
    if (options.strengthGiven && options.mode != Mode::kLook)
        throw UsageError{"--strength belongs with --look or --lut"};
    if (options.keepFaces && options.mode != Mode::kLook)
        throw UsageError{"--keep-faces belongs with --look or --lut"};
    if (options.quality != kDefaultQuality && !edited)
        throw UsageError{"--quality belongs with --look, --lut, --filter or the edits"};
    if (options.exported.Changes() && !edited)
        throw UsageError{"--resize, --strip-location, --strip-metadata and --srgb belong with --look, --lut, --filter, "
                         "the edits or alone"};
}

}  // namespace

std::string FilterSynopsis(const EffectEntry& effect) {
    std::string text(effect.name);
    for (size_t i = 0; i < effect.parameterCount; ++i) {
        text += i == 0 ? ':' : ',';
        text += effect.parameters[i].name;
    }
    return text;
}

namespace {

// An option without a value: true when `arg` is one, now taken.
bool TakeFlag(Options& options, std::string_view arg) {
    if (arg == "--list")
        SetMode(options, Mode::kList);
    else if (arg == "--list-formats")
        SetMode(options, Mode::kListFormats);
    else if (arg == "--skip-existing")
        options.skipExisting = true;
    else if (arg == "--keep-faces")
        options.keepFaces = true;
    else if (arg == "-0" || arg == "--null")
        options.nulSeparated = true;
    else if (arg == "--strip-location")
        options.exported.stripLocation = true;
    else if (arg == "--strip-metadata")
        options.exported.stripMetadata = true;
    else if (arg == "--srgb")
        options.exported.srgb = true;
    else
        return TakeEditFlag(options.edits, arg);
    return true;
}

// A number option's value within [lowest, highest], else `complaint`.
long long Number(std::string_view value, long long lowest, long long highest, const char* complaint) {
    long long number = 0;
    if (!ParseInt(value, lowest, highest, number)) throw UsageError{complaint};
    return number;
}

// --resize N, WxH or P%.
void ParseResize(std::string_view text, ExportChoices& exported) {
    constexpr const char* complaint =
        "--resize wants N or WxH (16 to 65535 pixels each) or P% (1 to 100)";
    exported.longEdge = exported.boxWidth = exported.boxHeight = exported.percent = 0;
    if (!text.empty() && text.back() == '%') {
        exported.percent = int(Number(text.substr(0, text.size() - 1), 1, 100, complaint));
        return;
    }
    const size_t x = text.find('x');
    if (x == std::string_view::npos) {
        exported.longEdge = int(Number(text, kExportEdgeMin, kExportEdgeMax, complaint));
        return;
    }
    exported.boxWidth = int(Number(text.substr(0, x), kExportEdgeMin, kExportEdgeMax, complaint));
    exported.boxHeight = int(Number(text.substr(x + 1), kExportEdgeMin, kExportEdgeMax, complaint));
}

// Option `arg` with its `value`.
void TakeValue(Options& options, std::string_view arg, std::string_view value) {
    if (arg == "--pic") {
        options.picDir = std::string(value);
    } else if (arg == "--look") {
        SetMode(options, Mode::kLook);
        options.look = ParseLook(value);
    } else if (arg == "--lut") {
        SetMode(options, Mode::kLook);
        options.lut = std::string(value);
    } else if (arg == "--color") {
        options.changeColor = true;
        options.color = ParseColor(value);
    } else if (arg == "--seed") {
        options.seed = uint32_t(Number(value, 0, UINT32_MAX, "--seed wants a number from 0 to 4294967295"));
    } else if (arg == "--strength") {
        options.strength = int(Number(value, 0, kFullStrength, "--strength wants a number from 0 to 100"));
        options.strengthGiven = true;
    } else if (arg == "--filter") {
        SetMode(options, Mode::kFilter);
        options.filter = ParseFilter(value);
    } else if (arg == "--strip") {
        SetMode(options, Mode::kStrip);
        options.stripCategory = ParseCategory(value).number;
    } else if (arg == "--thumbnail-size") {
        options.thumbnailSize =
            int(Number(value, kLargeThumbMin, kLargeThumbMax, "--thumbnail-size wants a number from 16 to 1024"));
    } else if (arg == "-o") {
        options.outDir = std::string(value);
    } else if (arg == "--files-from") {
        options.filesFrom = std::string(value);
    } else if (arg == "-j") {
        options.jobs = unsigned(Number(value, 1, 1024, "-j wants a number from 1 to 1024"));
    } else if (arg == "--name") {
        try {
            options.names.emplace(value);
        } catch (const std::exception& error) {
            throw UsageError{error.what()};
        }
    } else if (arg == "--format") {
        options.format = WritableFormatNamed(value);
        if (!options.format) throw UsageError{"--format wants " + WritableFormatNames()};
    } else if (arg == "--quality") {
        options.quality = int(Number(value, 1, 100, "--quality wants a number from 1 to 100"));
    } else if (arg == "--resize") {
        ParseResize(value, options.exported);
    } else if (arg == "--report") {
        options.report = std::string(value);
    } else if (!TakeEditValue(options.edits, arg, value)) {
        throw UsageError{"unknown option " + std::string(arg)};
    }
}

}  // namespace

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
        if (TakeFlag(options, arg)) continue;
        if (i + 1 >= argc) throw UsageError{std::string(arg) + " wants a value"};
        TakeValue(options, arg, argv[++i]);
    }
    // A copy to share (resized, in sRGB, without location) needs no look.
    if (options.mode == Mode::kNone && (options.edits.given || options.exported.Changes())) options.mode = Mode::kEdit;
    CheckPositional(options);
    return options;
}

}  // namespace cli
}  // namespace corvessa
