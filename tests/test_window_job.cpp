// The window's job layer: what a job throws, on its thread or in the
// owner's handlers, arrives as a message; a job whose holder goes is told
// to stop and delivers nothing.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QObject>
#include <future>
#include <new>
#include <string>
#include <vector>

#include "ground/error.h"
#include "ground/stop.h"
#include "shell/window_job.h"

using namespace corvessa;

namespace {

// Runs the event loop until the job has ended.
void Finish(const WindowJob<int>& job) {
    while (job.Running()) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

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
        std::vector<std::string> heard;
        job.Start(c.work,
                  [&, throws = c.doneThrows](int value) {
                      heard.push_back("done " + std::to_string(value));
                      if (throws) throw std::bad_alloc();
                  },
                  [&](const std::string& message) { heard.push_back("failed " + message); });
        Finish(job);
        EXPECT_EQ(heard, c.heard);
    }
    // A stream: what it handed over before it threw arrives, then why.
    QObject owner;
    WindowJob<int> stream(&owner);
    std::vector<std::string> heard;
    stream.StartStream(
        [](QPromise<int>& promise) {
            promise.addResult(1);
            throw CannotCreateFile("/p/b.png");
        },
        [&](int value) {
            heard.push_back("each " + std::to_string(value));
            throw "broken";
        },
        [&] { heard.push_back("done"); }, [&](const std::string& message) { heard.push_back("failed " + message); });
    Finish(stream);
    EXPECT_EQ(heard, (std::vector<std::string>{"each 1", "failed Unknown error", "failed Cannot create file /p/b.png"}));
}

// Dropped or gone with its holder, a job is told to stop and delivers
// nothing; let finish, it runs to its end unstopped, unheard.
TEST(WindowJob, AJobLetGoIsToldToStopAndDeliversNothingUnlessLetFinish) {
    for (const bool letFinish : {false, true}) {
        SCOPED_TRACE(letFinish);
        auto owner = std::make_unique<QObject>();
        auto job = std::make_unique<WindowJob<int>>(owner.get());
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
        if (letFinish) job->LetFinish();
        job.reset();
        go.set_value();
        EXPECT_EQ(sawStop.get_future().get(), !letFinish);
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents();
        owner.reset();
        EXPECT_EQ(heard, 0);
    }
}

}  // namespace
