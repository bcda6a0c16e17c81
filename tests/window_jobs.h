#pragma once
// The window reads, renders, draws strips and saves off its thread; a test waits
// for the job it started before it looks at what the window shows.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QMimeData>
#include <QThreadPool>
#include <QUrl>
#include <future>
#include <string>
#include <vector>

#include "shell/edit_panel.h"
#include "shell/form_main.h"
#include "shell/form_preview.h"

namespace corvessa::test {

inline void Settle(TFormMain& form) {
    QElapsedTimer waited;
    waited.start();
    while (form.Opening() || form.Rendering() || form.Saving() || form.DrawingStrip() || form.ListingLooks() ||
           form.FormPreview()->Mixing() || form.EditPanel().Busy()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (waited.elapsed() > 30000) {
            ADD_FAILURE() << "the window's job did not end";
            return;
        }
    }
}

// Holds Qt's own pool, where the window reads photos and writes saves,
// until released (or gone): a job started meanwhile waits there, as one
// whose encoder takes seconds would still be running.
class HeldPool {
public:
    HeldPool() : pool_(*QThreadPool::globalInstance()), threads_(pool_.maxThreadCount()) {
        pool_.setMaxThreadCount(1);
        pool_.start([released = released_] { released.wait(); });
    }
    ~HeldPool() {
        Release();
        pool_.setMaxThreadCount(threads_);
    }
    HeldPool(const HeldPool&) = delete;
    HeldPool& operator=(const HeldPool&) = delete;
    void Release() {
        if (!std::exchange(releasedOnce_, true)) release_.set_value();
    }

private:
    QThreadPool& pool_;
    const int threads_;
    std::promise<void> release_;
    std::shared_future<void> released_ = release_.get_future().share();
    bool releasedOnce_ = false;
};

// Drops `files` onto the window as a file manager would and waits for what
// the drop started; whether the window took the drag.
inline bool DropFiles(TFormMain& form, const std::vector<std::string>& files) {
    QMimeData mime;
    QList<QUrl> urls;
    for (const std::string& file : files) urls.push_back(QUrl::fromLocalFile(QString::fromStdString(file)));
    mime.setUrls(urls);
    QDragEnterEvent enter(QPoint(300, 300), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&form, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(QPointF(300, 300), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&form, &drop);
    Settle(form);
    return true;
}

}  // namespace corvessa::test
