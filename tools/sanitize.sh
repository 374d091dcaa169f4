#!/usr/bin/env bash
# Builds the whole project with AddressSanitizer and UndefinedBehaviorSanitizer in build-asan,
# with warnings as errors, and runs the test suite there. Leaks that LeakSanitizer finds in
# third-party libraries (Qt's plugins, fontconfig, GStreamer) are suppressed by
# tests/sanitizer/lsan.supp; a leak in our own code fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTORVANE_SANITIZE=ON -DTORVANE_WERROR=ON >/dev/null
cmake --build build-asan -j2
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-asan --output-on-failure --timeout 600 -j2
