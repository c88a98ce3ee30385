#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "native_window.h"
#include "program.h"

namespace mud::app {

// Qt 6.4's Wayland plugin can deadlock or crash while it disconnects: its
// event thread for the main queue may leave a prepared read behind when told
// to quit, and the second event thread (the frame queue's) then waits for
// that read forever inside wl_display_read_events, while the application's
// destructor waits for the thread. Under load it happens in one exit of a
// few. With the board closed and the event loop done, leave before that
// teardown; the compositor cleans up after a client that leaves.
int runProgram(QApplication& app, QWidget&) {
    const int status = app.exec();
    if (ui::onWayland()) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}

}  // namespace mud::app
