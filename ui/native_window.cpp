#include "native_window.h"

#include <QGuiApplication>
#include <QWindow>

#if MUD_HAVE_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace mud::ui {

bool windowDestroyed(QWindow* window) {
#if MUD_HAVE_XCB
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !window || !window->handle()) return false;
    xcb_connection_t* connection = x11->connection();
    xcb_generic_error_t* error = nullptr;
    const auto cookie = xcb_get_window_attributes(connection, static_cast<xcb_window_t>(window->winId()));
    std::free(xcb_get_window_attributes_reply(connection, cookie, &error));
    const bool gone = error && error->error_code == 3;  // BadWindow
    std::free(error);
    return gone;
#else
    (void)window;
    return false;
#endif
}

void clearSystemTitle(QWindow* window) {
    if (!window || !window->handle()) return;
#if MUD_HAVE_XCB
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (xcb_connection_t* connection = x11 ? x11->connection() : nullptr) {  // none offscreen
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
#endif
#ifdef Q_OS_WIN
    SetWindowTextW(reinterpret_cast<HWND>(window->winId()), L"");
#endif
}

}  // namespace mud::ui
