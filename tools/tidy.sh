#!/usr/bin/env bash
# Runs clang-tidy with the checks of .clang-tidy over the C++ sources under the given folders
# (default: the core and the engine, what ./check runs; `.` for the whole project) that
# BUILD_DIR compiles, using its compile_commands.json, with the newest clang-tidy installed and
# its run-clang-tidy. Fails on any finding.
# Usage: tools/tidy.sh BUILD_DIR [FOLDER...]
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/llvm_tool.sh
tidy=$(newest_llvm_tool clang-tidy)
runner=run-$tidy  # run-clang-tidy-14 beside clang-tidy-14
command -v "$runner" >/dev/null || runner=run-clang-tidy
if ! command -v "$runner" >/dev/null; then
    echo "run-clang-tidy is not installed (tools/setup.sh installs it with clang-tidy)" >&2
    exit 1
fi
build="${1:-build}"
shift || true
folders=("$@")
[ ${#folders[@]} -gt 0 ] || folders=(rules images protocol record game net engine)
mapfile -t sources < <(git ls-files -- "${folders[@]/%//*.cpp}" | grep -v '^tests/fuzz/')
status=0
$runner -clang-tidy-binary "$(command -v "$tidy")" -p "$build" -j 2 -quiet \
    "${sources[@]/#/$PWD/}" >"$build/tidy.log" 2>&1 || status=$?
grep -v '^[0-9]* warnings\? generated\.$\|^Suppressed [0-9]* warnings\|^Use -header-filter\|^[^ ]*clang-tidy[-0-9]* ' \
    "$build/tidy.log" || true
[ "$status" -eq 0 ] && ! grep -q 'error:\|warning:' "$build/tidy.log"
