// Whether a shown window still exists in the window system: another X11
// client may destroy it without the program being asked.
#pragma once

class QWindow;

namespace mud::ui {

// True only where the window system can tell, and says the window is gone.
bool windowDestroyed(QWindow* window);

}  // namespace mud::ui
