#include "shell/batch_summary_page.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

#include "shell/batch_progress_page.h"
#include "session/words.h"
#include "shell/dialogs.h"
#include "shell/form_batch_parts.h"

namespace corvessa {

using namespace batch_dialog;

namespace {

// Each photo of `outcomes` with its message, its path as the tooltip.
void List(QListWidget& list, const std::vector<batch::PhotoOutcome>& outcomes) {
    list.clear();
    for (const batch::PhotoOutcome& outcome : outcomes) {
        auto* item = new QListWidgetItem(TBatchSummaryPage::tr("%1: %2").arg(QFileInfo(Text(outcome.input)).fileName(),
                                                                            MessageWords(outcome.message)));
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
    labelWarnings_ = NamedLabel("LabelWarnings", tr("Rendered with a warning:"));
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
    auto* openFolder = NamedButton("BtnOpenFolder", tr("Open Folder"));
    auto* newBatch = NamedButton("BtnNewBatch", tr("New Batch"));
    auto* close = NamedButton("BtnCloseSummary", tr("Close"));
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
    const int total = int(tally.total);
    const QString rendered = QString::number(counts.rendered), folder = Text(tally.outputFolder).toHtmlEscaped();
    QStringList lines{counts.cancelled
                          ? tr("<b>Cancelled: %1 of %n photos rendered</b> into %2 in %3.", nullptr, total)
                                .arg(rendered, folder, Clock(tally.milliseconds))
                          : tr("<b>Done: %1 of %n photos rendered</b> into %2 in %3.", nullptr, total)
                                .arg(rendered, folder, Clock(tally.milliseconds))};
    if (counts.skipped) lines << tr("%n done already and left as they were.", nullptr, int(counts.skipped));
    if (counts.cancelled) lines << tr("%n not rendered: the batch was cancelled.", nullptr, int(counts.cancelled));
    lines << (counts.failed ? tr("%n failed:", nullptr, int(counts.failed)) : tr("None failed."));
    labelSummary_->setText(lines.join(QStringLiteral("<br>")));
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
        page->labelOpenFailed_->setText(tr("Nothing on this desktop shows folders; the photos are in %1.").arg(folder));
        page->labelOpenFailed_->show();
    });
}

}  // namespace corvessa
