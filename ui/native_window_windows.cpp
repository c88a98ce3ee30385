#include "native_window.h"

#include <QGuiApplication>
#include <QWindow>

#include <windows.h>

namespace mud::ui {

namespace {
// Native handles are real only on the windows platform (not offscreen).
bool nativeWindows() { return QGuiApplication::platformName() == QLatin1String("windows"); }
}  // namespace

bool onWayland() { return false; }

bool windowsDrawOwnFrames() { return false; }

bool boardIsTheScreen() { return false; }

// No other program can destroy the game's windows on Windows.
bool windowDestroyed(QWindow*) { return false; }

void clearSystemTitle(QWindow* window) {
    if (nativeWindows() && window && window->handle()) SetWindowTextW(reinterpret_cast<HWND>(window->winId()), L"");
}

bool isPressElsewhere(const QByteArray& eventType, void* message, const QWindow* except) {
    if (eventType != "windows_generic_MSG" || !nativeWindows()) return false;
    const MSG* msg = static_cast<const MSG*>(message);
    switch (msg->message) {
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN: case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN: case WM_KEYDOWN: case WM_SYSKEYDOWN:
        return !except || msg->hwnd != reinterpret_cast<HWND>(except->winId());
    default:
        return false;
    }
}

// A window the desktop knows only by its owner has no taskbar button.
bool dialogsNeedOwner() { return true; }

void dialogClosed(QWidget*) {}

}  // namespace mud::ui
