// How windows are opened: every dialog is built afresh, shown modally with
// no owner, and destroyed when it is closed; what the opener does next runs
// only then, from the event loop (no loop of its own waits for a dialog).
#pragma once

#include <functional>
#include <string>

#include "board.h"

class QWidget;

namespace mud::app {

// Shows `window` (which it takes over) modally and returns at once;
// `closed` runs once, after it has closed.
void showModal(QWidget* window, std::function<void()> closed);

// Builds the dialog and shows it modally; the hint window reads `mainTag`.
void openDialog(Dialog dialog, const std::string& mainTag, std::function<void()> closed);

}  // namespace mud::app
