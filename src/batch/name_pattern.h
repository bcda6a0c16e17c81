#pragma once
// The names a batch gives its outputs: text with fields in braces, read the
// same way by the window's batch and by corvessa-render --name.

#include <string>
#include <string_view>
#include <vector>

#include "catalogue/render_job.h"

namespace corvessa {
namespace batch {

class NamePattern {
public:
    static constexpr std::string_view kDefault = "{name}-{category}-{effect}";
    // The fields, as the user reads them.
    static constexpr std::string_view kFieldList = "{name}, {folder}, {category}, {effect} and {look}";

    // {name}: the photo's file name without its extension; {folder}: the
    // name of the folder it lies in; {category}: the category's caption
    // without spaces ("LightA"); {effect}: the effect's number; {look}: the
    // look's name without spaces ("CornerBurn"). Throws CorvessaError
    // saying what is wrong with `text`.
    explicit NamePattern(std::string_view text = kDefault);

    const std::string& Text() const { return text_; }
    // The file name (no folder) the pattern gives `input` under `look`,
    // before an extension is added. Throws CorvessaError when that name
    // is empty, "." or "..".
    std::string Expand(const std::string& input, Look look) const;
    // The same under one of the user's tables: {category} is "MyLooks",
    // {effect} and {look} the table's name without spaces.
    std::string Expand(const std::string& input, const UserLook& look) const;
    // The same with no look at all: {category}, {effect} and {look} are
    // "Edited".
    std::string ExpandEdited(const std::string& input) const;
    // Whether the pattern ends in an extension of its own ("{name}.png").
    bool HasExtension() const { return hasExtension_; }

private:
    std::string Expand(const std::string& input, const std::string& categoryText, const std::string& effectText,
                       const std::string& lookText) const;

    enum class Field { kText, kName, kFolder, kCategory, kEffect, kLook };
    struct Piece {
        Field field;
        std::string text;  // kText only
    };
    std::string text_;
    std::vector<Piece> pieces_;
    bool hasExtension_ = false;
};

}  // namespace batch
}  // namespace corvessa
