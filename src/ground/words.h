#pragma once
// Marks a text the user reads, in a layer without Qt, for the translation
// files (lupdate takes CORVESSA_WORDS as it takes QT_TRANSLATE_NOOP). The
// text stays English here; the window and corvessa-render translate it
// where they show it (session/words.h), under the same context.
#define CORVESSA_WORDS(context, text) text
