#!/usr/bin/env bash
# Runs clang-tidy with the checks of .clang-tidy over the C++ sources under the given folders
# (default: the core and the engine, what ./check runs; `.` for the whole project) that
# BUILD_DIR compiles, using its compile_commands.json. Fails on any finding.
# Usage: tools/tidy.sh BUILD_DIR [FOLDER...]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
shift || true
folders=("$@")
[ ${#folders[@]} -gt 0 ] || folders=(rules images protocol record game net engine)
mapfile -t sources < <(git ls-files -- "${folders[@]/%//*.cpp}" | grep -v '^tests/fuzz/')
status=0
run-clang-tidy-14 -p "$build" -j 2 -quiet "${sources[@]/#/$PWD/}" >"$build/tidy.log" 2>&1 ||
    status=$?
grep -v '^[0-9]* warnings\? generated\.$\|^Suppressed [0-9]* warnings\|^Use -header-filter\|^clang-tidy-14 ' \
    "$build/tidy.log" || true
[ "$status" -eq 0 ] && ! grep -q 'error:\|warning:' "$build/tidy.log"
