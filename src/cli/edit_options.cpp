#include "cli/edit_options.h"

#include <QCoreApplication>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

#include "cli/options.h"
#include "cli/words.h"
#include "session/words.h"

namespace corvessa {
namespace cli {

namespace {

bool WholeNumber(std::string_view text, long long low, long long high, long long& value) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return !text.empty() && ec == std::errc() && ptr == end && value >= low && value <= high;
}

bool Number(std::string_view text, double low, double high, double& value) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return !text.empty() && ec == std::errc() && ptr == end && std::isfinite(value) && value >= low && value <= high;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (size_t start = 0;;) {
        const size_t at = text.find(separator, start);
        parts.push_back(text.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
        if (at == std::string_view::npos) return parts;
        start = at + 1;
    }
}

// "-3" and "3", "-100" and "100": a slider's ends in the units --adjust
// takes.
std::string Amount(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

std::string RangeOf(const Adjustment& row) {
    return Amount(row.lowest * row.step) + " to " + Amount(row.highest * row.step);
}

std::string Keys() {
    std::string keys;
    for (const Adjustment& row : kAdjustments) keys += (keys.empty() ? "" : ", ") + std::string(row.key);
    return keys;
}

// One KEY=VALUE of --adjust, in slider units.
void TakeAdjustment(EditSettings& settings, std::string_view item) {
    const size_t equals = item.find('=');
    const Adjustment* row = AdjustmentByKey(item.substr(0, equals));
    if (equals == std::string_view::npos || !row)
        throw UsageError{"--adjust wants KEY=VALUE,... with KEY one of " + Keys()};
    const std::string_view text = item.substr(equals + 1);
    if (row->step == 1) {
        long long value = 0;
        if (!WholeNumber(text, row->lowest, row->highest, value))
            throw UsageError{"--adjust " + std::string(row->key) + " wants a whole number from " + RangeOf(*row)};
        settings.SetValue(row->id, int(value));
        return;
    }
    double value = 0;
    if (!Number(text, row->lowest * row->step, row->highest * row->step, value))
        throw UsageError{"--adjust " + std::string(row->key) + " wants a number from " + RangeOf(*row)};
    settings.SetValue(row->id, std::clamp(int(std::lround(value / row->step)), row->lowest, row->highest));
}

void TakeCrop(EditSettings& settings, std::string_view value) {
    const auto parts = Split(value, ',');
    long long n[4] = {0, 0, 0, 0};
    if (parts.size() != 4 || !WholeNumber(parts[0], 0, INT32_MAX, n[0]) || !WholeNumber(parts[1], 0, INT32_MAX, n[1]) ||
        !WholeNumber(parts[2], 1, INT32_MAX, n[2]) || !WholeNumber(parts[3], 1, INT32_MAX, n[3]))
        throw UsageError{"--crop wants X,Y,W,H in whole pixels, X and Y from 0, W and H from 1"};
    settings.crop = Crop{int(n[0]), int(n[1]), int(n[2]), int(n[3])};
}

void TakeCropRatio(EditSettings& settings, std::string_view value) {
    const auto parts = Split(value, ':');
    long long w = 0, h = 0;
    if (parts.size() != 2 || !WholeNumber(parts[0], 1, 10000, w) || !WholeNumber(parts[1], 1, 10000, h))
        throw UsageError{"--crop-ratio wants W:H with W and H from 1 to 10000"};
    settings.crop = Crop{0, 0, 0, 0, int(w), int(h)};
}

}  // namespace

bool TakeEditFlag(EditOptions& options, std::string_view arg) {
    if (arg != "--auto") return false;
    options.edits.autoEach = true;
    options.given = true;
    return true;
}

bool TakeEditValue(EditOptions& options, std::string_view arg, std::string_view value) {
    EditSettings& settings = options.edits.settings;
    if (arg == "--rotate") {
        long long degrees = 0;
        if (options.rotated || !WholeNumber(value, 90, 270, degrees) || degrees % 90 != 0)
            throw UsageError{"--rotate wants 90, 180 or 270, once"};
        settings.quarterTurns = int(degrees / 90);
        options.rotated = true;
    } else if (arg == "--flip") {
        if (value != "h" && value != "v") throw UsageError{"--flip wants h or v"};
        (value == "h" ? settings.flipHorizontal : settings.flipVertical) = true;
    } else if (arg == "--straighten") {
        double degrees = 0;
        if (options.straightened || !Number(value, -kMostStraighten, kMostStraighten, degrees))
            throw UsageError{"--straighten wants degrees from -45 to 45, once"};
        settings.straightenDegrees = degrees;
        options.straightened = true;
    } else if (arg == "--crop" || arg == "--crop-ratio") {
        if (settings.crop) throw UsageError{"give one of --crop and --crop-ratio, once"};
        arg == "--crop" ? TakeCrop(settings, value) : TakeCropRatio(settings, value);
    } else if (arg == "--adjust") {
        for (std::string_view item : Split(value, ',')) TakeAdjustment(settings, item);
    } else {
        return false;
    }
    options.given = true;
    return true;
}

std::string EditUsage() {
    std::string text = Text(QCoreApplication::translate("corvessa-render",
        "Edits (before the look, or alone; always in this order, whatever the order given):\n"
        "  --rotate 90|180|270 turn clockwise\n"
        "  --flip h|v          mirror left to right (h) or top to bottom (v); may be given twice\n"
        "  --straighten DEG    turn by -45 to 45 degrees clockwise, in steps of 0.1, keeping the\n"
        "                      largest upright rectangle of the photo's shape\n"
        "  --crop X,Y,W,H      keep that rectangle, in pixels of the photo once turned and\n"
        "                      straightened (clipped to it)\n"
        "  --crop-ratio W:H    keep the largest centred rectangle of that shape (4:5, 16:9)\n"
        "  --adjust KEY=VALUE,...  adjust, 0 leaving it as it is:\n"));
    for (const Adjustment& row : kAdjustments) {
        char line[160];
        std::snprintf(line, sizeof line, "      %-11.*s %-12s ", int(row.key.size()), row.key.data(),
                      RangeOf(row).c_str());
        text += line + Text(Words("Adjustments", row.help)) + "\n";
    }
    text += Text(QCoreApplication::translate(
        "corvessa-render", "  --auto              levels and white balance found for each photo from its own colours\n"));
    return text;
}

}  // namespace cli
}  // namespace corvessa
