#include "batch/name_pattern.h"

#include <filesystem>

#include "ground/error.h"

namespace corvessa {
namespace batch {

namespace fs = std::filesystem;

namespace {

std::string WithoutSpaces(std::string_view text) {
    std::string kept;
    for (char c : text)
        if (c != ' ') kept += c;
    return kept;
}

CorvessaError PatternError(std::string_view text, const std::string& what) {
    return CorvessaError("The name pattern \"" + std::string(text) + "\" " + what);
}

}  // namespace

NamePattern::NamePattern(std::string_view text) : text_(text) {
    if (text.empty()) throw CorvessaError("The name pattern is empty");
    if (text.find('/') != std::string_view::npos) throw PatternError(text, "may not hold a /");
    if (text.find('\0') != std::string_view::npos) throw PatternError(text, "may not hold a zero byte");
    size_t at = 0;
    while (at < text.size()) {
        const size_t open = text.find('{', at);
        const size_t close = text.find('}', at);
        if (close < open) throw PatternError(text, "has a } without a {");
        if (open == std::string_view::npos) {
            pieces_.push_back({Field::kText, std::string(text.substr(at))});
            break;
        }
        if (open > at) pieces_.push_back({Field::kText, std::string(text.substr(at, open - at))});
        if (close == std::string_view::npos) throw PatternError(text, "has a { without a }");
        const std::string_view field = text.substr(open, close - open + 1);
        if (field == "{name}") {
            pieces_.push_back({Field::kName, {}});
        } else if (field == "{folder}") {
            pieces_.push_back({Field::kFolder, {}});
        } else if (field == "{category}") {
            pieces_.push_back({Field::kCategory, {}});
        } else if (field == "{effect}") {
            pieces_.push_back({Field::kEffect, {}});
        } else if (field == "{look}") {
            pieces_.push_back({Field::kLook, {}});
        } else {
            throw PatternError(text, "has an unknown field " + std::string(field) + "; the fields are " +
                                         std::string(kFieldList));
        }
        at = close + 1;
    }
    // An extension of its own is a dot in the text after the last field,
    // with something after it.
    if (!pieces_.empty() && pieces_.back().field == Field::kText) {
        const std::string& tail = pieces_.back().text;
        const size_t dot = tail.rfind('.');
        hasExtension_ = dot != std::string::npos && dot + 1 < tail.size();
    }
}

std::string NamePattern::Expand(const std::string& input, Look look) const {
    const Category* category = FindCategory(look.category);
    std::string lookName = std::to_string(look.effect);
    if (category && look.effect >= 1 && look.effect <= kEffectCount)
        lookName = WithoutSpaces(category->lookNames[size_t(look.effect - 1)]);
    return Expand(input, category ? WithoutSpaces(category->caption) : std::to_string(look.category),
                  std::to_string(look.effect), lookName);
}

std::string NamePattern::Expand(const std::string& input, const UserLook& look) const {
    // A title may hold anything: what a file name cannot hold goes.
    std::string name;
    for (char c : WithoutSpaces(look.name))
        if (c != '/' && c != '\0') name += c;
    return Expand(input, "MyLooks", name, name);
}

std::string NamePattern::ExpandEdited(const std::string& input) const {
    return Expand(input, "Edited", "Edited", "Edited");
}

std::string NamePattern::Expand(const std::string& input, const std::string& categoryText,
                                const std::string& effectText, const std::string& lookText) const {
    const fs::path path = fs::absolute(fs::path(input)).lexically_normal();
    std::string name;
    for (const Piece& piece : pieces_) {
        switch (piece.field) {
        case Field::kText: name += piece.text; break;
        case Field::kName: name += path.stem().string(); break;
        case Field::kFolder: name += path.parent_path().filename().string(); break;
        case Field::kCategory: name += categoryText; break;
        case Field::kEffect: name += effectText; break;
        case Field::kLook: name += lookText; break;
        }
    }
    if (name.empty() || name == "." || name == "..")
        throw CorvessaError("The name pattern \"" + text_ + "\" gives " + input + " no file name");
    return name;
}

}  // namespace batch
}  // namespace corvessa
