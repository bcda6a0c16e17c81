#pragma once
// Texts in the user's language. The layers below keep theirs in English,
// marked with CORVESSA_WORDS; they are translated here, where the window
// and corvessa-render show them.

#include <QString>
#include <string_view>

namespace corvessa {

// A text marked CORVESSA_WORDS(context, english), in the user's language.
QString Words(const char* context, std::string_view english);

// A message of the layers below (a CorvessaError's text, a warning, a
// batch report line), in the user's language.
QString MessageWords(std::string_view message);

}  // namespace corvessa
