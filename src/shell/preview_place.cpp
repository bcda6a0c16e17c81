#include "shell/preview_place.h"

#include <QScreen>
#include <algorithm>

#include <QWidget>

#include "shell/main_layout.h"

namespace corvessa {

QPoint PreviewPlace(const QRect& photoArea, QSize dialog, const QRect& screen) {
    int left = photoArea.left() + std::max((photoArea.width() - dialog.width()) / 2, 0);
    int top = photoArea.top() + (photoArea.height() - dialog.height()) / 2;
    left = std::max(std::min(left, screen.left() + screen.width() - dialog.width()), screen.left());
    top = std::max(std::min(top, screen.top() + screen.height() - dialog.height()), screen.top());
    return {left, top};
}

QSize UsefulPreviewSize(QSize available, QSize photo, int controlsHeight, QSize smallest) {
    if (photo.isEmpty() || available.isEmpty()) return smallest;
    const int roomWidth = available.width() * 2 / 3, roomHeight = available.height() * 2 / 3 - controlsHeight;
    int width = roomWidth, height = int(int64_t(roomWidth) * photo.height() / photo.width());
    if (height > roomHeight) {
        height = roomHeight;
        width = int(int64_t(roomHeight) * photo.width() / photo.height());
    }
    return QSize(width, height + controlsHeight).expandedTo(smallest);
}

QPoint PreviewPlaceFor(const QWidget& photoArea, const QWidget& preview) {
    const QWidget* area = &photoArea;
    // The frame is known once the window manager has framed the window.
    const QSize outer = preview.isVisible() ? preview.frameGeometry().size()
                                            : preview.size() + QSize(kFrameWidth, kFrameHeight);
    const QScreen* screen = photoArea.screen();
    return PreviewPlace(QRect(area->mapToGlobal(QPoint(0, 0)), area->size()), outer,
                        screen ? screen->availableGeometry() : QRect(QPoint(0, 0), outer));
}

}  // namespace corvessa
