#include "shell/skin.h"

#include <QApplication>
#include <QFile>
#include <QStringDecoder>

namespace corvessa {

namespace {

// Far more than any skin needs; anything larger is not a skin.
constexpr qint64 kMaxSkinBytes = 1 << 20;

}  // namespace

bool LooksLikeStyleSheet(const QString& text) {
    int depth = 0;
    bool any = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'/' && i + 1 < text.size() && text[i + 1] == u'*') {
            const qsizetype end = text.indexOf(QStringLiteral("*/"), i + 2);
            if (end < 0) return false;
            i = end + 1;
        } else if (c == u'"' || c == u'\'') {
            const qsizetype end = text.indexOf(c, i + 1);
            if (end < 0) return false;
            i = end;
            any = true;
        } else if (c == u'{') {
            ++depth;
        } else if (c == u'}') {
            if (--depth < 0) return false;
        } else if (c.category() == QChar::Other_Control && !c.isSpace()) {
            return false;
        } else if (!c.isSpace()) {
            any = true;
        }
    }
    return any && depth == 0;
}

void SkinStart(const std::string& path) {
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app) return;
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxSkinBytes) return;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(file.readAll());
    if (utf8.hasError() || !LooksLikeStyleSheet(text)) return;
    app->setStyleSheet(text);
}

void SkinRemove() {
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) app->setStyleSheet(QString());
}

}  // namespace corvessa
