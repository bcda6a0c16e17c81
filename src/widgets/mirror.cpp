#include "widgets/mirror.h"

#include <QEvent>
#include <QVariant>
#include <QWidget>

namespace corvessa {

namespace {

constexpr char kPlaceProperty[] = "corvessaPlace";
constexpr char kKeeperName[] = "PlaceKeeper";

// Sits on a parent with placed children and places them again as its width
// or direction changes; until then a place already is where it belongs.
class PlaceKeeper : public QObject {
public:
    explicit PlaceKeeper(QWidget& parent) : QObject(&parent) {
        setObjectName(QString::fromLatin1(kKeeperName));
        parent.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* parent = static_cast<QWidget*>(watched);
        // Left to right a place never depends on the width.
        const bool follows = event->type() == QEvent::Resize && parent->layoutDirection() == Qt::RightToLeft;
        if (follows || event->type() == QEvent::LayoutDirectionChange) {
            for (QObject* child : parent->children()) {
                auto* widget = qobject_cast<QWidget*>(child);
                if (!widget || widget->isWindow()) continue;
                if (const QVariant place = widget->property(kPlaceProperty); place.isValid())
                    widget->setGeometry(VisualRect(*widget, place.toRect()));
            }
        }
        return false;
    }
};

}  // namespace

QRect Mirrored(const QRect& logical, int parentWidth, Qt::LayoutDirection direction) {
    if (direction != Qt::RightToLeft) return logical;
    return QRect(parentWidth - logical.x() - logical.width(), logical.y(), logical.width(), logical.height());
}

QRect VisualRect(const QWidget& widget, const QRect& logical) {
    const QWidget* parent = widget.parentWidget();
    if (!parent || widget.isWindow()) return logical;
    return Mirrored(logical, parent->width(), widget.layoutDirection());
}

void PlaceAt(QWidget& widget, const QRect& logical) {
    QWidget* parent = widget.parentWidget();
    if (parent && !widget.isWindow()) {
        widget.setProperty(kPlaceProperty, logical);
        if (!parent->findChild<QObject*>(QString::fromLatin1(kKeeperName), Qt::FindDirectChildrenOnly))
            new PlaceKeeper(*parent);
    }
    widget.setGeometry(VisualRect(widget, logical));
}

void PlaceAt(QWidget& widget, QPoint topLeft) { PlaceAt(widget, QRect(topLeft, widget.size())); }

}  // namespace corvessa
