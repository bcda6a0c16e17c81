#include "session/words.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <string>
#include <vector>

namespace corvessa {

namespace {

// The messages of the layers below, as patterns of their English text:
// %1, %2, … stand for what the code puts in (a path, a number, or another
// message, which is translated in turn). A message that no pattern takes
// is shown as it is.
const char* const kMessagePatterns[] = {
    // A message about a file names it last; tried first, so the message
    // before the name is translated whole, whatever pattern it is.
    QT_TRANSLATE_NOOP("Messages", "%1 \u2014 %2"),
    // Reaching files
    QT_TRANSLATE_NOOP("Messages", "Cannot open file %1: %2"),
    QT_TRANSLATE_NOOP("Messages", "Cannot open file %1"),
    QT_TRANSLATE_NOOP("Messages", "Cannot create file %1: %2"),
    QT_TRANSLATE_NOOP("Messages", "Cannot create file %1"),
    QT_TRANSLATE_NOOP("Messages", "%1 is a symbolic link of another user"),
    QT_TRANSLATE_NOOP("Messages", "%1 is a symbolic link in a folder of another user"),
    QT_TRANSLATE_NOOP("Messages", "%1 is an input; it is not overwritten"),
    QT_TRANSLATE_NOOP("Messages", "Stream write error: %1"),
    QT_TRANSLATE_NOOP("Messages", "Stream write error"),
    QT_TRANSLATE_NOOP("Messages", "PNG error: %1"),
    QT_TRANSLATE_NOOP("Messages", "nothing to compress"),
    QT_TRANSLATE_NOOP("Messages", "libjxl cannot encode the picture"),
    QT_TRANSLATE_NOOP("Messages", "libheif cannot write the file"),
    QT_TRANSLATE_NOOP("Messages", "libheif has no encoder for %1"),
    QT_TRANSLATE_NOOP("Messages", "libwebp does not match its headers"),
    QT_TRANSLATE_NOOP("Messages", "libwebp cannot encode the picture (error %1)"),
    QT_TRANSLATE_NOOP("Messages", "libwebpmux cannot take the picture"),
    QT_TRANSLATE_NOOP("Messages", "libwebpmux cannot write the file"),
    QT_TRANSLATE_NOOP("Messages", "the disk is full"),
    QT_TRANSLATE_NOOP("Messages", "the file became shorter while it was read"),
    QT_TRANSLATE_NOOP("Messages", "it is a folder"),
    QT_TRANSLATE_NOOP("Messages", "it is not a folder"),
    QT_TRANSLATE_NOOP("Messages", "it is not a regular file"),
    QT_TRANSLATE_NOOP("Messages", "it is a symbolic link"),
    QT_TRANSLATE_NOOP("Messages", "it is a symbolic link of another user in a shared folder"),
    QT_TRANSLATE_NOOP("Messages", "No such file or directory"),
    QT_TRANSLATE_NOOP("Messages", "Permission denied"),
    QT_TRANSLATE_NOOP("Messages", "No space left on device"),
    QT_TRANSLATE_NOOP("Messages", "Read-only file system"),
    QT_TRANSLATE_NOOP("Messages", "Is a directory"),
    // Memory and stops
    QT_TRANSLATE_NOOP("Messages", "Not enough memory for the picture"),
    QT_TRANSLATE_NOOP("Messages", "Not enough memory to save as %1"),
    QT_TRANSLATE_NOOP("Messages", "The work was stopped"),
    QT_TRANSLATE_NOOP("Messages", "Unknown error"),
    // Reading and writing photos
    QT_TRANSLATE_NOOP("Messages", "%1; read as %2 by its first bytes: %3"),
    QT_TRANSLATE_NOOP("Messages", "Unknown picture file extension (.%1)"),
    QT_TRANSLATE_NOOP("Messages", "Unknown picture format"),
    QT_TRANSLATE_NOOP("Messages", "The %1 reader failed"),
    QT_TRANSLATE_NOOP("Messages", "The %1 writer failed"),
    QT_TRANSLATE_NOOP("Messages", "The %1 reader could not be started: %2"),
    QT_TRANSLATE_NOOP("Messages", "The %1 writer could not be started: %2"),
    QT_TRANSLATE_NOOP("Messages", "The %1 reader did not finish within %2 seconds"),
    QT_TRANSLATE_NOOP("Messages", "The %1 writer did not finish within %2 seconds"),
    QT_TRANSLATE_NOOP("Messages", "Cannot make room to pass a picture: %1"),
    QT_TRANSLATE_NOOP("Messages", "Bitmap image is not valid: %1"),
    QT_TRANSLATE_NOOP("Messages", "Bitmap image is not valid"),
    QT_TRANSLATE_NOOP("Messages", "Picture is too large (%1 x %2)"),
    QT_TRANSLATE_NOOP("Messages", "Picture is too large for JPEG (%1 x %2; at most %3 pixels a side): save it as PNG or BMP"),
    QT_TRANSLATE_NOOP("Messages", "Picture is too large for HEIF (%1 x %2): save it as PNG or JPEG"),
    QT_TRANSLATE_NOOP("Messages", "Picture is too large for WebP (%1 x %2): save it as PNG or JPEG"),
    QT_TRANSLATE_NOOP("Messages", "The file is incomplete: the picture lacks detail, or its lower part is missing"),
    QT_TRANSLATE_NOOP("Messages", "The file is incomplete: its lower part is missing"),
    QT_TRANSLATE_NOOP("Messages", "it claims %1 x %2 pixels, more than its %3 bytes can hold"),
    QT_TRANSLATE_NOOP("Messages", "it claims %1 x %2 pixels, more than its %3 bytes of picture data can hold"),
    QT_TRANSLATE_NOOP("Messages",
                      "it claims %1 x %2 pixels, more than its %3 bytes of losslessly compressed picture data can hold"),
    QT_TRANSLATE_NOOP("Messages", "its tiles of %1 x %2 are larger than the cells of its grid of %3 x %4 for %5 x %6 pixels"),
    QT_TRANSLATE_NOOP("Messages", "its %1 tiles hold more than its %2 x %3 pixels"),
    QT_TRANSLATE_NOOP("Messages", "it has more than %1 items"),
    QT_TRANSLATE_NOOP("Messages", "samples of %1 bits"),
    QT_TRANSLATE_NOOP("Messages", "its first picture is made of more than %1 layers"),
    QT_TRANSLATE_NOOP("Messages", "its layers claim %1 pixels, more than its %2 bytes can hold"),
    QT_TRANSLATE_NOOP("Messages", "its tag %1 lies past the end of the file"),
    QT_TRANSLATE_NOOP("Messages", "its colour filter pattern does not match its size"),
    QT_TRANSLATE_NOOP("Messages", "its tile %1 codes more pixels than the tile holds"),
    QT_TRANSLATE_NOOP("Messages", "its strip %1 codes more pixels than the picture holds"),
    QT_TRANSLATE_NOOP("Messages", "libjxl cannot decode it"),
    QT_TRANSLATE_NOOP("Messages", "LibRaw made no picture of it"),
    QT_TRANSLATE_NOOP("Messages",
                      "JPEG stream has more scans than its file could hold (more than %1, or far too many for its size)"),
    // libjpeg's own words for the damage met most often
    QT_TRANSLATE_NOOP("Messages", "JPEG error #%1: %2"),
    QT_TRANSLATE_NOOP("Messages", "JPEG error #%1"),
    QT_TRANSLATE_NOOP("Messages", "Premature end of input file"),
    QT_TRANSLATE_NOOP("Messages", "Not a JPEG file: starts with %1 %2"),
    QT_TRANSLATE_NOOP("Messages", "Floating point division by zero"),
    QT_TRANSLATE_NOOP("Messages", "the picture is empty"),
    QT_TRANSLATE_NOOP("Messages", "the file holds no picture"),
    QT_TRANSLATE_NOOP("Messages", "the file ends before its picture does"),
    QT_TRANSLATE_NOOP("Messages", "the file ends before its last row"),
    QT_TRANSLATE_NOOP("Messages", "its header cannot be read"),
    QT_TRANSLATE_NOOP("Messages", "it is not a JPEG XL file"),
    QT_TRANSLATE_NOOP("Messages", "it is not a camera raw file"),
    QT_TRANSLATE_NOOP("Messages", "its raw data is larger than the program takes"),
    QT_TRANSLATE_NOOP("Messages", "The crop leaves nothing of the photo"),
    // .cube files
    QT_TRANSLATE_NOOP("Messages", "LUT file is not valid: %1"),
    QT_TRANSLATE_NOOP("Messages", "LUT file is not valid"),
    QT_TRANSLATE_NOOP("Messages", "line %1: %2"),
    QT_TRANSLATE_NOOP("Messages", "the file is longer than %1 MB"),
    QT_TRANSLATE_NOOP("Messages", "the file is too short for its %1 entries"),
    QT_TRANSLATE_NOOP("Messages", "it holds %1 entries where its size wants %2"),
    QT_TRANSLATE_NOOP("Messages", "it gives neither LUT_1D_SIZE nor LUT_3D_SIZE"),
    QT_TRANSLATE_NOOP("Messages", "an entry comes before LUT_1D_SIZE or LUT_3D_SIZE"),
    QT_TRANSLATE_NOOP("Messages", "size %1 is outside 2 to %2"),
    QT_TRANSLATE_NOOP("Messages", "%1 is not a number"),
    QT_TRANSLATE_NOOP("Messages", "%1 is not a size"),
    QT_TRANSLATE_NOOP("Messages", "a value is out of range"),
    QT_TRANSLATE_NOOP("Messages", "a value is not a finite number"),
    QT_TRANSLATE_NOOP("Messages", "three numbers are wanted"),
    QT_TRANSLATE_NOOP("Messages", "two numbers are wanted"),
    QT_TRANSLATE_NOOP("Messages", "one size is wanted"),
    QT_TRANSLATE_NOOP("Messages", "the size is given twice"),
    QT_TRANSLATE_NOOP("Messages", "the size comes after the entries"),
    QT_TRANSLATE_NOOP("Messages", "the size is missing"),
    QT_TRANSLATE_NOOP("Messages", "a keyword comes after the entries"),
    QT_TRANSLATE_NOOP("Messages", "unknown keyword %1"),
    // Batches and My Looks
    QT_TRANSLATE_NOOP("Messages", "The name pattern is empty"),
    QT_TRANSLATE_NOOP("Messages", "The name pattern \"%1\" may not hold a /"),
    QT_TRANSLATE_NOOP("Messages", "The name pattern \"%1\" may not hold a zero byte"),
    QT_TRANSLATE_NOOP("Messages", "The name pattern \"%1\" has a } without a {"),
    QT_TRANSLATE_NOOP("Messages", "The name pattern \"%1\" has a { without a }"),
    QT_TRANSLATE_NOOP("Messages", "The name pattern \"%1\" has an unknown field %2; the fields are %3"),
    QT_TRANSLATE_NOOP("Messages", "The name pattern \"%1\" gives %2 no file name"),
    QT_TRANSLATE_NOOP("Messages", "{name}, {folder}, {category}, {effect} and {look}"),
    QT_TRANSLATE_NOOP("Messages", "done already"),
    QT_TRANSLATE_NOOP("Messages", "My Looks cannot be read or added to: %1"),
    QT_TRANSLATE_NOOP("Messages", "No looks"),
    QT_TRANSLATE_NOOP("Messages", "Looks %1-%2 of %3"),
};

}  // namespace

struct MessageTranslator::Pattern {
    const char* context;
    const char* english;
    QRegularExpression match;  // the English with a group for each %N
    std::vector<int> places;    // the N of each group, in order
};

namespace {

const QRegularExpression& Slot() {
    static const QRegularExpression slot(QStringLiteral("%(\\d)"));
    return slot;
}

// `text` with each %N replaced by values[N].
QString Filled(const QString& text, const std::vector<QString>& values) {
    QString result;
    qsizetype at = 0;
    for (auto it = Slot().globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch place = it.next();
        const size_t n = size_t(place.captured(1).toInt());
        result += text.mid(at, place.capturedStart() - at) + (n < values.size() ? values[n] : place.captured());
        at = place.capturedEnd();
    }
    return result + text.mid(at);
}

}  // namespace

MessageTranslator::MessageTranslator(const std::vector<MessagePattern>& patterns) {
    for (const MessagePattern& given : patterns) {
        const QString text = QString::fromUtf8(given.english);
        QString expression = QStringLiteral("^");
        std::vector<int> places;
        qsizetype at = 0;
        for (auto it = Slot().globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch found = it.next();
            expression += QRegularExpression::escape(text.mid(at, found.capturedStart() - at));
            places.push_back(found.captured(1).toInt());
            // As little as will do: the pattern is anchored at both ends,
            // so the last slot still takes the rest.
            expression += QStringLiteral("(.*?)");
            at = found.capturedEnd();
        }
        expression += QRegularExpression::escape(text.mid(at)) + QStringLiteral("$");
        QRegularExpression match(expression, QRegularExpression::DotMatchesEverythingOption);
        match.optimize();
        patterns_.push_back({given.context, given.english, std::move(match), std::move(places)});
    }
}

MessageTranslator::~MessageTranslator() = default;

QString MessageTranslator::operator()(std::string_view message) const {
    return Translated(QString::fromUtf8(message.data(), qsizetype(message.size())), 0);
}

QString MessageTranslator::Translated(const QString& message, int depth) const {
    if (message.isEmpty() || depth > 8) return message;
    for (const Pattern& pattern : patterns_) {
        const QRegularExpressionMatch found = pattern.match.match(message);
        if (!found.hasMatch()) continue;
        // What goes in may be a message of its own ("LUT file is not
        // valid: line 3: …"); a path or a number stays as it is.
        std::vector<QString> values(10);
        for (size_t i = 0; i < pattern.places.size(); ++i)
            values[size_t(pattern.places[i])] = Translated(found.captured(int(i) + 1), depth + 1);
        return Filled(QCoreApplication::translate(pattern.context, pattern.english), values);
    }
    return message;
}

std::vector<MessagePattern> MessagePatternsBelow() {
    std::vector<MessagePattern> patterns;
    for (const char* english : kMessagePatterns) patterns.push_back({"Messages", english});
    return patterns;
}

QString Words(const char* context, std::string_view english) {
    const std::string text(english);
    return QCoreApplication::translate(context, text.c_str());
}

QString MessageWords(std::string_view message) {
    static const MessageTranslator below(MessagePatternsBelow());
    return below(message);
}

}  // namespace corvessa
