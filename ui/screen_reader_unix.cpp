#include "screen_reader.h"

namespace mud::ui {

void connectScreenReaders() {}

// Qt's bridge hands the announcer's events to the accessibility bus, and Orca
// speaks a notification as it shows.
bool notifyScreenReaders(QWidget*, const QString&) { return false; }

bool dialogTextReadOnOpening() { return true; }

}  // namespace mud::ui
