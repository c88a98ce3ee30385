// What the window system's own notifications carry, where the program raises
// them (Windows): recorded in the one place where the program keeps the
// function that raises them.
#pragma once

#include <QApplication>
#include <QString>
#include <QWidget>
#include <vector>

namespace mud::test {

struct Notification {
    QString text;
    QString window;   // the object name of the window it came from
    bool dialogOpen;  // some dialog was on screen at that moment
};

// Puts a recorder there, appending to `into`; false where the program raises
// none (Linux).
bool recordNotifications(std::vector<Notification>* into);

// Turns Qt's accessibility on, as a screen reader does when it first asks.
void startScreenReader();

inline bool dialogOpen() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName().startsWith("frm") && w->objectName() != "frmMud") return true;
    return false;
}

}  // namespace mud::test
