#include "cli/words.h"

#include <QCoreApplication>
#include <vector>

#include "session/words.h"

namespace corvessa {
namespace cli {

namespace {

// corvessa-render's own messages, as patterns of their English (%1, %2, …
// for what goes in), tried before those of the layers below.
const char* const kRenderPatterns[] = {
    QT_TRANSLATE_NOOP("corvessa-render", "unknown category \"%1\" (see --list)"),
    QT_TRANSLATE_NOOP("corvessa-render", "unknown filter \"%1\" (see --list)"),
    QT_TRANSLATE_NOOP("corvessa-render", "filter argument \"%1\" is not a whole number"),
    QT_TRANSLATE_NOOP("corvessa-render", "the filter wants %1"),
    QT_TRANSLATE_NOOP("corvessa-render", "unknown option %1"),
    QT_TRANSLATE_NOOP("corvessa-render", "%1 wants a value"),
    QT_TRANSLATE_NOOP("corvessa-render", "--look wants CATEGORY:N with N from 1 to 10"),
    QT_TRANSLATE_NOOP("corvessa-render", "--color wants R,G,B (0 to 255 each) or cancel"),
    QT_TRANSLATE_NOOP("corvessa-render", "give one of --look, --lut, --filter, --strip, --list and --list-formats"),
    QT_TRANSLATE_NOOP("corvessa-render",
                      "give one of --look, --lut, --filter, --strip, --list and --list-formats, or edits"),
    QT_TRANSLATE_NOOP("corvessa-render", "-o OUTDIR wants at least one INPUT or --files-from"),
    QT_TRANSLATE_NOOP("corvessa-render", "the edits want INPUT and OUTPUT"),
    QT_TRANSLATE_NOOP("corvessa-render", "--list takes no files"),
    QT_TRANSLATE_NOOP("corvessa-render", "--list-formats takes no files"),
    QT_TRANSLATE_NOOP("corvessa-render", "--lut wants INPUT and OUTPUT"),
    QT_TRANSLATE_NOOP("corvessa-render", "--look wants INPUT and OUTPUT"),
    QT_TRANSLATE_NOOP("corvessa-render", "--filter wants INPUT and OUTPUT"),
    QT_TRANSLATE_NOOP("corvessa-render", "--strip wants INPUT and OUTDIR"),
    QT_TRANSLATE_NOOP("corvessa-render", "-o belongs with --look, --lut or the edits alone"),
    QT_TRANSLATE_NOOP("corvessa-render", "the edits belong with --look, --lut, --filter or alone"),
    QT_TRANSLATE_NOOP("corvessa-render",
                      "--files-from, -j, --name, --format, --skip-existing and --report belong with -o OUTDIR"),
    QT_TRANSLATE_NOOP("corvessa-render", "-0 belongs with --files-from"),
    QT_TRANSLATE_NOOP("corvessa-render", "--thumbnail-size belongs with --strip"),
    QT_TRANSLATE_NOOP("corvessa-render", "--color belongs with --look"),
    QT_TRANSLATE_NOOP("corvessa-render", "--pic belongs with --look or --strip"),
    QT_TRANSLATE_NOOP("corvessa-render", "with --lut, --name takes {name} and {folder}"),
    QT_TRANSLATE_NOOP("corvessa-render", "with the edits alone, --name takes {name} and {folder}"),
    QT_TRANSLATE_NOOP("corvessa-render", "--strength belongs with --look or --lut"),
    QT_TRANSLATE_NOOP("corvessa-render", "--keep-faces belongs with --look or --lut"),
    QT_TRANSLATE_NOOP("corvessa-render", "--quality belongs with --look, --lut, --filter or the edits"),
    QT_TRANSLATE_NOOP("corvessa-render", "--resize, --strip-location, --strip-metadata and --srgb belong with "
                                         "--look, --lut, --filter, the edits or alone"),
    QT_TRANSLATE_NOOP("corvessa-render", "--resize wants N or WxH (16 to 65535 pixels each) or P% (1 to 100)"),
    QT_TRANSLATE_NOOP("corvessa-render", "--seed wants a number from 0 to 4294967295"),
    QT_TRANSLATE_NOOP("corvessa-render", "--strength wants a number from 0 to 100"),
    QT_TRANSLATE_NOOP("corvessa-render", "--thumbnail-size wants a number from 16 to 1024"),
    QT_TRANSLATE_NOOP("corvessa-render", "-j wants a number from 1 to 1024"),
    QT_TRANSLATE_NOOP("corvessa-render", "--quality wants a number from 1 to 100"),
    QT_TRANSLATE_NOOP("corvessa-render", "--format wants %1"),
    QT_TRANSLATE_NOOP("corvessa-render", "--adjust wants KEY=VALUE,... with KEY one of %1"),
    QT_TRANSLATE_NOOP("corvessa-render", "--adjust %1 wants a whole number from %2 to %3"),
    QT_TRANSLATE_NOOP("corvessa-render", "--adjust %1 wants a number from %2 to %3"),
    QT_TRANSLATE_NOOP("corvessa-render", "--crop wants X,Y,W,H in whole pixels, X and Y from 0, W and H from 1"),
    QT_TRANSLATE_NOOP("corvessa-render", "--crop-ratio wants W:H with W and H from 1 to 10000"),
    QT_TRANSLATE_NOOP("corvessa-render", "--rotate wants 90, 180 or 270, once"),
    QT_TRANSLATE_NOOP("corvessa-render", "--flip wants h or v"),
    QT_TRANSLATE_NOOP("corvessa-render", "--straighten wants degrees from -45 to 45, once"),
    QT_TRANSLATE_NOOP("corvessa-render", "give one of --crop and --crop-ratio, once"),
    QT_TRANSLATE_NOOP("corvessa-render", "Stream write error: the report: %1"),
    QT_TRANSLATE_NOOP("corvessa-render", "%1 of %2 done, %3 spent, about %4 left"),
    QT_TRANSLATE_NOOP("corvessa-render", "%1 of %2 done, %3 spent"),
};

}  // namespace

std::string RenderWords(std::string_view message) {
    static const MessageTranslator translator = [] {
        std::vector<MessagePattern> patterns;
        for (const char* english : kRenderPatterns) patterns.push_back({"corvessa-render", english});
        for (const MessagePattern& below : MessagePatternsBelow()) patterns.push_back(below);
        return MessageTranslator(patterns);
    }();
    return Text(translator(message));
}

std::string Text(const QString& translated) { return translated.toStdString(); }

}  // namespace cli
}  // namespace corvessa
