#pragma once
// The window reads, renders, draws strips and saves off its thread; a test waits
// for the job it started before it looks at what the window shows.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "shell/form_main.h"
#include "shell/form_preview.h"

namespace corvessa::test {

inline void Settle(TFormMain& form) {
    QElapsedTimer waited;
    waited.start();
    while (form.Opening() || form.Rendering() || form.Saving() || form.DrawingStrip() || form.ListingLooks() ||
           form.FormPreview()->Mixing()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (waited.elapsed() > 30000) {
            ADD_FAILURE() << "the window's job did not end";
            return;
        }
    }
}

}  // namespace corvessa::test
