#include "window_checks.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTextDocument>
#include <algorithm>
#include <climits>
#include <cmath>
#include <filesystem>

#include "catalogue/catalogue.h"
#include "fake_dialogs.h"
#include "jpeg_fixtures.h"
#include "picture_folder.h"
#include "shell/form_batch.h"
#include "shell/form_export.h"
#include "shell/my_looks_view.h"
#include "test_support.h"
#include "widgets/skin_button.h"
#include "window_jobs.h"

namespace corvessa::test {

namespace {

// Lets the windows shown or changed lay themselves out.
void LaidOut() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

// The text as it shows: "&&" an ampersand, a lone '&' the key's mark.
QString Shown(const QString& text) {
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) ++i;
        shown += text[i];
    }
    return shown;
}

int Advance(const QWidget& widget, const QString& text) { return widget.fontMetrics().horizontalAdvance(Shown(text)); }

std::string Cut(const QWidget& widget, const QString& text, int needs, int has) {
    return QStringLiteral("%1 \"%2\" needs %3, has %4").arg(PathOf(widget), text).arg(needs).arg(has).toStdString();
}

void ButtonCut(const QAbstractButton& button, std::vector<std::string>& cut) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    option.icon = button.icon();
    option.iconSize = button.iconSize();
    const int icon = button.icon().isNull() ? 0 : button.iconSize().width() + 4;
    QStyle::SubElement room = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox*>(&button)) room = QStyle::SE_CheckBoxContents;
    if (qobject_cast<const QRadioButton*>(&button)) room = QStyle::SE_RadioButtonContents;
    if (auto* push = qobject_cast<const QPushButton*>(&button)) {
        if (push->isDefault()) option.features |= QStyleOptionButton::DefaultButton;
        if (push->autoDefault()) option.features |= QStyleOptionButton::AutoDefaultButton;
    }
    const int has = button.style()->subElementRect(room, &option, &button).width();
    const int needs = Advance(button, button.text()) + icon;
    if (needs > has) cut.push_back(Cut(button, button.text(), needs, has));
}

// A label's text within its contents, wrapped when the label wraps; rich
// text laid out as the label lays it out.
QSize LabelTextSize(const QLabel& label, int width) {
    const QString text = label.buddy() ? Shown(label.text()) : label.text();
    const bool rich = label.textFormat() == Qt::RichText ||
                      (label.textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
    if (rich) {
        QTextDocument document;
        document.setDocumentMargin(0);
        document.setDefaultFont(label.font());
        document.setHtml(text);
        if (label.wordWrap()) document.setTextWidth(width);
        return QSize(int(std::ceil(document.idealWidth())), int(std::ceil(document.size().height())));
    }
    const int flags = label.wordWrap() ? Qt::TextWordWrap : 0;
    return label.fontMetrics().boundingRect(QRect(0, 0, label.wordWrap() ? width : INT_MAX / 2, INT_MAX / 2), flags, text).size();
}

void LabelCut(const QLabel& label, std::vector<std::string>& cut) {
    if (label.text().isEmpty()) return;
    const QRect room = label.contentsRect().adjusted(label.margin(), label.margin(), -label.margin(), -label.margin());
    const QSize needs = LabelTextSize(label, room.width());
    if (needs.width() > room.width()) cut.push_back(Cut(label, label.text(), needs.width(), room.width()));
    if (needs.height() > room.height())
        cut.push_back(Cut(label, label.text(), needs.height(), room.height()) + " (height)");
}

void GroupBoxCut(const QGroupBox& box, std::vector<std::string>& cut) {
    if (box.title().isEmpty()) return;
    QStyleOptionGroupBox option;
    option.initFrom(&box);
    option.text = box.title();
    option.textAlignment = box.alignment();
    option.lineWidth = 1;
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    if (box.isCheckable()) option.subControls |= QStyle::SC_GroupBoxCheckBox;
    if (box.isFlat()) option.features |= QStyleOptionFrame::Flat;
    const QRect title = box.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &box);
    if (!box.rect().contains(title)) cut.push_back(Cut(box, box.title(), title.right() + 1, box.width()));
}

void ComboCut(const QComboBox& combo, std::vector<std::string>& cut) {
    QStyleOptionComboBox option;
    option.initFrom(&combo);
    option.editable = combo.isEditable();
    option.frame = combo.hasFrame();
    option.subControls = QStyle::SC_All;
    const int has = combo.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &combo).width();
    for (int i = 0; i < combo.count(); ++i) {
        const int icon = combo.itemIcon(i).isNull() ? 0 : combo.iconSize().width() + 4;
        const int needs = combo.fontMetrics().horizontalAdvance(combo.itemText(i)) + icon;
        if (needs > has) cut.push_back(Cut(combo, combo.itemText(i), needs, has));
    }
}

void TabsCut(const QTabBar& tabs, std::vector<std::string>& cut) {
    const int space = tabs.style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, &tabs);
    for (int i = 0; i < tabs.count(); ++i) {
        const int needs = Advance(tabs, tabs.tabText(i)) + space, has = tabs.tabRect(i).width();
        if (needs > has) cut.push_back(Cut(tabs, tabs.tabText(i), needs, has));
    }
}

// The part of `widget` that shows something: a label's text, else all of it.
QRect UsedRect(const QWidget& widget) {
    auto* label = qobject_cast<const QLabel*>(&widget);
    if (!label) return widget.geometry();
    if (label->text().isEmpty()) return {};
    const QRect room = label->contentsRect();
    const QSize text = LabelTextSize(*label, room.width());
    return QRect(widget.geometry().topLeft() + room.topLeft(), QSize(room.width(), std::min(text.height(), room.height())));
}

