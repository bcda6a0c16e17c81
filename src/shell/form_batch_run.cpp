// The batch dialog while a batch runs: its start, the progress page
// counting it down, Cancel and the summary at the end.
#include "shell/form_batch.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTimer>
#include <algorithm>

#include "shell/batch_runner.h"
#include "shell/dialogs.h"
#include "shell/form_batch_parts.h"

namespace corvessa {

using namespace batch_dialog;

namespace {

QString Clock(qint64 milliseconds) {
    const qint64 seconds = (milliseconds + 500) / 1000;
    if (seconds >= 3600)
        return QStringLiteral("%1:%2:%3").arg(seconds / 3600).arg(seconds / 60 % 60, 2, 10, QChar('0')).arg(seconds % 60, 2, 10, QChar('0'));
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QChar('0'));
}

// How many of the photos' planned outputs are there already.
size_t ExistingOutputs(const std::vector<std::string>& photos, const batch::BatchSettings& settings) {
    size_t existing = 0;
    for (const batch::PlannedPhoto& planned : batch::PlanOutputs(photos, settings))
        if (planned.refusal.empty() && !planned.output.empty() && QFileInfo::exists(Text(planned.output))) ++existing;
    return existing;
}

}  // namespace

bool TFormBatch::Running() const { return runner_ && runner_->Running(); }

void TFormBatch::Start() {
    if (Running()) return;
    batch::BatchSettings settings;
    try {
        settings = Settings();
    } catch (const std::exception&) {
        return Refresh();  // the example line says what is wrong
    }
    if (Photos().empty() || (!settings.look.user && !Renderable(settings.look.look))) return;
    if (radioCube_->isChecked()) {
        // The table is read now, as it is: a file that does not read stops
        // the batch before anything is written.
        if (editCube_->text().isEmpty()) return;
        cubeLook_ = ReadUserLook(editCube_->text().toStdString());
        Refresh();
        if (!cubeLook_.Usable()) return Dialogs().ShowError(cubeLook_.reason);
        settings.look.user = cubeLook_;
    }
    if (!settings.skipExisting) {
        if (const size_t existing = ExistingOutputs(Photos(), settings)) {
            const std::string question = QStringLiteral("%1 of the outputs exist already in %2.")
                                             .arg(existing)
                                             .arg(Text(settings.outputFolder))
                                             .toStdString();
            switch (Dialogs().AskExistingOutputs(question)) {
            case ExistingOutputsChoice::kReplace: break;
            case ExistingOutputsChoice::kSkip: settings.skipExisting = true; break;  // this run only
            case ExistingOutputsChoice::kCancel: return;
            }
        }
    }
    Remember();
    outputFolder_ = settings.outputFolder;
    runner_ = std::make_unique<TBatchRunner>(Photos(), std::move(settings), pictures_);
    connect(runner_.get(), &TBatchRunner::PhotoStarted, this, &TFormBatch::PhotoStarted);
    connect(runner_.get(), &TBatchRunner::PhotoFinished, this, &TFormBatch::PhotoFinished);
    connect(runner_.get(), &TBatchRunner::Finished, this, &TFormBatch::Finished);
    total_ = runner_->Photos().size();
    counts_ = {};
    processed_ = 0;
    failures_.clear();
    warnings_.clear();
    progressBar_->setRange(0, int(total_));
    progressBar_->setValue(0);
    labelProgress_->setText(QStringLiteral("0 of %1 photos").arg(total_));
    labelCurrent_->setText(QString());
    labelFailedSoFar_->setText(QString());
    listDone_->clear();
    btnCancel_->setEnabled(true);
    btnCancel_->setText(QStringLiteral("Cancel"));
    clock_->start();
    ShowTimes();
    ticker_->start();
    pages_->setCurrentIndex(1);
    runner_->Start();
}

void TFormBatch::Cancel() {
    if (!Running()) return;
    runner_->Cancel();
    btnCancel_->setEnabled(false);
    btnCancel_->setText(QStringLiteral("Stopping after the photos in flight..."));
}

void TFormBatch::PhotoStarted(qsizetype index) {
    const std::string& input = runner_->Photos()[size_t(index)].input;
    labelCurrent_->setText(QStringLiteral("Now: %1").arg(QFileInfo(Text(input)).fileName()));
    labelCurrent_->setToolTip(Text(input));
    // The photo's thumbnail from the list, when it is made already.
    labelCurrentIcon_->clear();
    for (int i = 0; i < listPhotos_->count(); ++i)
        if (listPhotos_->item(i)->data(Qt::UserRole).toString() == Text(input))
            labelCurrentIcon_->setPixmap(listPhotos_->item(i)->icon().pixmap(kPhotoIconSide, kPhotoIconSide));
}

