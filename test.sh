#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (unit, widget and
# end-to-end on a private X display) with CTest. Options go to ctest,
# e.g. ./test.sh -L e2e
. "$(dirname "$0")/scripts/common.sh"
install_missing
build
cd "$BUILD"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure "$@"
