#include "session/save_target.h"

#include <algorithm>

namespace corvessa {

namespace {

// The last extension of the file name in `path`, without its dot; empty
// for none. A name that starts with its only dot (".jpg") has none, and a
// dot in a folder's name never counts.
std::string_view FileExtension(std::string_view path) {
    const size_t slash = path.rfind('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0) return {};
    return name.substr(dot + 1);
}

bool SameNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

}  // namespace

SaveTargets SaveTargetsFor(const std::string& chosenName, PhotoFormatId filterFormat) {
    const PhotoFormat& format = FormatOf(filterFormat);
    const std::string_view extension = FileExtension(chosenName);
    SaveTargets targets{{chosenName, format.id}, std::nullopt};
    if (!extension.empty() &&
        std::any_of(format.extensions.begin(), format.extensions.end(),
                    [&](std::string_view own) { return SameNoCase(own, extension); }))
        return targets;
    targets.asFilter.path.append(".").append(format.extensions.front());
    if (!extension.empty())
        if (const PhotoFormat* named = WritableFormatByExtension(extension))
            targets.asName = SaveTarget{chosenName, named->id};
    return targets;
}

}  // namespace corvessa