bool Shows(const QWidget* widget, const QWidget& window) {
    return widget && widget->isVisible() && !widget->isWindow() && widget->window() == &window;
}

QString Name(const QWidget& widget) {
    if (!widget.objectName().isEmpty()) return widget.objectName();
    int place = 0;
    if (const QObject* parent = widget.parent())
        for (const QObject* sibling : parent->children()) {
            if (sibling == &widget) break;
            if (sibling->metaObject() == widget.metaObject()) ++place;
        }
    return QStringLiteral("%1#%2").arg(QString::fromLatin1(widget.metaObject()->className())).arg(place);
}

}  // namespace

QString PathOf(const QWidget& widget) {
    QString path = Name(widget);
    for (const QWidget* up = widget.parentWidget(); up && !widget.isWindow(); up = up->parentWidget()) {
        path = Name(*up) + u'/' + path;
        if (up->isWindow()) break;
    }
    return path;
}

std::vector<std::string> TextsCut(QWidget& window) {
    std::vector<std::string> cut;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!Shows(widget, window)) continue;
        if (auto* skinned = qobject_cast<TSkinButton*>(widget)) {
            // It fits a long caption itself; only one it has to cut short is cut.
            if (const CaptionFit fit = skinned->Fit(); fit.elided)
                cut.push_back(Cut(*widget, skinned->text(), Advance(*widget, skinned->text()), skinned->CaptionRoom().width()));
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            ButtonCut(*button, cut);
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            LabelCut(*label, cut);
        } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
            GroupBoxCut(*box, cut);
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            ComboCut(*combo, cut);
        } else if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
            TabsCut(*tabs, cut);
        }
    }
    return cut;
}

std::vector<std::string> Overlaps(QWidget& window) {
    std::vector<std::string> overlaps;
    QList<QWidget*> parents = window.findChildren<QWidget*>();
    parents.prepend(&window);
    for (QWidget* parent : parents) {
        if (parent != &window && !Shows(parent, window)) continue;
        std::vector<QWidget*> shown;
        for (QObject* child : parent->children())
            if (auto* widget = qobject_cast<QWidget*>(child); Shows(widget, window)) shown.push_back(widget);
        for (size_t i = 0; i < shown.size(); ++i) {
            for (size_t j = i + 1; j < shown.size(); ++j) {
                const QRect below = shown[i]->geometry(), above = shown[j]->geometry(), both = below & above;
                if (both.width() <= 1 || both.height() <= 1) continue;
                if (both != below && both != above) {
                    overlaps.push_back((PathOf(*shown[i]) + QStringLiteral(" and ") + PathOf(*shown[j])).toStdString());
                    continue;
                }
                // A layer over part of a panel hides what the panel holds there.
                if (both != above) continue;
                for (QObject* child : shown[i]->children()) {
                    auto* covered = qobject_cast<QWidget*>(child);
                    if (Shows(covered, window) && UsedRect(*covered).translated(below.topLeft()).intersects(above))
                        overlaps.push_back((PathOf(*covered) + QStringLiteral(" under ") + PathOf(*shown[j])).toStdString());
                }
            }
        }
    }
    return overlaps;
}

void MakeWindowFolder(const std::string& appDir) {
    MakePictureFolder(appDir, 12);
    // The shipped skin: its frames and padding take part of every button.
    std::filesystem::copy_file(CORVESSA_SHIPPED_SKIN, appDir + "beryl.urf");
    WriteBytes(appDir + "pic/sample.jpg", MakeJpeg(RandomBitmap(240, 160, 7), JpegKind::kColour));
}

void VisitWindows(const std::string& appDir, const std::function<void(const QString& name, QWidget& window)>& visit) {
    TFormMain form(appDir, std::make_unique<FakeDialogs>(), QSize(1024, 768));
    const auto show = [&](const QString& name, QWidget& window) {
        window.show();
        Settle(form);
        LaidOut();
        visit(name, window);
    };
    form.CategoryClick(kCategoryColumn.front());
    show(QStringLiteral("main window"), form);
    form.SetLargeThumbnails(true);
    show(QStringLiteral("main window, large looks"), form);
    form.SetLargeThumbnails(false);
    form.MyLooksView().Show();
    show(QStringLiteral("main window, My Looks"), form);
    form.CategoryClick(kCategoryColumn.front());
    form.ThumbnailClick(1);
    Settle(form);
    TFormPreview& preview = *form.FormPreview();
    show(QStringLiteral("preview"), preview);
    preview.ShowProcessing();
    show(QStringLiteral("preview, rendering"), preview);
    preview.hide();
    form.EditPanel().Open();
    show(QStringLiteral("main window, Edit panel"), form);
    form.EditPanel().Cancel();
    form.BtnBatchClick();
    TFormBatch& batch = *form.FormBatch();
    auto* pages = batch.findChild<QStackedWidget*>();
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        show(QStringLiteral("batch dialog, ") + QString::fromLatin1(pages->widget(i)->metaObject()->className()), batch);
    }
    pages->setCurrentIndex(0);
    batch.hide();
    form.BtnExportClick();
    show(QStringLiteral("Export dialog"), *form.FormExport());
    form.FormExport()->hide();
    form.close();
}

}  // namespace corvessa::test
