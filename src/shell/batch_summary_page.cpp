#include "shell/batch_summary_page.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/batch_progress_page.h"
#include "shell/dialogs.h"
#include "shell/form_batch_parts.h"

namespace corvessa {

using namespace batch_dialog;

namespace {

// Each photo of `outcomes` with its message, its path as the tooltip.
void List(QListWidget& list, const std::vector<batch::PhotoOutcome>& outcomes) {
    list.clear();
    for (const batch::PhotoOutcome& outcome : outcomes) {
        auto* item = new QListWidgetItem(
            QStringLiteral("%1: %2").arg(QFileInfo(Text(outcome.input)).fileName(), Text(outcome.message)));
        item->setToolTip(Text(outcome.input));
        list.addItem(item);
    }
}

}  // namespace

TBatchSummaryPage::TBatchSummaryPage(std::function<ShellDialogs&()> dialogs) : dialogs_(std::move(dialogs)) {
    auto* layout = new QVBoxLayout(this);
    labelSummary_ = NamedLabel("LabelSummary");
    labelSummary_->setWordWrap(true);
    labelSummary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(labelSummary_);
    listFailures_ = new QListWidget;
    listFailures_->setObjectName(QStringLiteral("ListFailures"));
    listFailures_->setWordWrap(true);
    layout->addWidget(listFailures_, 1);
    labelWarnings_ = NamedLabel("LabelWarnings", QStringLiteral("Rendered with a warning:"));
    layout->addWidget(labelWarnings_);
    listWarnings_ = new QListWidget;
    listWarnings_->setObjectName(QStringLiteral("ListWarnings"));
    listWarnings_->setWordWrap(true);
    layout->addWidget(listWarnings_, 1);
    labelOpenFailed_ = NamedLabel("LabelOpenFailed");
    labelOpenFailed_->setWordWrap(true);
    labelOpenFailed_->setTextInteractionFlags(Qt::TextSelectableByMouse);  // the folder may be copied
    labelOpenFailed_->hide();
    layout->addWidget(labelOpenFailed_);
    layout->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* openFolder = NamedButton("BtnOpenFolder", QStringLiteral("Open Folder"));
    auto* newBatch = NamedButton("BtnNewBatch", QStringLiteral("New Batch"));
    auto* close = NamedButton("BtnCloseSummary", QStringLiteral("Close"));
    buttons->addWidget(openFolder);
    buttons->addWidget(newBatch);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(openFolder, &QPushButton::clicked, this, [this] { BtnOpenFolderClick(); });
    connect(newBatch, &QPushButton::clicked, this, &TBatchSummaryPage::NewBatchPressed);
    connect(close, &QPushButton::clicked, this, &TBatchSummaryPage::ClosePressed);
}

void TBatchSummaryPage::Show(const BatchTally& tally) {
    const batch::BatchCounts& counts = tally.counts;
    outputFolder_ = tally.outputFolder;
    QString text = QStringLiteral("<b>%1: %2 of %3 photos rendered</b> into %4 in %5.")
                       .arg(counts.cancelled ? QStringLiteral("Cancelled") : QStringLiteral("Done"))
                       .arg(counts.rendered)
                       .arg(tally.total)
                       .arg(Text(tally.outputFolder).toHtmlEscaped())
                       .arg(Clock(tally.milliseconds));
    if (counts.skipped) text += QStringLiteral("<br>%1 done already and left as they were.").arg(counts.skipped);
    if (counts.cancelled) text += QStringLiteral("<br>%1 not rendered: the batch was cancelled.").arg(counts.cancelled);
    text += counts.failed ? QStringLiteral("<br>%1 failed:").arg(counts.failed) : QStringLiteral("<br>None failed.");
    labelSummary_->setText(text);
    List(*listFailures_, tally.failures);
    listFailures_->setVisible(counts.failed > 0);
    List(*listWarnings_, tally.warnings);
    labelWarnings_->setVisible(!tally.warnings.empty());
    labelOpenFailed_->hide();
    listWarnings_->setVisible(!tally.warnings.empty());
}

void TBatchSummaryPage::BtnOpenFolderClick() {
    labelOpenFailed_->hide();
    const QString folder = Text(outputFolder_);
    // The desktop may give up after the dialog is gone.
    dialogs_().OpenWithDesktop(outputFolder_, [page = QPointer<TBatchSummaryPage>(this), folder] {
        if (!page) return;
        page->labelOpenFailed_->setText(
            QStringLiteral("Nothing on this desktop shows folders; the photos are in %1.").arg(folder));
        page->labelOpenFailed_->show();
    });
}

}  // namespace corvessa
