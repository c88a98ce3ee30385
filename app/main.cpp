// Starts the game: the main window opens, and closing it ends the program.
#include <QApplication>

#include "accessibility.h"
#include "clock_random.h"
#include "frmmud.h"
#include "look.h"
#include "program.h"
#include "version.h"
#include "window_services.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(mud::app::kProductName));
    QApplication::setApplicationVersion(QString::fromLatin1(mud::app::kVersion));
    QApplication::setOrganizationName(QString::fromLatin1(mud::app::kProductName));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(mud::app::kAppId));
    mud::ui::applyClassicLook(app);
    mud::ui::installAccessibility();

    mud::app::ClockRandom random;
    mud::ui::frmMud window(random, &mud::app::openDialog);
    window.show();
    return mud::app::runProgram(app, window);
}
