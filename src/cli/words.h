#pragma once
// corvessa-render's words in the user's language (UTF-8), through the same
// translations as the window's.

#include <QString>
#include <string>
#include <string_view>

namespace corvessa {
namespace cli {

// A message of corvessa-render's own (a usage error, a progress line) or of
// the layers below, translated whole; English comes back byte for byte.
std::string RenderWords(std::string_view message);

// A text translated under corvessa-render's context, as UTF-8.
std::string Text(const QString& translated);

}  // namespace cli
}  // namespace corvessa
