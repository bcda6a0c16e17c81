#pragma once
// What the batch dialog's pages share.

#include <QColor>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QString>
#include <string>
#include <string_view>

#include "batch/batch.h"
#include "catalogue/catalogue.h"
#include "catalogue/render_job.h"
#include "ground/bitmap.h"

namespace corvessa {
namespace batch_dialog {

inline constexpr int kPhotoIconSide = 40;
inline constexpr int kStripIconSide = kThumbSide;

inline QString Text(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }
inline QString Text(const std::string& text) { return QString::fromStdString(text); }

// A look the batch can render: one with a full-size recipe.
inline bool Renderable(Look look) {
    return FindCategory(look.category) && look.category != 14 && look.effect >= 1 && look.effect <= kEffectCount;
}

// A look the preview may offer the batch: a catalogue look it can render
// or one of the user's tables.
inline bool Offered(const batch::BatchLook& look) { return look.user ? look.user->Usable() : Renderable(look.look); }

inline QPixmap Swatch(Rgb colour) {
    QPixmap swatch(16, 16);
    swatch.fill(QColor(colour.r, colour.g, colour.b));
    return swatch;
}

inline QPushButton* NamedButton(const char* name, const QString& caption) {
    auto* button = new QPushButton(caption);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

inline QLabel* NamedLabel(const char* name, const QString& text = QString()) {
    auto* label = new QLabel(text);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

}  // namespace batch_dialog
}  // namespace corvessa
