#include "shell/batch_progress_page.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "session/words.h"
#include "shell/form_batch_parts.h"

namespace corvessa {

using namespace batch_dialog;

QString Clock(qint64 milliseconds) {
    const qint64 seconds = (milliseconds + 500) / 1000;
    if (seconds >= 3600)
        return QStringLiteral("%1:%2:%3").arg(seconds / 3600).arg(seconds / 60 % 60, 2, 10, QChar('0')).arg(seconds % 60, 2, 10, QChar('0'));
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QChar('0'));
}

TBatchProgressPage::TBatchProgressPage() : clock_(std::make_unique<QElapsedTimer>()) {
    auto* layout = new QVBoxLayout(this);
    labelProgress_ = NamedLabel("LabelProgress");
    QFont large = labelProgress_->font();
    large.setPointSizeF(large.pointSizeF() * 1.5);
    large.setBold(true);
    labelProgress_->setFont(large);
    layout->addWidget(labelProgress_);
    progressBar_ = new QProgressBar;
    progressBar_->setObjectName(QStringLiteral("ProgressBar"));
    layout->addWidget(progressBar_);
    labelCurrent_ = NamedLabel("LabelCurrent");
    labelCurrentIcon_ = NamedLabel("LabelCurrentIcon");
    labelCurrentIcon_->setFixedSize(kPhotoIconSide, kPhotoIconSide);
    labelTime_ = NamedLabel("LabelTime");
    labelFailedSoFar_ = NamedLabel("LabelFailedSoFar");
    auto* current = new QHBoxLayout;
    current->addWidget(labelCurrentIcon_);
    current->addWidget(labelCurrent_, 1);
    layout->addLayout(current);
    layout->addWidget(labelTime_);
    layout->addWidget(labelFailedSoFar_);
    // Every photo as it ends, the latest at the foot.
    listDone_ = new QListWidget;
    listDone_->setObjectName(QStringLiteral("ListDone"));
    layout->addWidget(listDone_, 1);
    layout->addWidget(new QLabel(tr("The main window stays usable; closing this dialog lets the batch go on.")));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    btnCancel_ = NamedButton("BtnCancel", tr("Cancel"));
    buttons->addWidget(btnCancel_);
    layout->addLayout(buttons);
    connect(btnCancel_, &QPushButton::clicked, this, &TBatchProgressPage::CancelPressed);
    ticker_ = new QTimer(this);
    ticker_->setInterval(500);
    connect(ticker_, &QTimer::timeout, this, [this] { ShowTimes(); });
}

TBatchProgressPage::~TBatchProgressPage() = default;

void TBatchProgressPage::Begin(size_t total, const std::string& outputFolder) {
    tally_ = BatchTally();
    tally_.total = total;
    tally_.outputFolder = outputFolder;
    progressBar_->setRange(0, int(total));
    progressBar_->setValue(0);
    labelProgress_->setText(Progress(0));
    labelCurrent_->setText(QString());
    labelFailedSoFar_->setText(QString());
    listDone_->clear();
    btnCancel_->setEnabled(true);
    btnCancel_->setText(tr("Cancel"));
    clock_->start();
    ShowTimes();
    ticker_->start();
}

void TBatchProgressPage::PhotoStarted(const std::string& input, const QPixmap& icon) {
    labelCurrent_->setText(tr("Now: %1").arg(QFileInfo(Text(input)).fileName()));
    labelCurrent_->setToolTip(Text(input));
    // The photo's thumbnail from the list, when it is made already.
    labelCurrentIcon_->clear();
    if (!icon.isNull()) labelCurrentIcon_->setPixmap(icon);
}

namespace {

// The line of the progress list for a photo that ended.
QString DoneLine(const batch::PhotoOutcome& outcome) {
    const QString name = QFileInfo(Text(outcome.input)).fileName();
    switch (outcome.status) {
    case batch::Status::kRendered: {
        const QString output = QFileInfo(Text(outcome.output)).fileName();
        const QString seconds = QString::number(double(outcome.milliseconds) / 1000, 'f', 1);
        if (outcome.warning)
            return TBatchProgressPage::tr("%1: rendered into %2 in %3 s, with a warning: %4")
                .arg(name, output, seconds, MessageWords(outcome.message));
        return TBatchProgressPage::tr("%1: rendered into %2 in %3 s").arg(name, output, seconds);
    }
    case batch::Status::kSkipped: return TBatchProgressPage::tr("%1: done already").arg(name);
    default: return TBatchProgressPage::tr("%1: %2").arg(name, MessageWords(outcome.message));
    }
}

}  // namespace

void TBatchProgressPage::PhotoFinished(const batch::PhotoOutcome& outcome) {
    batch::BatchCounts& counts = tally_.counts;
    switch (outcome.status) {
    case batch::Status::kRendered:
        ++counts.rendered;
        if (outcome.warning) {
            ++counts.warned;
            tally_.warnings.push_back(outcome);
        }
        break;
    case batch::Status::kSkipped: ++counts.skipped; break;
    case batch::Status::kFailed:
        ++counts.failed;
        tally_.failures.push_back(outcome);
        break;
    case batch::Status::kCancelled: ++counts.cancelled; break;
    }
    if (outcome.status == batch::Status::kRendered || outcome.status == batch::Status::kFailed) ++tally_.processed;
    if (outcome.status != batch::Status::kCancelled) {
        auto* item = new QListWidgetItem(DoneLine(outcome), listDone_);
        item->setToolTip(Text(outcome.input));
        if (outcome.status == batch::Status::kFailed) item->setForeground(QColor(192, 0, 0));
        if (outcome.warning) item->setForeground(QColor(160, 96, 0));
        listDone_->scrollToBottom();
    }
    progressBar_->setValue(int(counts.Done()));
    labelProgress_->setText(Progress(counts.Done()));
    if (counts.failed > 0) labelFailedSoFar_->setText(tr("%n failed so far", nullptr, int(counts.failed)));
    ShowTimes();
}

void TBatchProgressPage::ShowTimes() {
    const qint64 spent = clock_->isValid() ? clock_->elapsed() : 0;
    // Photos done already cost next to nothing: the time left is reckoned
    // from the ones rendered or failed.
    const size_t left = tally_.total - std::min(tally_.total, tally_.counts.Done());
    if (tally_.processed > 0 && left > 0) {
        const qint64 toCome = qint64(double(spent) / double(tally_.processed) * double(left));
        labelTime_->setText(tr("Time spent %1, about %2 left").arg(Clock(spent), Clock(toCome)));
    } else {
        labelTime_->setText(tr("Time spent %1").arg(Clock(spent)));
    }
}

QString TBatchProgressPage::Progress(size_t done) const {
    return tr("%1 of %n photos", nullptr, int(tally_.total)).arg(done);
}

void TBatchProgressPage::Stopping() {
    btnCancel_->setEnabled(false);
    btnCancel_->setText(tr("Stopping after the photos in flight..."));
}

void TBatchProgressPage::Ended(const batch::BatchCounts& counts) {
    ticker_->stop();
    tally_.counts = counts;
    tally_.milliseconds = clock_->elapsed();
}

}  // namespace corvessa
