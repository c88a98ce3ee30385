#pragma once

namespace mud::app {

// What the program does once its last window has closed and the event loop
// has returned with `status`: returns the status for main to return, after
// which everything is torn down as usual; or, where tearing the windowing
// platform down can hang or crash, ends the process here with that status.
// The game keeps no state and writes no files, so nothing is lost.
int endProgram(int status);

}  // namespace mud::app
