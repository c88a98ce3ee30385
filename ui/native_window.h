// What the window system knows of a window: whether a shown window still
// exists (another X11 client may destroy it without the program being
// asked), and the title an untitled window gets.
#pragma once

class QWindow;

namespace mud::ui {

// True only where the window system can tell, and says the window is gone.
bool windowDestroyed(QWindow* window);

// Clears the title the window system holds for a created window: Qt's
// platform plugins give an untitled window the program's name instead, and
// a taskbar shows that. Done where the window system can (X11, Windows).
void clearSystemTitle(QWindow* window);

}  // namespace mud::ui
