#!/usr/bin/env bash
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer in build-asan, with warnings as
# errors, and runs tests there. Leaks that LeakSanitizer finds in third-party libraries (Qt's
# plugins, fontconfig, GStreamer) are suppressed by tests/sanitizer/lsan.supp; a leak in our own
# code fails the run.
# Usage: tools/sanitize.sh        the core's and the engine's suites (what ./check runs)
#        tools/sanitize.sh all    the whole suite, the window's included
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTORVANE_SANITIZE=ON -DTORVANE_WERROR=ON >/dev/null
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
if [ "${1:-}" = all ]; then
    cmake --build build-asan -j2
    ctest --test-dir build-asan --output-on-failure --timeout 600 -j2
else
    cmake --build build-asan -j2 --target core_tests engine_tests
    build-asan/tests/core_tests --gtest_brief=1
    build-asan/tests/engine_tests --gtest_brief=1
fi
