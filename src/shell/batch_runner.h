#pragma once
// TBatchRunner: a batch of the batch engine on a thread of its own. It
// tells the GUI thread how the batch goes through signals emitted there,
// so the windows stay usable while the workers render.

#include <QObject>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "batch/batch.h"

namespace corvessa {

class TBatchRunner : public QObject {
    Q_OBJECT
public:
    // `pictures` is kept for as long as the batch runs.
    TBatchRunner(std::vector<std::string> inputs, batch::BatchSettings settings,
                 std::shared_ptr<const PictureSource> pictures, QObject* parent = nullptr);
    // Cancels, then waits for the photos in flight: they are written whole.
    ~TBatchRunner() override;

    const std::vector<batch::PlannedPhoto>& Photos() const { return batch_->Photos(); }
    void Start();
    // No photo starts after this; Finished follows once those in flight
    // are written.
    void Cancel() { batch_->Cancel(); }
    bool Running() const { return running_; }

signals:
    void PhotoStarted(qsizetype index);
    void PhotoFinished(const corvessa::batch::PhotoOutcome& outcome);
    void Finished(const corvessa::batch::BatchCounts& counts);

private:
    class Relay;

    std::shared_ptr<const PictureSource> pictures_;
    std::unique_ptr<batch::Batch> batch_;
    std::unique_ptr<Relay> relay_;
    std::thread thread_;
    bool running_ = false;
};

}  // namespace corvessa
