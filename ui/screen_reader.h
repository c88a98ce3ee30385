// How a sentence reaches screen readers where the window system has a way of
// its own, one file for each: on Windows a UI Automation notification; on
// Linux (and in the browser) Qt's accessibility events carry everything.
#pragma once

class QString;
class QWidget;

namespace mud::ui {

// Raises `sentence` as a notification of the window that holds `widget`.
// False where the window system has no such way, or cannot now: the
// sentence then goes as Qt's accessibility events only.
bool notifyScreenReaders(QWidget* widget, const QString& sentence);

// Whether screen readers read a dialog's text as it opens (Orca reads its
// labels); where they do not, a dialog raises its sentence itself.
bool dialogTextReadOnOpening();

}  // namespace mud::ui
