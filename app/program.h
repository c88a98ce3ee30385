#pragma once

class QApplication;
class QWidget;

namespace mud::app {

// Runs the program with the board shown, one file for each platform, until
// the board has closed; returns the status for main to return, after which
// everything is torn down as usual. Where tearing the windowing platform
// down can hang or crash (Wayland), it ends the process itself with that
// status; in a browser the event loop never returns, and the page takes over
// once the board has closed. The game keeps no state and writes no files, so
// nothing is lost.
int runProgram(QApplication& app, QWidget& board);

}  // namespace mud::app
