#include "native_window.h"

#include <QWidget>

namespace mud::ui {

// In the browser the windows live in one canvas on the page: no window
// manager, no taskbar, no other program's windows.
bool onWayland() { return false; }

bool windowsDrawOwnFrames() { return true; }

bool boardIsTheScreen() { return true; }

bool windowDestroyed(QWindow*) { return false; }

void clearSystemTitle(QWindow*) {}

bool isPressElsewhere(const QByteArray&, void*, const QWindow*) { return false; }

bool dialogsNeedOwner() { return false; }

// A dialog's window goes without handing the activation on: the window it
// opened over takes it back, and with it the control that had the focus.
void dialogClosed(QWidget* opener) {
    if (opener && opener->isVisible()) opener->activateWindow();
}

}  // namespace mud::ui
