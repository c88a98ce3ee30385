#include "program_end.h"

namespace mud::app {

// On Windows the platform tears down cleanly.
int endProgram(int status) { return status; }

}  // namespace mud::app
