#pragma once
// One kind of work the window runs off its thread (reading a photo,
// rendering a look): the window waits for at most one of each kind, and
// starting another drops the one before. A dropped job is told to stop
// (ground/stop.h: its row loops and decoders end it at their next check)
// and its result, if it gets that far, is let go unseen.

#include <QFutureWatcher>
#include <QPromise>
#include <QObject>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>
#include <memory>
#include <utility>

#include "ground/stop.h"

namespace corvessa {

template <class Result>
class WindowJob {
public:
    // `owner` receives the results on its thread. The jobs run in `pool`
    // (Qt's own when null), which whatever the jobs read must outlive.
    explicit WindowJob(QObject* owner, QThreadPool* pool = nullptr) : owner_(owner), pool_(pool) {}
    WindowJob(const WindowJob&) = delete;
    WindowJob& operator=(const WindowJob&) = delete;

    // Runs `work()` on a worker thread, then `done(result)` on the owner's
    // thread, unless the job is dropped first.
    template <class Work, class Done>
    void Start(Work work, Done done) {
        Drop();
        auto* watcher = new QFutureWatcher<Result>(owner_);
        watcher_ = watcher;
        QObject::connect(watcher, &QFutureWatcherBase::finished, owner_, [this, watcher, done = std::move(done)]() mutable {
            watcher->deleteLater();
            watcher_ = nullptr;
            done(watcher->future().takeResult());
        });
        watcher->setFuture(Run([stop = NewStop(), work = std::move(work)]() mutable {
            const StopScope scope(stop.get());
            return work();
        }));
    }
    // Runs `work(promise)` on a worker thread, which hands over results one
    // by one (promise.addResult); `each(result)` runs for each of them on
    // the owner's thread, in order, then `done()`, unless the job is
    // dropped first.
    template <class Work, class Each, class Done>
    void StartStream(Work work, Each each, Done done) {
        Drop();
        auto* watcher = new QFutureWatcher<Result>(owner_);
        watcher_ = watcher;
        QObject::connect(watcher, &QFutureWatcherBase::resultReadyAt, owner_,
                         [watcher, each = std::move(each)](int index) mutable { each(watcher->resultAt(index)); });
        QObject::connect(watcher, &QFutureWatcherBase::finished, owner_, [this, watcher, done = std::move(done)]() mutable {
            watcher->deleteLater();
            watcher_ = nullptr;
            done();
        });
        watcher->setFuture(Run([stop = NewStop(), work = std::move(work)](QPromise<Result>& promise) mutable {
            const StopScope scope(stop.get());
            work(promise);
        }));
    }
    // Forgets the job that runs, if any, and tells it to stop: its result
    // is never delivered.
    void Drop() {
        if (stop_) stop_->Stop();
        stop_.reset();
        if (!watcher_) return;
        watcher_->disconnect(owner_);
        QObject::connect(watcher_, &QFutureWatcherBase::finished, watcher_, &QObject::deleteLater);
        watcher_ = nullptr;
    }
    bool Running() const { return watcher_ != nullptr; }

private:
    // The flag of the job about to start, shared with it.
    std::shared_ptr<StopFlag> NewStop() {
        stop_ = std::make_shared<StopFlag>();
        return stop_;
    }

    template <class Work>
    auto Run(Work work) {
        return pool_ ? QtConcurrent::run(pool_, std::move(work)) : QtConcurrent::run(std::move(work));
    }

    QObject* owner_;
    QThreadPool* pool_;
    QFutureWatcher<Result>* watcher_ = nullptr;
    std::shared_ptr<StopFlag> stop_;
};

}  // namespace corvessa
