#pragma once
// The window reads photos and renders looks off its thread; a test waits
// for the job it started before it looks at what the window shows.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "shell/form_main.h"

namespace corvessa::test {

inline void Settle(TFormMain& form) {
    QElapsedTimer waited;
    waited.start();
    while (form.Opening() || form.Rendering()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (waited.elapsed() > 30000) {
            ADD_FAILURE() << "the Open or render did not end";
            return;
        }
    }
}

}  // namespace corvessa::test
