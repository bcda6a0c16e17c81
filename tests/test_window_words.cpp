// The windows' words: every text they show comes through Qt's translation
// system (a translator that marks each text it is asked for shows every
// text marked), the English made of several parts reads as it always has,
// and counts reach the translations for their plural forms.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTranslator>

#include "catalogue/catalogue.h"
#include "fake_dialogs.h"
#include "io/photo_formats.h"
#include "jpeg_fixtures.h"
#include "picture_folder.h"
#include "shell/accessible_names.h"
#include "shell/batch_progress_page.h"
#include "shell/batch_summary_page.h"
#include "shell/edit_panel.h"
#include "shell/form_batch.h"
#include "shell/form_export.h"
#include "shell/form_main.h"
#include "shell/form_preview.h"
#include "shell/help_window.h"
#include "shell/photo_saver.h"
#include "shell/skin.h"
#include "test_support.h"
#include "window_jobs.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

// Installed for the life of a test: hands back every text it is asked for,
// between « and » when `marking`, and notes each plural form's source and
// count.
class Translator : public QTranslator {
public:
    explicit Translator(bool marking) : marking_(marking) { QCoreApplication::installTranslator(this); }
    ~Translator() override { QCoreApplication::removeTranslator(this); }
    QString translate(const char*, const char* source, const char*, int n) const override {
        const QString text = QString::fromUtf8(source);
        if (n >= 0) counted_ << QStringLiteral("%1 [%2]").arg(text, QString::number(n));
        return marking_ ? QStringLiteral("\u00ab%1\u00bb").arg(text) : text;
    }
    bool isEmpty() const override { return false; }
    const QStringList& Counted() const { return counted_; }

private:
    bool marking_;
    mutable QStringList counted_;
};

bool Marked(const QString& text) { return text.trimmed().startsWith(QChar(0x00ab)); }

// Texts that are no words of the program's: numbers and signs ("1", "<",
// "4:5", "+0.0°"), a key as written on it ("Ctrl+Z"), the program's name,
// and the formats' own names.
bool NoWords(const QString& text) {
    static const QRegularExpression letter(QStringLiteral("\\p{L}"));
    if (!text.contains(letter) || text == QStringLiteral("Corvessa")) return true;
    if (QKeySequence::fromString(text, QKeySequence::PortableText).toString(QKeySequence::PortableText) == text)
        return true;
    for (const PhotoFormat* format : SaveFormats())
        if (text == QString::fromUtf8(format->name.data(), qsizetype(format->name.size()))) return true;
    return false;
}

// Every text `root`'s window shows of its controls (what the user edits
// aside) that is not marked, as "object: text".
QStringList Unmarked(QWidget& root) {
    QStringList found;
    const auto check = [&found](const QWidget* widget, const QString& text) {
        if (!text.isEmpty() && !Marked(text) && !NoWords(text))
            found << (widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                                     : widget->objectName()) +
                         QStringLiteral(": ") + text;
    };
    QList<QWidget*> widgets = root.findChildren<QWidget*>();
    widgets.prepend(&root);
    for (const QWidget* widget : widgets) {
        if (widget->isWindow()) check(widget, widget->windowTitle());
        for (const QString& text : {widget->toolTip(), widget->statusTip(), widget->accessibleName(),
                                    widget->accessibleDescription()})
            check(widget, text);
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) check(widget, button->text());
        if (const auto* label = qobject_cast<const QLabel*>(widget)) check(widget, label->text());
        if (const auto* box = qobject_cast<const QGroupBox*>(widget)) check(widget, box->title());
        if (const auto* spin = qobject_cast<const QAbstractSpinBox*>(widget)) check(widget, spin->specialValueText());
        if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
            for (int i = 0; i < combo->count(); ++i) {
                check(widget, combo->itemText(i));
                check(widget, combo->itemData(i, Qt::ToolTipRole).toString());
            }
        }
        if (const auto* list = qobject_cast<const QListWidget*>(widget))
            for (int i = 0; i < list->count(); ++i) check(widget, list->item(i)->text());
    }
    return found;
}

class WindowWordsTest : public testing::Test {
protected:
    void SetUp() override {
        MakePictureFolder(dir_.Path() + "/", 12);
        WriteBytes(dir_.File("pic/sample.jpg"), MakeJpeg(RandomBitmap(48, 36, 7), JpegKind::kColour));
    }
    void TearDown() override { SkinRemove(); }
    std::unique_ptr<TFormMain> MakeForm() {
        return std::make_unique<TFormMain>(dir_.Path() + "/", std::make_unique<FakeDialogs>(), QSize(1024, 768));
    }

    TempDir dir_;
};

TEST_F(WindowWordsTest, EveryTextOfTheWindowsComesThroughTheTranslations) {
    const Translator marking(true);
    std::unique_ptr<TFormMain> form = MakeForm();
    ASSERT_EQ(form->findChild<QPushButton*>(QStringLiteral("BtnOpen"))->text(), QStringLiteral("\u00abOpen\u00bb"));
    // The main window before and with a strip, the preview of a look, the
    // Edit panel, and the dialogs it opens.
    EXPECT_EQ(Unmarked(*form).join(QStringLiteral(" | ")).toStdString(), "");
    form->CategoryClick(1);
    Settle(*form);
    form->ThumbnailClick(3);
    Settle(*form);
    ASSERT_TRUE(form->FormPreview()->isVisible());
    form->EditPanel().Open();
    Settle(*form);
    form->BtnBatchClick();
    form->BtnExportClick();
    Settle(*form);
    THelpWindow help(form.get());
    for (QWidget* window : std::initializer_list<QWidget*>{form.get(), form->FormPreview(), form->FormBatch(),
                                                            form->FormExport(), &help}) {
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(Unmarked(*window).join(QStringLiteral(" | ")).toStdString(), "")
            << window->objectName().toStdString();
    }
    form->EditPanel().Cancel();
}