void TFormBatch::PhotoFinished(const batch::PhotoOutcome& outcome) {
    switch (outcome.status) {
    case batch::Status::kRendered:
        ++counts_.rendered;
        if (outcome.warning) {
            ++counts_.warned;
            warnings_.push_back(outcome);
        }
        break;
    case batch::Status::kSkipped: ++counts_.skipped; break;
    case batch::Status::kFailed:
        ++counts_.failed;
        failures_.push_back(outcome);
        break;
    case batch::Status::kCancelled: ++counts_.cancelled; break;
    }
    if (outcome.status == batch::Status::kRendered || outcome.status == batch::Status::kFailed) ++processed_;
    if (outcome.status != batch::Status::kCancelled) {
        const QString name = QFileInfo(Text(outcome.input)).fileName();
        QString line;
        switch (outcome.status) {
        case batch::Status::kRendered:
            line = QStringLiteral("%1: rendered into %2 in %3 s")
                       .arg(name, QFileInfo(Text(outcome.output)).fileName())
                       .arg(double(outcome.milliseconds) / 1000, 0, 'f', 1);
            if (outcome.warning) line += QStringLiteral(", with a warning: %1").arg(Text(outcome.message));
            break;
        case batch::Status::kSkipped: line = QStringLiteral("%1: done already").arg(name); break;
        default: line = QStringLiteral("%1: %2").arg(name, Text(outcome.message)); break;
        }
        auto* item = new QListWidgetItem(line, listDone_);
        item->setToolTip(Text(outcome.input));
        if (outcome.status == batch::Status::kFailed) item->setForeground(QColor(192, 0, 0));
        if (outcome.warning) item->setForeground(QColor(160, 96, 0));
        listDone_->scrollToBottom();
    }
    progressBar_->setValue(int(counts_.Done()));
    labelProgress_->setText(QStringLiteral("%1 of %2 photos").arg(counts_.Done()).arg(total_));
    if (counts_.failed > 0) labelFailedSoFar_->setText(QStringLiteral("%1 failed so far").arg(counts_.failed));
    ShowTimes();
}

void TFormBatch::ShowTimes() {
    const qint64 spent = clock_->isValid() ? clock_->elapsed() : 0;
    QString text = QStringLiteral("Time spent %1").arg(Clock(spent));
    // Photos done already cost next to nothing: the time left is reckoned
    // from the ones rendered or failed.
    const size_t left = total_ - std::min(total_, counts_.Done());
    if (processed_ > 0 && left > 0)
        text += QStringLiteral(", about %1 left").arg(Clock(qint64(double(spent) / double(processed_) * double(left))));
    labelTime_->setText(text);
}

void TFormBatch::BtnOpenFolderClick() {
    labelOpenFailed_->hide();
    const QString folder = Text(outputFolder_);
    // The desktop may give up after the dialog is gone.
    Dialogs().OpenWithDesktop(outputFolder_, [dialog = QPointer<TFormBatch>(this), folder] {
        if (!dialog) return;
        dialog->labelOpenFailed_->setText(
            QStringLiteral("Nothing on this desktop shows folders; the photos are in %1.").arg(folder));
        dialog->labelOpenFailed_->show();
    });
}

void TFormBatch::Finished(const batch::BatchCounts& counts) {
    ticker_->stop();
    counts_ = counts;
    QString text = QStringLiteral("<b>%1: %2 of %3 photos rendered</b> into %4 in %5.")
                       .arg(counts.cancelled ? QStringLiteral("Cancelled") : QStringLiteral("Done"))
                       .arg(counts.rendered)
                       .arg(total_)
                       .arg(Text(outputFolder_).toHtmlEscaped())
                       .arg(Clock(clock_->elapsed()));
    if (counts.skipped) text += QStringLiteral("<br>%1 done already and left as they were.").arg(counts.skipped);
    if (counts.cancelled) text += QStringLiteral("<br>%1 not rendered: the batch was cancelled.").arg(counts.cancelled);
    text += counts.failed ? QStringLiteral("<br>%1 failed:").arg(counts.failed) : QStringLiteral("<br>None failed.");
    labelSummary_->setText(text);
    listFailures_->clear();
    for (const batch::PhotoOutcome& failure : failures_) {
        auto* item = new QListWidgetItem(QStringLiteral("%1: %2").arg(QFileInfo(Text(failure.input)).fileName(),
                                                                      Text(failure.message)));
        item->setToolTip(Text(failure.input));
        listFailures_->addItem(item);
    }
    listFailures_->setVisible(counts.failed > 0);
    listWarnings_->clear();
    for (const batch::PhotoOutcome& warned : warnings_) {
        auto* item = new QListWidgetItem(
            QStringLiteral("%1: %2").arg(QFileInfo(Text(warned.input)).fileName(), Text(warned.message)));
        item->setToolTip(Text(warned.input));
        listWarnings_->addItem(item);
    }
    labelWarnings_->setVisible(!warnings_.empty());
    labelOpenFailed_->hide();
    listWarnings_->setVisible(!warnings_.empty());
    pages_->setCurrentIndex(2);
    if (isHidden()) show();
    raise();
    Refresh();
    emit BatchFinished();
}

}  // namespace corvessa
