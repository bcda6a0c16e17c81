#pragma once
// TBatchProgressPage: the batch dialog's page while a batch runs. It counts
// the photos down as they end (each listed, the latest at the foot), names
// the one started last with its small picture, and gives the time spent and
// about how much is left; Cancel lets the photos in flight finish. What it
// counted is the summary's (BatchTally).

#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "batch/batch.h"

class QElapsedTimer;
class QLabel;
class QListWidget;
class QPixmap;
class QProgressBar;
class QPushButton;
class QTimer;

namespace corvessa {

// "1:05", "1:02:03" for a time in milliseconds.
QString Clock(qint64 milliseconds);

// What a batch has come to so far.
struct BatchTally {
    std::string outputFolder;
    size_t total = 0;
    batch::BatchCounts counts;
    size_t processed = 0;  // rendered or failed: what the time left is reckoned from
    std::vector<batch::PhotoOutcome> failures;
    std::vector<batch::PhotoOutcome> warnings;  // rendered, but opened only in part
    qint64 milliseconds = 0;                    // spent, once it has ended
};

class TBatchProgressPage : public QWidget {
    Q_OBJECT
public:
    TBatchProgressPage();
    ~TBatchProgressPage() override;

    // A batch of `total` photos into `outputFolder` starts now.
    void Begin(size_t total, const std::string& outputFolder);
    // Photo `input` started, with its small picture `icon`.
    void PhotoStarted(const std::string& input, const QPixmap& icon);
    void PhotoFinished(const batch::PhotoOutcome& outcome);
    // Cancel was pressed: the page says it waits for the photos in flight.
    void Stopping();
    // The batch ended with `counts`.
    void Ended(const batch::BatchCounts& counts);
    const BatchTally& Tally() const { return tally_; }

signals:
    void CancelPressed();

private:
    void ShowTimes();
    // "3 of 20 photos".
    QString Progress(size_t done) const;

    BatchTally tally_;
    std::unique_ptr<QElapsedTimer> clock_;
    QTimer* ticker_ = nullptr;
    QLabel* labelProgress_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    QLabel* labelCurrent_ = nullptr;
    QLabel* labelCurrentIcon_ = nullptr;
    QLabel* labelTime_ = nullptr;
    QLabel* labelFailedSoFar_ = nullptr;
    QListWidget* listDone_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
};

}  // namespace corvessa
