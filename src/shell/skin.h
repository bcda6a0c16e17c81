#pragma once
// The skin engine: gives every window of the program its look from a skin
// file, a Qt style sheet. Nothing is reported: a missing, unreadable or
// broken skin leaves the default look.

#include <QString>
#include <string>

namespace corvessa {

// Applies the skin in `path` to the whole application.
void SkinStart(const std::string& path);
// Back to the default look.
void SkinRemove();

// Whether `text` is a style sheet worth applying: not empty, no control
// characters other than white space, every comment and string closed and
// the braces balanced. Qt itself would apply the good parts of a broken
// sheet, which gives a half-skinned window.
bool LooksLikeStyleSheet(const QString& text);

}  // namespace corvessa
