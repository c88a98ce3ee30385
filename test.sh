#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (unit, widget and
# end-to-end on a private X display) with CTest; then builds the tests again
# with AddressSanitizer (leaks too) and UndefinedBehaviorSanitizer in
# build-sanitize/ and runs all but the end-to-end and package ones there, failing on any
# report. Options go to ctest, e.g. ./test.sh -L e2e
. "$(dirname "$0")/scripts/common.sh"
install_missing "${PLAY_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
build
(cd "$BUILD" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure "$@")

echo "Again with the sanitizers:"
build "$ROOT/build-sanitize" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMUD_SANITIZE=ON
cd "$ROOT/build-sanitize"
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -LE "e2e|package" "$@"
