// The window's job layer: what a job throws, on its thread or in the
// owner's handlers, arrives as a message; a job whose holder goes is told
// to stop and delivers nothing.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QObject>
#include <atomic>
#include <future>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "ground/error.h"
#include "ground/stop.h"
#include "shell/window_job.h"

using namespace corvessa;

namespace {

// Runs the event loop until `done` holds (or half a minute has gone).
template <class Done>
bool Await(Done done) {
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < 30000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

// What a job's handlers were given, in order: "done 7", "each 1", "failed TEXT".
struct Heard {
    std::vector<std::string> calls;
    bool Ended() const {
        return !calls.empty() && (calls.back().rfind("done", 0) == 0 || calls.back().rfind("failed", 0) == 0);
    }
};

TEST(WindowJob, WhatAJobOrItsHandlersThrowArrivesAsAMessage) {
    struct Case {
        const char* what;
        std::function<int()> work;
        bool doneThrows;
        std::vector<std::string> heard;
    };
    const Case cases[] = {
        {"a result", [] { return 7; }, false, {"done 7"}},
        {"an error of ours", []() -> int { throw CannotOpenFile("/p/a.jpg"); }, false, {"failed Cannot open file /p/a.jpg"}},
        {"no memory", []() -> int { throw std::bad_alloc(); }, false, {"failed Not enough memory for the picture"}},
        {"something else", []() -> int { throw 42; }, false, {"failed Unknown error"}},
        {"a handler that throws", [] { return 7; }, true, {"done 7", "failed Not enough memory for the picture"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QObject owner;
        WindowJob<int> job(&owner);
        Heard heard;
        job.Start(c.work,
                  [&, throws = c.doneThrows](int value) {
                      heard.calls.push_back("done " + std::to_string(value));
                      if (throws) throw std::bad_alloc();
                  },
                  [&](const std::string& message) { heard.calls.push_back("failed " + message); });
        ASSERT_TRUE(Await([&] { return !job.Running(); }));
        QCoreApplication::processEvents();
        EXPECT_EQ(heard.calls, c.heard);
    }
}

TEST(WindowJob, AStreamThatThrowsDeliversWhatItHandedOverThenItsFailure) {
    struct Case {
        const char* what;
        bool workThrows, eachThrows, doneThrows;
        std::vector<std::string> heard;
    };
    const Case cases[] = {
        {"all well", false, false, false, {"each 1", "each 2", "done"}},
        {"the work", true, false, false, {"each 1", "failed Cannot create file /p/b.png"}},
        {"a result's handler", false, true, false,
         {"each 1", "failed Unknown error", "each 2", "failed Unknown error", "done"}},
        {"the end's handler", false, false, true, {"each 1", "each 2", "done", "failed Unknown error"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QObject owner;
        WindowJob<int> job(&owner);
        Heard heard;
        job.StartStream(
            [throws = c.workThrows](QPromise<int>& promise) {
                promise.addResult(1);
                if (throws) throw CannotCreateFile("/p/b.png");
                promise.addResult(2);
            },
            [&, throws = c.eachThrows](int value) {
                heard.calls.push_back("each " + std::to_string(value));
                if (throws) throw "broken";
            },
            [&, throws = c.doneThrows] {
                heard.calls.push_back("done");
                if (throws) throw "broken";
            },
            [&](const std::string& message) { heard.calls.push_back("failed " + message); });
        ASSERT_TRUE(Await([&] { return !job.Running(); }));
        QCoreApplication::processEvents();
        EXPECT_EQ(heard.calls, c.heard);
    }
}

// Dropped, superseded or gone with its holder, a job is told to stop and
// delivers nothing; let finish, it runs to its end unstopped, unheard.
TEST(WindowJob, AJobLetGoIsToldToStopAndDeliversNothingUnlessLetFinish) {
    struct Case {
        const char* what;
        std::function<void(std::optional<WindowJob<int>>&)> letGo;
        bool stopped;
    };
    const Case cases[] = {
        {"dropped", [](std::optional<WindowJob<int>>& job) { job->Drop(); }, true},
        {"destroyed", [](std::optional<WindowJob<int>>& job) { job.reset(); }, true},
        {"let finish, then destroyed",
         [](std::optional<WindowJob<int>>& job) {
             job->LetFinish();
             job.reset();
         },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto owner = std::make_unique<QObject>();
        std::optional<WindowJob<int>> job(std::in_place, owner.get());
        std::promise<void> go;
        std::promise<bool> sawStop;
        int heard = 0;
        job->Start(
            [going = go.get_future().share(), &sawStop] {
                going.wait();
                sawStop.set_value(StopRequested());
                return 1;
            },
            [&](int) { ++heard; }, [&](const std::string&) { ++heard; });
        ASSERT_TRUE(job->Running());
        c.letGo(job);
        go.set_value();
        EXPECT_EQ(sawStop.get_future().get(), c.stopped);
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents();
        owner.reset();
        QCoreApplication::processEvents();
        EXPECT_EQ(heard, 0);
    }
}

}  // namespace
