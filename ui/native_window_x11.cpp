#include "native_window.h"

#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>

namespace mud::ui {

bool windowDestroyed(QWindow* window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !window || !window->handle()) return false;
    xcb_connection_t* connection = x11->connection();
    xcb_generic_error_t* error = nullptr;
    const auto cookie = xcb_get_window_attributes(connection, static_cast<xcb_window_t>(window->winId()));
    std::free(xcb_get_window_attributes_reply(connection, cookie, &error));
    const bool gone = error && error->error_code == 3;  // BadWindow
    std::free(error);
    return gone;
}

void keepDialogOffTaskbar(QWidget*) {}

}  // namespace mud::ui
