#include "shell/window_place.h"

#include <QDataStream>
#include <QGuiApplication>
#include <QIODevice>
#include <QMargins>
#include <QScreen>
#include <QWidget>
#include <optional>

#include "shell/main_layout.h"

namespace corvessa {

namespace {

// What QWidget::saveGeometry writes (form 3.0, Qt 5.15 and 6): the frame,
// the size a maximised window returns to, the screen, the state, the
// screen's width and the window's client area.
struct SavedGeometry {
    quint32 magic = 0;
    quint16 major = 0, minor = 0;
    QRect frame, normal;
    qint32 screen = 0;
    quint8 maximized = 0, fullScreen = 0;
    qint32 screenWidth = 0;
    QRect client;
};
constexpr quint32 kGeometryMagic = 0x1D9D0CB;

std::optional<SavedGeometry> ReadSaved(const QByteArray& bytes) {
    QDataStream stream(bytes);
    stream.setVersion(QDataStream::Qt_4_0);
    SavedGeometry saved;
    stream >> saved.magic >> saved.major >> saved.minor;
    if (stream.status() != QDataStream::Ok || saved.magic != kGeometryMagic || saved.major != 3) return std::nullopt;
    stream >> saved.frame >> saved.normal >> saved.screen >> saved.maximized >> saved.fullScreen >> saved.screenWidth >>
        saved.client;
    if (stream.status() != QDataStream::Ok || !stream.atEnd()) return std::nullopt;
    return saved;
}

// The frame around a window's client area: the window manager's once it
// has framed the window, else the plain one the layouts assume.
QMargins FrameOf(const QWidget* window) {
    if (window && window->isVisible()) {
        const QRect frame = window->frameGeometry(), client = window->geometry();
        if (frame != client)
            return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                    frame.bottom() - client.bottom()};
    }
    return {kFrameWidth / 2, kFrameHeight - kFrameWidth / 2, kFrameWidth / 2, kFrameWidth / 2};
}

QRect Fitted(const QRect& outer, const QRect& area) {
    const Bounds fitted = FitIntoArea({outer.x(), outer.y(), outer.width(), outer.height()},
                                      {area.x(), area.y(), area.width(), area.height()});
    return {fitted.left, fitted.top, fitted.width, fitted.height};
}

// A client rectangle whose frame lies within `area`.
QRect FittedClient(const QRect& client, const QMargins& frame, const QRect& area) {
    return Fitted(client.marginsAdded(frame), area).marginsRemoved(frame);
}

// The usable area of the screen `rect` lies on most, else the primary's.
QRect AreaOfScreenAt(const QRect& rect) {
    const QScreen* best = nullptr;
    qint64 most = 0;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect common = screen->geometry().intersected(rect);
        if (qint64(common.width()) * common.height() > most) {
            most = qint64(common.width()) * common.height();
            best = screen;
        }
    }
    if (!best) best = QGuiApplication::primaryScreen();
    return best ? best->availableGeometry() : QRect();
}

}  // namespace

QByteArray FitSavedGeometry(const QByteArray& geometry, const QRect& area) {
    std::optional<SavedGeometry> saved = ReadSaved(geometry);
    if (!saved || area.isEmpty()) return geometry;
    // The place a window shown normal comes back to is fitted once it is
    // restored (RestoreWindowPlace), with the frame it then has.
    saved->normal = FittedClient(saved->normal, FrameOf(nullptr), area);
    QByteArray fitted;
    QDataStream stream(&fitted, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_4_0);
    stream << saved->magic << saved->major << saved->minor << saved->frame << saved->normal << saved->screen
           << saved->maximized << saved->fullScreen << saved->screenWidth << saved->client;
    return fitted;
}

bool RestoreWindowPlace(QWidget& window, const QByteArray& geometry, QRect area) {
    if (geometry.isEmpty()) return false;
    if (area.isEmpty()) {
        const std::optional<SavedGeometry> saved = ReadSaved(geometry);
        area = AreaOfScreenAt(saved ? saved->frame : QRect());
    }
    if (!window.restoreGeometry(FitSavedGeometry(geometry, area))) return false;
    // A form not read above is fitted as Qt restored it.
    if (!area.isEmpty() && !(window.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
        const QRect fitted = FittedClient(window.geometry(), FrameOf(&window), area);
        if (fitted != window.geometry()) window.setGeometry(fitted);
    }
    return true;
}

}  // namespace corvessa
