#pragma once
// The window reads, renders, draws strips and saves off its thread; a test waits
// for the job it started before it looks at what the window shows.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QMimeData>
#include <QUrl>
#include <string>
#include <vector>

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
