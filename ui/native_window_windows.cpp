#include "native_window.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

namespace mud::ui {

// No other program can destroy the game's windows on Windows.
bool windowDestroyed(QWindow*) { return false; }

// A window the desktop knows only by its owner has no taskbar button: the
// dialog is owned by the game's window that is open beside it (the board).
void keepDialogOffTaskbar(QWidget* dialog) {
    QWidget* owner = QApplication::activeWindow();
    if (!owner || owner == dialog) {
        owner = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != dialog && w->isVisible() && w->windowType() == Qt::Window) owner = w;
    }
    if (!owner) return;
    dialog->winId();
    owner->winId();
    dialog->windowHandle()->setTransientParent(owner->windowHandle());
}

}  // namespace mud::ui
