// What the window system knows of a window, one file for each (X11 and
// Wayland on Linux, Windows, the browser): whether a shown window still exists (another
// X11 client may destroy it without the program being asked), the title an
// untitled window gets, presses that Qt drops, and whether dialogs need an
// owner.
#pragma once

class QByteArray;
class QWidget;
class QWindow;

namespace mud::ui {

// Whether the game runs natively on Wayland (Qt's wayland platforms).
bool onWayland();

// Whether no window manager draws the classic frames, so that the windows
// draw their own: on Wayland, whose toolkits draw their own title bars, and
// in the browser.
bool windowsDrawOwnFrames();

// Whether the board is the whole screen: in the browser the page gives it
// an area of its own, the size of its frame, where it neither moves nor is
// resized or minimized; the dialogs open over it.
bool boardIsTheScreen();

// True only where the window system can tell, and says the window is gone.
bool windowDestroyed(QWindow* window);

// Clears the title the window system holds for a created window: Qt's
// platform plugins give an untitled window the program's name instead, and
// a taskbar shows that. Done on X11, Wayland and Windows; call it once the
// window is created and before it is shown.
void clearSystemTitle(QWindow* window);

// Whether a native event, as a native event filter gets it, is a press of a
// mouse button or of a key in a window of the program other than `except`.
// Only X11 and Windows tell; elsewhere it is false.
bool isPressElsewhere(const QByteArray& eventType, void* message, const QWindow* except);

// Gives the window that a modal dialog opened over its activation back once
// the dialog has closed, where the window system does not (the browser);
// elsewhere the window system does it.
void dialogClosed(QWidget* opener);

// Whether the desktop gives every unowned window a taskbar button and lets
// it be minimized on its own (Windows, Wayland compositors): there a dialog
// is owned by the window it opens over, as the classic desktop's dialogs
// are; elsewhere (X11) the window manager decides.
bool dialogsNeedOwner();

}  // namespace mud::ui
