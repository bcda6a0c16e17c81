#pragma once
// The command line of corvessa-render: what to render, from and to where.

#include <optional>
#include <string>
#include <vector>

#include "batch/batch.h"
#include "catalogue/render_job.h"
#include "cli/edit_options.h"
#include "ground/bitmap.h"
#include "io/photo_export.h"

namespace corvessa {
namespace cli {

// The usage text, with the formats --format takes.
const std::string& Usage();

// A command line that makes no sense: reported with the usage text.
struct UsageError {
    std::string text;
};

// kEdit: the edits alone, with no look.
enum class Mode { kNone, kLook, kFilter, kStrip, kList, kListFormats, kEdit };

struct Options {
    Mode mode = Mode::kNone;
    std::optional<std::string> picDir;
    Look look;
    // --color: the answer to every question for a colour; nothing when the
    // dialog is to be taken as cancelled.
    bool changeColor = false;
    std::optional<Rgb> color;
    std::optional<uint32_t> seed;
    // --lut: the user's .cube table as the look (mode kLook, no look set).
    std::optional<std::string> lut;
    int strength = kFullStrength;  // --strength, looks only
    bool keepFaces = false;        // --keep-faces, looks only
    bool strengthGiven = false;
    int quality = kDefaultQuality;  // --quality, for a lossy output format
    // --resize, --strip-location, --strip-metadata, --srgb: the copy written.
    ExportChoices exported;
    FilterCall filter;
    int stripCategory = 0;
    int thumbnailSize = 0;  // --thumbnail-size: large thumbnails of that side; 0 for the small strip
    std::optional<std::string> outDir;
    // Batch (-o) only: more inputs, one a line ("-": standard input), or
    // each ended by a NUL byte with -0 (find -print0); the
    // photos rendered at once (one per core unless given); output names,
    // format and what is done already; where the report goes ("-":
    // standard output).
    std::optional<std::string> filesFrom;
    bool nulSeparated = false;
    unsigned jobs = 0;
    std::optional<batch::NamePattern> names;
    std::optional<PhotoFormatId> format;
    bool skipExisting = false;
    std::optional<std::string> report;
    // The edits made before the look (or alone, kEdit).
    EditOptions edits;
    std::vector<std::string> positional;

    ColourDecision Colour() const {
        if (!changeColor) return ColourDecision::NotAsked();
        return color ? ColourDecision::Chosen(*color) : ColourDecision::Cancelled();
    }
};

// Throws UsageError.
Options ParseOptions(int argc, char** argv);

// "NAME:ARG,ARG" as --list shows a filter.
std::string FilterSynopsis(const EffectEntry& effect);

}  // namespace cli
}  // namespace corvessa
