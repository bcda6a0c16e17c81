#include "shell/accessible_names.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QEvent>
#include <QKeyEvent>
#include <QObject>
#include <QWidget>
#include <algorithm>

#include "catalogue/catalogue.h"
#include "widgets/image_view.h"

namespace corvessa {

QString AccessibleText::Catalogue(std::string_view key) {
    const std::string text(key);
    // The English key is the text's own until a translation says otherwise.
    return QCoreApplication::translate("Catalogue", text.c_str());
}

QString AccessibleText::ActionName(Action action) {
    return QCoreApplication::translate("ActionTable", RowOf(action).name);
}

QString AccessibleText::Thumbnail(const Category* category, int n, const QString& look) {
    if (!category) return tr("My Looks, look %1: %2").arg(n).arg(look);
    return tr("%1, look %2: %3").arg(Catalogue(category->caption)).arg(n).arg(look);
}

QString AccessibleText::Look(int n) { return tr("Look %1").arg(n); }

QString AccessibleText::Strength(int percent) { return tr("Strength %1 %").arg(percent); }

QString AccessibleText::PhotoDescription(int width, int height, const QString& zoom) {
    if (width <= 0 || height <= 0) return tr("No photo");
    return tr("%1 \u00d7 %2 pixels, zoom %3").arg(width).arg(height).arg(zoom);
}

void NameCategoryButton(QAbstractButton& button, const Category& category) {
    button.setAccessibleName(AccessibleText::Catalogue(category.caption));
    button.setAccessibleDescription(AccessibleText::Catalogue(category.help));
}

void NamePhotoView(TImageView& view, const QString& what) {
    MakeViewsPressable();
    view.setAccessibleName(what);
    const auto describe = [&view] {
        const TBitmap& picture = std::as_const(view).Picture();
        view.setAccessibleDescription(
            AccessibleText::PhotoDescription(picture.Width(), picture.Height(), view.ZoomText()));
    };
    describe();
    QObject::connect(&view, &TImageView::zoomChanged, &view, describe);
    QObject::connect(&view, &TImageView::pictureChanged, &view, describe);
}

namespace {

class ArrowSteps : public QObject {
public:
    ArrowSteps(const std::vector<QWidget*>& buttons, QObject* parent) : QObject(parent), buttons_(buttons) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto at = std::find(buttons_.begin(), buttons_.end(), watched);
        if (at == buttons_.end()) return false;
        const std::optional<int> key = KeyIndexOf(*static_cast<QKeyEvent*>(event), Action::kCategoryStep);
        if (!key) return false;
        const int step = *key == 0 ? -1 : 1, last = int(buttons_.size()) - 1;
        const int from = int(at - buttons_.begin());
        for (int i = from + step; i >= 0 && i <= last; i += step) {
            QWidget* next = buttons_[size_t(i)];
            if (next->isVisible() && next->isEnabled()) {
                next->setFocus(Qt::TabFocusReason);
                break;
            }
        }
        return true;
    }

private:
    std::vector<QWidget*> buttons_;
};

// A view the keyboard reaches (a thumbnail) is a button to a screen reader,
// pressed through it as by a click; one that it does not (a photo) is a
// picture. Asked each time: a view's interface is made as soon as it is
// named, before its focus is set.
class PressableView : public QAccessibleWidget {
public:
    explicit PressableView(QWidget* view) : QAccessibleWidget(view) {}
    QAccessible::Role role() const override { return Pressable() ? QAccessible::Button : QAccessible::Graphic; }
    QStringList actionNames() const override {
        return Pressable() ? QStringList{pressAction()} + QAccessibleWidget::actionNames() : QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (Pressable() && name == pressAction())
            emit static_cast<TImageView*>(widget())->clicked();
        else
            QAccessibleWidget::doAction(name);
    }

private:
    bool Pressable() const { return widget()->focusPolicy() & Qt::TabFocus; }
};

QAccessibleInterface* PressableViews(const QString& className, QObject* object) {
    auto* view = qobject_cast<TImageView*>(object);
    if (className != QLatin1String(TImageView::staticMetaObject.className()) || !view) return nullptr;
    return new PressableView(view);
}

}  // namespace

void MakeViewsPressable() {
    static const bool installed = [] {
        QAccessible::installFactory(PressableViews);
        return true;
    }();
    (void)installed;
}

void StepWithArrows(const std::vector<QWidget*>& buttons) {
    if (buttons.empty()) return;
    auto* steps = new ArrowSteps(buttons, buttons.front());
    for (QWidget* button : buttons) button->installEventFilter(steps);
}

}  // namespace corvessa
