#include "shell/window_drops.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <utility>

#include "shell/my_looks_view.h"

namespace corvessa {

TWindowDrops::TWindowDrops(QWidget& window, std::function<void(const std::vector<std::string>&)> addLooks,
                           std::function<void(const std::string&)> openPhoto)
    : QObject(&window), addLooks_(std::move(addLooks)), openPhoto_(std::move(openPhoto)) {
    window.setAcceptDrops(true);
    window.installEventFilter(this);
}

bool TWindowDrops::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::DragEnter) {
        auto* enter = static_cast<QDragEnterEvent*>(event);
        const QList<QUrl> urls = enter->mimeData()->urls();
        if (!CubeFilesAmong(urls).empty() || (urls.size() == 1 && urls.first().isLocalFile())) enter->acceptProposedAction();
        return true;
    }
    if (event->type() != QEvent::Drop) return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    const QList<QUrl> urls = drop->mimeData()->urls();
    if (const std::vector<std::string> tables = CubeFilesAmong(urls); !tables.empty()) {
        drop->acceptProposedAction();
        addLooks_(tables);
    } else if (urls.size() == 1 && urls.first().isLocalFile()) {
        drop->acceptProposedAction();
        openPhoto_(urls.first().toLocalFile().toStdString());
    }
    return true;
}

}  // namespace corvessa
