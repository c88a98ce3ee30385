#include <QApplication>

#include "program.h"

namespace mud::app {

// On Windows the platform tears down cleanly.
int runProgram(QApplication& app, QWidget&) { return app.exec(); }

}  // namespace mud::app
