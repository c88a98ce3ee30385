// How the game reaches screen readers, one file for each platform: on Linux
// Qt's accessibility events carry everything; on Windows a sentence goes as
// a UI Automation notification; in the browser, where Qt has no bridge, the
// page is told the focused control and every sentence.
#pragma once

class QString;
class QWidget;

namespace mud::ui {

// Connects the accessibility layer to screen readers where Qt does not.
void connectScreenReaders();

// Raises `sentence` as a notification of the window that holds `widget`.
// False where the window system has no such way, or cannot now: the
// sentence then goes as Qt's accessibility events only.
bool notifyScreenReaders(QWidget* widget, const QString& sentence);

// Whether screen readers read a dialog's text as it opens (Orca reads its
// labels); where they do not, a dialog raises its sentence itself.
bool dialogTextReadOnOpening();

}  // namespace mud::ui
