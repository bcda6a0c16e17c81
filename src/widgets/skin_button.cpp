#include "widgets/skin_button.h"

#include <QFontMetrics>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <algorithm>
#include <cmath>
#include <vector>

namespace corvessa {

namespace {

// The smallest a caption's font is made, as a share of the button's.
constexpr double kSmallestFont = 0.85;

// The caption as it shows: "&&" is an ampersand, a lone '&' marks the key.
QString Shown(const QString& caption) {
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size()) ++i;
        shown += caption[i];
    }
    return shown;
}

// The fonts a caption may shrink to, largest first, none under 85 %.
std::vector<QFont> SmallerFonts(const QFont& font) {
    std::vector<QFont> fonts;
    if (font.pixelSize() > 0) {
        const int least = int(std::ceil(font.pixelSize() * kSmallestFont));
        for (int size = font.pixelSize() - 1; size >= least; --size) {
            fonts.push_back(font);
            fonts.back().setPixelSize(size);
        }
    } else if (font.pointSizeF() > 0) {
        const double least = font.pointSizeF() * kSmallestFont;
        for (double size = font.pointSizeF() - 0.5; size >= least - 1e-9; size -= 0.5) {
            fonts.push_back(font);
            fonts.back().setPointSizeF(size);
        }
    }
    return fonts;
}

// The two lines of `text` most alike in width, split at a space or after
// a hyphen; none when it has no such place.
QStringList TwoLines(const QString& text, const QFontMetrics& metrics) {
    QStringList best;
    int widest = 0;
    for (qsizetype i = 1; i < text.size(); ++i) {
        if (text[i] != u' ' && text[i - 1] != u'-') continue;
        const QString first = text.left(i).trimmed(), second = text.mid(i).trimmed();
        if (first.isEmpty() || second.isEmpty()) continue;
        const int wider = std::max(metrics.horizontalAdvance(first), metrics.horizontalAdvance(second));
        if (best.isEmpty() || wider < widest) {
            best = {first, second};
            widest = wider;
        }
    }
    return best;
}

}  // namespace

CaptionFit FitCaption(const QString& caption, const QFont& font, const QRect& room, int twoLinesHeight) {
    const QString text = Shown(caption);
    CaptionFit fit{font, {caption}, true, false};
    if (QFontMetrics(font).horizontalAdvance(text) <= room.width()) return fit;
    fit.asIs = false;
    fit.lines = {text};
    for (const QFont& smaller : SmallerFonts(font)) {
        fit.font = smaller;
        if (QFontMetrics(smaller).horizontalAdvance(text) <= room.width()) return fit;
    }
    const QFontMetrics metrics(fit.font);
    const QStringList lines = TwoLines(text, metrics);
    if (!lines.isEmpty() && 2 * metrics.height() <= twoLinesHeight &&
        std::max(metrics.horizontalAdvance(lines[0]), metrics.horizontalAdvance(lines[1])) <= room.width()) {
        fit.lines = lines;
        return fit;
    }
    fit.lines = {metrics.elidedText(text, Qt::ElideRight, room.width())};
    fit.elided = true;
    return fit;
}

QRect TSkinButton::CaptionRoom() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    option.state &= ~QStyle::State_Sunken;
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
}

void TSkinButton::paintEvent(QPaintEvent* event) {
    const CaptionFit fit = Fit();
    if (fit.asIs) return QPushButton::paintEvent(event);
    // The style draws the button and the fitted caption as it draws any
    // caption, in the colours of the button's state.
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text = fit.lines.join(u'\n').replace(u'&', QStringLiteral("&&"));
    painter.setFont(fit.font);
    painter.drawControl(QStyle::CE_PushButton, option);
}

}  // namespace corvessa
