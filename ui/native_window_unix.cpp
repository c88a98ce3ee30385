#include "native_window.h"

#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace mud::ui {

namespace {
// The X server connection; none offscreen or on Wayland.
xcb_connection_t* xcbConnection() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}
}  // namespace

bool onWayland() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

bool windowsDrawOwnFrames() { return onWayland(); }

bool boardIsTheScreen() { return false; }

bool windowDestroyed(QWindow* window) {
    xcb_connection_t* connection = xcbConnection();
    if (!connection || !window || !window->handle()) return false;
    xcb_generic_error_t* error = nullptr;
    const auto cookie = xcb_get_window_attributes(connection, static_cast<xcb_window_t>(window->winId()));
    std::free(xcb_get_window_attributes_reply(connection, cookie, &error));
    const bool gone = error && error->error_code == 3;  // BadWindow
    std::free(error);
    return gone;
}

void clearSystemTitle(QWindow* window) {
    if (!window || !window->handle()) return;
    if (onWayland()) {
        // The title goes to the compositor when the window is shown, as a C
        // string: a lone NUL makes it the empty title Qt will not send.
        window->setTitle(QString(QChar(0)));
        return;
    }
    if (xcb_connection_t* connection = xcbConnection()) {
        const auto xid = static_cast<xcb_window_t>(window->winId());
        auto atom = [connection](const char* name) {
            const auto cookie = xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name);
            xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
            const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
            std::free(reply);
            return found;
        };
        // Taskbars read _NET_WM_NAME before the older WM_NAME.
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xid, atom("_NET_WM_NAME"), atom("UTF8_STRING"), 8, 0, "");
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xid, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, 0, "");
        xcb_flush(connection);
    }
}

namespace {
// The window a press happened in: core events, and the XInput 2 events in
// which Qt gets the pointer (their event window lies at byte 24).
xcb_window_t pressedWindow(const xcb_generic_event_t* event) {
    switch (event->response_type & 0x7f) {
    case XCB_BUTTON_PRESS: return reinterpret_cast<const xcb_button_press_event_t*>(event)->event;
    case XCB_KEY_PRESS: return reinterpret_cast<const xcb_key_press_event_t*>(event)->event;
    case XCB_GE_GENERIC: break;
    default: return XCB_WINDOW_NONE;
    }
    static const uint8_t xinput = [] {
        xcb_connection_t* connection = xcbConnection();
        if (!connection) return uint8_t(0);
        const char name[] = "XInputExtension";
        xcb_query_extension_reply_t* reply =
            xcb_query_extension_reply(connection, xcb_query_extension(connection, sizeof name - 1, name), nullptr);
        const uint8_t opcode = reply && reply->present ? reply->major_opcode : 0;
        std::free(reply);
        return opcode;
    }();
    const auto* generic = reinterpret_cast<const xcb_ge_generic_event_t*>(event);
    constexpr uint16_t kKeyPress = 2, kButtonPress = 4;
    if (!xinput || generic->extension != xinput || (generic->event_type != kKeyPress && generic->event_type != kButtonPress))
        return XCB_WINDOW_NONE;
    xcb_window_t window;
    std::memcpy(&window, reinterpret_cast<const char*>(event) + 24, sizeof window);
    return window;
}
}  // namespace

bool isPressElsewhere(const QByteArray& eventType, void* message, const QWindow* except) {
    if (eventType == "xcb_generic_event_t") {
        const xcb_window_t window = pressedWindow(static_cast<const xcb_generic_event_t*>(message));
        return window != XCB_WINDOW_NONE && (!except || window != xcb_window_t(except->winId()));
    }
    return false;
}

// A Wayland compositor keeps an owned dialog above its owner, off the
// taskbar and minimized only with it; X11's window manager decides alone.
bool dialogsNeedOwner() { return onWayland(); }

void dialogClosed(QWidget*) {}

}  // namespace mud::ui
