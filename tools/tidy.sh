#!/usr/bin/env bash
# Runs clang-tidy with the checks of .clang-tidy over every C++ source of the project that
# BUILD_DIR (default build) compiles, using its compile_commands.json. Generated sources (moc,
# resources) are left out. Fails on any finding.
# Usage: tools/tidy.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
mapfile -t sources < <(git ls-files '*.cpp' | grep -v '^tests/fuzz/')
run-clang-tidy-14 -p "$build" -j 2 -quiet "${sources[@]/#/$PWD/}" 2>&1 |
    grep -v '^[0-9]* warnings\? generated\.$\|^Suppressed [0-9]* warnings\|^Use -header-filter\|^clang-tidy-14 ' |
    tee "$build/tidy.log"
! grep -q 'error:\|warning:' "$build/tidy.log"
