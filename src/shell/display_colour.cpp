#include "shell/display_colour.h"

#include <QGuiApplication>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace corvessa {

std::vector<uint8_t> ReadIccProfileProperty() {
#if QT_CONFIG(xcb)
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection) return {};
    static const char kName[] = "_ICC_PROFILE";
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, sizeof kName - 1, kName), nullptr), &std::free);
    if (!atom || atom->atom == XCB_ATOM_NONE) return {};
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen) return {};
    // A profile is some kilobytes; a few megabytes (in 32-bit units) is
    // room for any.
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> property(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0, screen->root, atom->atom, XCB_GET_PROPERTY_TYPE_ANY, 0,
                                                (uint32_t(16) << 20) / 4),
                               nullptr),
        &std::free);
    if (!property || property->format != 8) return {};
    const auto* bytes = static_cast<const uint8_t*>(xcb_get_property_value(property.get()));
    const int length = xcb_get_property_value_length(property.get());
    if (!bytes || length <= 0) return {};
    return std::vector<uint8_t>(bytes, bytes + length);
#else
    return {};
#endif
}

}  // namespace corvessa
