// Whether a shown window still exists in the window system: another X11
// client may destroy it without the program being asked.
#pragma once

class QWidget;
class QWindow;

namespace mud::ui {

// True only where the window system can tell, and says the window is gone.
bool windowDestroyed(QWindow* window);

// Where the desktop gives every unowned window a taskbar button (Windows),
// lets a dialog that is about to show go without one, as the classic
// desktop's dialogs do; elsewhere the window manager decides.
void keepDialogOffTaskbar(QWidget* dialog);

}  // namespace mud::ui
