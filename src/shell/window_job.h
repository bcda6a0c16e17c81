#pragma once
// One kind of work the window runs off its thread (reading a photo,
// rendering a look): the window waits for at most one of each kind, and
// starting another drops the one before. A dropped job is told to stop
// (ground/stop.h: its row loops and decoders end it at their next check)
// and its result, if it gets that far, is let go unseen.
//
// No exception leaves a job: what the work throws on its thread, and what
// the owner's handlers throw on the owner's thread, reaches the owner as
// a message (its `failed` handler), since an exception crossing either
// would end the program.

#include <QFutureWatcher>
#include <QPromise>
#include <QObject>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "ground/error.h"
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
    // The job running is told to stop and never delivers: nothing it ends
    // with reaches an owner that is going.
    ~WindowJob() { Drop(); }

    // Runs `work()` on a worker thread, then `done(result)` on the owner's
    // thread, unless the job is dropped first. Where `work` throws,
    // `failed(message)` runs in place of `done`; where `done` throws, it
    // runs after it.
    template <class Work, class Done, class Failed>
    void Start(Work work, Done done, Failed failed) {
        Drop();
        auto* watcher = new QFutureWatcher<Outcome>(owner_);
        watcher_ = watcher;
        QObject::connect(watcher, &QFutureWatcherBase::finished, owner_,
                         [this, watcher, done = std::move(done), failed = std::move(failed)]() mutable {
                             Finished(watcher);
                             Outcome outcome = watcher->future().takeResult();
                             if (!outcome.value) return Fail(failed, outcome.error);
                             try {
                                 done(std::move(*outcome.value));
                             } catch (...) {
                                 Fail(failed, CurrentErrorText());
                             }
                         });
        watcher->setFuture(Run([stop = NewStop(), work = std::move(work)]() mutable {
            const StopScope scope(stop.get());
            Outcome outcome;
            try {
                outcome.value.emplace(work());
            } catch (...) {
                outcome.value.reset();
                outcome.error = CurrentErrorText();
            }
            return outcome;
        }));
    }
    // Runs `work(promise)` on a worker thread, which hands over results one
    // by one (promise.addResult); `each(result)` runs for each of them on
    // the owner's thread, in order, then `done()`, unless the job is
    // dropped first. Where `work` throws, the results it handed over come
    // all the same, then `failed(message)` in place of `done`; where
    // `each` or `done` throws, `failed` runs after it.
    template <class Work, class Each, class Done, class Failed>
    void StartStream(Work work, Each each, Done done, Failed failed) {
        Drop();
        auto* watcher = new QFutureWatcher<Result>(owner_);
        watcher_ = watcher;
        // Set by the worker before it finishes, read once it has.
        auto error = std::make_shared<std::optional<std::string>>();
        QObject::connect(watcher, &QFutureWatcherBase::resultReadyAt, owner_,
                         [watcher, each, failed](int index) mutable {
                             try {
                                 each(watcher->resultAt(index));
                             } catch (...) {
                                 Fail(failed, CurrentErrorText());
                             }
                         });
        QObject::connect(watcher, &QFutureWatcherBase::finished, owner_,
                         [this, watcher, error, done = std::move(done), failed]() mutable {
                             Finished(watcher);
                             if (*error) return Fail(failed, **error);
                             try {
                                 done();
                             } catch (...) {
                                 Fail(failed, CurrentErrorText());
                             }
                         });
        watcher->setFuture(Run([stop = NewStop(), error, work = std::move(work)](QPromise<Result>& promise) mutable {
            const StopScope scope(stop.get());
            try {
                work(promise);
            } catch (...) {
                *error = CurrentErrorText();
            }
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
    // Forgets the job that runs, if any, but lets it run to its end (a
    // save, whose file is then written whole): its result is never
    // delivered.
    void LetFinish() {
        stop_.reset();
        Drop();
    }
    bool Running() const { return watcher_ != nullptr; }

private:
    struct Outcome {
        std::optional<Result> value;
        std::string error;
    };

    // The flag of the job about to start, shared with it.
    std::shared_ptr<StopFlag> NewStop() {
        stop_ = std::make_shared<StopFlag>();
        return stop_;
    }

    template <class Work>
    auto Run(Work work) {
        return pool_ ? QtConcurrent::run(pool_, std::move(work)) : QtConcurrent::run(std::move(work));
    }

    // The job of `watcher` is over: the next may start from its handlers.
    void Finished(QObject* watcher) {
        watcher->deleteLater();
        watcher_ = nullptr;
        stop_.reset();
    }

    // The owner's failure handler, which must not throw either: a failure
    // that cannot even be shown leaves nothing to do but go on.
    template <class Failed>
    static void Fail(Failed& failed, const std::string& message) {
        try {
            failed(message);
        } catch (...) {
        }
    }

    QObject* owner_;
    QThreadPool* pool_;
    QFutureWatcherBase* watcher_ = nullptr;
    std::shared_ptr<StopFlag> stop_;
};

}  // namespace corvessa