TEST_F(WindowWordsTest, TheEnglishOfComposedTextsReadsAsBefore) {
    // A look's title as the catalogue composes it, for every look there is.
    for (const Category& category : kCategories)
        for (int effect = 0; effect <= kEffectCount + 1; ++effect)
            EXPECT_EQ(AccessibleText::LookTitle(category.number, effect).toStdString(),
                      LookTitle(category.number, effect));
    EXPECT_EQ(AccessibleText::LookTitle(0, 1).toStdString(), "");

    const struct {
        qint64 bytes;
        const char* text;
    } sizes[] = {{0, "0 bytes"}, {1, "1 bytes"},       {999, "999 bytes"},     {1000, "1 KB"},      {1500, "2 KB"},
                 {999999, "1000 KB"}, {1000000, "1.0 MB"}, {3141592, "3.1 MB"}, {12345678, "12.3 MB"}};
    for (const auto& size : sizes) EXPECT_EQ(FileSizeText(size.bytes).toStdString(), size.text);
}

// Each count reaches the translations with its number, for its plural form.
TEST_F(WindowWordsTest, TheBatchsProgressAndSummaryReadAsBeforeWithTheirCounts) {
    const Translator counting(false);
    TBatchProgressPage progress;
    progress.Begin(4, "/out");
    const auto text = [&progress](const char* name) {
        return progress.findChild<QLabel*>(QLatin1String(name))->text().toStdString();
    };
    EXPECT_EQ(text("LabelProgress"), "0 of 4 photos");
    progress.PhotoStarted("/in/a.jpg", QPixmap());
    EXPECT_EQ(text("LabelCurrent"), "Now: a.jpg");
    const batch::PhotoOutcome outcomes[] = {
        {0, "/in/a.jpg", "/out/a-LightA-3.jpg", batch::Status::kRendered, "", 1300},
        {1, "/in/b.jpg", "/out/b-LightA-3.jpg", batch::Status::kRendered, "The file is incomplete", 800, true},
        {2, "/in/c.jpg", "/out/c-LightA-3.jpg", batch::Status::kSkipped, "", 0},
        {3, "/in/d.jpg", "", batch::Status::kFailed, "Not enough memory for the picture", 0},
    };
    for (const batch::PhotoOutcome& outcome : outcomes) progress.PhotoFinished(outcome);
    QStringList lines;
    auto* done = progress.findChild<QListWidget*>(QStringLiteral("ListDone"));
    for (int i = 0; i < done->count(); ++i) lines << done->item(i)->text();
    EXPECT_EQ(lines.join(QLatin1Char('|')).toStdString(),
              "a.jpg: rendered into a-LightA-3.jpg in 1.3 s|"
              "b.jpg: rendered into b-LightA-3.jpg in 0.8 s, with a warning: The file is incomplete|"
              "c.jpg: done already|d.jpg: Not enough memory for the picture");
    EXPECT_EQ(text("LabelProgress"), "4 of 4 photos");
    EXPECT_EQ(text("LabelFailedSoFar"), "1 failed so far");
    EXPECT_EQ(text("LabelTime").rfind("Time spent ", 0), 0u) << text("LabelTime");

    FakeDialogs dialogs;
    TBatchSummaryPage summary([&dialogs]() -> ShellDialogs& { return dialogs; });
    const struct {
        batch::BatchCounts counts;
        const char* text;
    } cases[] = {
        {{4, 0, 0, 0}, "<b>Done: 4 of 4 photos rendered</b> into /out &amp; more in 1:05.<br>None failed."},
        {{1, 1, 1, 1},
         "<b>Cancelled: 1 of 4 photos rendered</b> into /out &amp; more in 1:05.<br>1 done already and left as they "
         "were.<br>1 not rendered: the batch was cancelled.<br>1 failed:"},
        {{2, 0, 2, 0}, "<b>Done: 2 of 4 photos rendered</b> into /out &amp; more in 1:05.<br>2 failed:"},
    };
    for (const auto& c : cases) {
        BatchTally tally;
        tally.outputFolder = "/out & more";
        tally.total = 4;
        tally.counts = c.counts;
        tally.milliseconds = 65000;
        summary.Show(tally);
        EXPECT_EQ(summary.findChild<QLabel*>(QStringLiteral("LabelSummary"))->text().toStdString(), c.text);
    }
    const char* const counted[] = {"%1 of %n photos [4]",
                                   "%n failed so far [1]",
                                   "<b>Done: %1 of %n photos rendered</b> into %2 in %3. [4]",
                                   "%n done already and left as they were. [1]",
                                   "%n not rendered: the batch was cancelled. [1]",
                                   "%n failed: [2]"};
    for (const char* text : counted) EXPECT_TRUE(counting.Counted().contains(QLatin1String(text))) << text;
}

}  // namespace
