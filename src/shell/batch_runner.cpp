#include "shell/batch_runner.h"

#include <malloc.h>

#include <QMetaObject>

namespace corvessa {

// Hands what the workers report to the runner's thread. A call queued for
// a runner that is gone by then is dropped with it.
class TBatchRunner::Relay : public batch::BatchObserver {
public:
    explicit Relay(TBatchRunner& runner) : runner_(runner) {}
    void PhotoStarted(size_t index, const std::string&) override {
        QMetaObject::invokeMethod(&runner_, [r = &runner_, index] { emit r->PhotoStarted(qsizetype(index)); },
                                  Qt::QueuedConnection);
    }
    void PhotoFinished(const batch::PhotoOutcome& outcome) override {
        QMetaObject::invokeMethod(&runner_, [r = &runner_, outcome] { emit r->PhotoFinished(outcome); },
                                  Qt::QueuedConnection);
    }

private:
    TBatchRunner& runner_;
};

TBatchRunner::TBatchRunner(std::vector<std::string> inputs, batch::BatchSettings settings,
                           std::shared_ptr<const PictureSource> pictures, QObject* parent)
    : QObject(parent),
      pictures_(std::move(pictures)),
      batch_(std::make_unique<batch::Batch>(std::move(inputs), std::move(settings), *pictures_)),
      relay_(std::make_unique<Relay>(*this)) {}

TBatchRunner::~TBatchRunner() {
    batch_->Cancel();
    if (thread_.joinable()) thread_.join();
}

void TBatchRunner::Start() {
    if (running_ || thread_.joinable()) return;
    running_ = true;
    thread_ = std::thread([this] {
        const batch::BatchCounts counts = batch_->Run(*relay_);
        // The workers' pixels and their threads' malloc arenas go back to
        // the system: a window left open after a batch would hold them.
        TrimPixelPool();
        malloc_trim(0);
        QMetaObject::invokeMethod(
            this,
            [this, counts] {
                running_ = false;
                emit Finished(counts);
            },
            Qt::QueuedConnection);
    });
}

}  // namespace corvessa
