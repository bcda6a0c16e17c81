#pragma once
// Texts in the user's language. The layers below keep theirs in English,
// marked with CORVESSA_WORDS; they are translated here, where the window
// and corvessa-render show them.

#include <QString>
#include <string_view>
#include <vector>

namespace corvessa {

// A text marked CORVESSA_WORDS(context, english), in the user's language.
QString Words(const char* context, std::string_view english);

// A message of the layers below (a CorvessaError's text, a warning, a
// batch report line), in the user's language.
QString MessageWords(std::string_view message);

// An English message pattern: %1, %2, … stand for what the code puts in.
struct MessagePattern {
    const char* context;  // the context it is translated under
    const char* english;
};

// The patterns of the layers' messages, as MessageWords tries them.
std::vector<MessagePattern> MessagePatternsBelow();

// Translates messages built from patterns: the first pattern the whole
// message matches is translated, and what went into it is translated in
// turn, so "LUT file is not valid: line 3: two numbers are wanted — PATH"
// comes out whole in the user's language, the path as it was. A message
// no pattern matches comes back as it is; English gives back every byte.
class MessageTranslator {
public:
    explicit MessageTranslator(const std::vector<MessagePattern>& patterns);
    ~MessageTranslator();
    QString operator()(std::string_view message) const;

private:
    struct Pattern;
    QString Translated(const QString& message, int depth) const;
    std::vector<Pattern> patterns_;
};

}  // namespace corvessa
