#include "shell/accessible_names.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QObject>
#include <QWidget>
#include <algorithm>

#include "catalogue/catalogue.h"
#include "session/words.h"
#include "widgets/image_view.h"

namespace corvessa {

QString AccessibleText::Catalogue(std::string_view key) { return Words("Looks", key); }

QString AccessibleText::LookTitle(int category, int effect) {
    const Category* shown = FindCategory(category);
    if (!shown || effect < 1 || effect > kEffectCount) return QString();
    return tr("%1 %2, %3")
        .arg(Catalogue(shown->caption), QString::number(effect), Catalogue(shown->lookNames[size_t(effect - 1)]));
}

QString AccessibleText::ActionName(Action action) { return corvessa::ActionName(RowOf(action)); }

QString AccessibleText::Thumbnail(const Category* category, int n, const QString& look) {
    if (!category) return tr("My Looks, look %1: %2").arg(QString::number(n), look);
    return tr("%1, look %2: %3").arg(Catalogue(category->caption), QString::number(n), look);
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

namespace {

// What a screen reader says for a control no caption of its own names.
struct ControlWords {
    const char* objectName;
    const char* name;
    const char* description;  // null: none
};

constexpr ControlWords kControlWords[] = {
    // The batch dialog: its settings, its progress and its summary.
    {"ListPhotos", QT_TRANSLATE_NOOP("AccessibleText", "Photos"),
     QT_TRANSLATE_NOOP("AccessibleText", "The photos the batch renders; Add Files, Add Folder or a drop adds more")},
    {"ComboCategory", QT_TRANSLATE_NOOP("AccessibleText", "Category"),
     QT_TRANSLATE_NOOP("AccessibleText", "The category whose looks show below")},
    {"ListLooks", QT_TRANSLATE_NOOP("AccessibleText", "Looks"),
     QT_TRANSLATE_NOOP("AccessibleText", "The ten looks of the category, drawn from the first photo")},
    {"EditCubeFile", QT_TRANSLATE_NOOP("AccessibleText", "The .cube file"), nullptr},
    {"BtnCubeFile", QT_TRANSLATE_NOOP("AccessibleText", "Choose the .cube file"), nullptr},
    {"BtnColour", QT_TRANSLATE_NOOP("AccessibleText", "Choose the colour"), nullptr},
    {"SliderStrength", QT_TRANSLATE_NOOP("AccessibleText", "Strength"),
     QT_TRANSLATE_NOOP("AccessibleText", "How much of the look each photo takes")},
    {"EditFolder", QT_TRANSLATE_NOOP("AccessibleText", "Output folder"), nullptr},
    {"BtnFolder", QT_TRANSLATE_NOOP("AccessibleText", "Choose the output folder"), nullptr},
    {"ComboFormat", QT_TRANSLATE_NOOP("AccessibleText", "Format"), nullptr},
    {"EditName", QT_TRANSLATE_NOOP("AccessibleText", "Names"),
     QT_TRANSLATE_NOOP("AccessibleText", "The pattern of the output names")},
    {"SpinLongEdge", QT_TRANSLATE_NOOP("AccessibleText", "Longer side"),
     QT_TRANSLATE_NOOP("AccessibleText", "The longer side of each output in pixels, or full size")},
    {"ComboBatchCrop", QT_TRANSLATE_NOOP("AccessibleText", "Crop"), nullptr},
    {"ComboBatchTurn", QT_TRANSLATE_NOOP("AccessibleText", "Turn"), nullptr},
    {"ListDone", QT_TRANSLATE_NOOP("AccessibleText", "Photos done"),
     QT_TRANSLATE_NOOP("AccessibleText", "Every photo as it ends, the latest at the foot")},
    {"ListFailures", QT_TRANSLATE_NOOP("AccessibleText", "Photos that failed"), nullptr},
    {"ListWarnings", QT_TRANSLATE_NOOP("AccessibleText", "Photos rendered with a warning"), nullptr},
    // The Export dialog.
    {"ExportFormat", QT_TRANSLATE_NOOP("AccessibleText", "Format"), nullptr},
    {"ExportQuality", QT_TRANSLATE_NOOP("AccessibleText", "Quality"), nullptr},
    {"ExportSizeKind", QT_TRANSLATE_NOOP("AccessibleText", "Size"), nullptr},
    {"ExportSizeValue", QT_TRANSLATE_NOOP("AccessibleText", "Long edge or percentage"), nullptr},
    {"ExportFolder", QT_TRANSLATE_NOOP("AccessibleText", "Folder"), nullptr},
    {"BtnExportFolder", QT_TRANSLATE_NOOP("AccessibleText", "Choose the folder"), nullptr},
    {"ExportName", QT_TRANSLATE_NOOP("AccessibleText", "Name"),
     QT_TRANSLATE_NOOP("AccessibleText", "The pattern of the copy's name")},
    // The help window.
    {"HelpBrowser", QT_TRANSLATE_NOOP("AccessibleText", "Help page"), nullptr},
};

}  // namespace

void NameControls(QWidget& window) {
    for (const ControlWords& row : kControlWords) {
        auto* control = window.findChild<QWidget*>(QLatin1String(row.objectName));
        if (!control) continue;
        const QString name = QCoreApplication::translate("AccessibleText", row.name);
        control->setAccessibleName(name);
        if (row.description)
            control->setAccessibleDescription(QCoreApplication::translate("AccessibleText", row.description));
        // The parts a screen reader reaches on their own.
        if (auto* box = qobject_cast<QComboBox*>(control)) box->view()->setAccessibleName(name);
        if (qobject_cast<QAbstractSpinBox*>(control))
            for (QLineEdit* field : control->findChildren<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly))
                field->setAccessibleName(name);
    }
}

void OrderTabs(const std::vector<QWidget*>& order) {
    QWidget* before = nullptr;
    for (QWidget* widget : order) {
        if (!widget) continue;
        if (before) QWidget::setTabOrder(before, widget);
        before = widget;
    }
}

void StepWithArrows(const std::vector<QWidget*>& buttons) {
    if (buttons.empty()) return;
    auto* steps = new ArrowSteps(buttons, buttons.front());
    for (QWidget* button : buttons) button->installEventFilter(steps);
}

}  // namespace corvessa
