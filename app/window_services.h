// How windows are opened: every dialog is built afresh, shown modally with
// no owner, and destroyed when it is closed; the opener resumes only then.
#pragma once

#include <string>

#include "board.h"

class QWidget;

namespace mud::app {

// Shows `window` (which it takes over) modally and returns after it has closed.
void showModal(QWidget* window);

// Builds the dialog and shows it modally; the hint window reads `mainTag`.
void openDialog(Dialog dialog, const std::string& mainTag);

}  // namespace mud::app
