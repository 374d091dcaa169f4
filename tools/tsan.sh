#!/usr/bin/env bash
# Builds with ThreadSanitizer in build-tsan and runs the tests of the code that runs threads:
# the engine's suite (the search runs on a worker thread while the USI loop reads commands), the
# network tests of the core (the network session driven by bytes as the socket hands them over)
# and the socket's own suite (the connection's thread, on an event loop without a window). Qt is
# not built with ThreadSanitizer, so the locks inside Qt are invisible to it: the socket announces
# its hand-overs between threads itself (app/socket/ThreadTask), what the libraries that are not
# instrumented (Qt, GLib) touch on their own is not checked (ignore_noninstrumented_modules), and
# tests/sanitizer/tsan.supp is for any report that still lies inside Qt, one entry each. Every report goes to a file in build-tsan/tsan
# (the engine program's, run by the tests, too); any report fails the run.
# Usage: tools/tsan.sh
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTORVANE_TSAN=ON >/dev/null
cmake --build build-tsan -j2 --target core_tests engine_tests socket_tests
reports="$PWD/build-tsan/tsan"
rm -rf "$reports"
mkdir -p "$reports"
export QT_QPA_PLATFORM=offscreen
export TSAN_OPTIONS="ignore_noninstrumented_modules=1:suppressions=$PWD/tests/sanitizer/tsan.supp:log_path=$reports/report"
status=0
ctest --test-dir build-tsan --output-on-failure --timeout 600 -j2 -L engine || status=$?
ctest --test-dir build-tsan --output-on-failure --timeout 600 -j2 -L network -LE window ||
    status=$?
if compgen -G "$reports/report.*" >/dev/null; then
    cat "$reports"/report.*
    echo "ThreadSanitizer reported the above (the reports are in $reports)" >&2
    exit 1
fi
exit "$status"
