#!/usr/bin/env bash
# Builds the fuzzers with clang in BUILD_DIR and runs each for SECONDS (default 30): the
# decoder's from seeds of every valid message, the record reader's from written games. Fails if
# a fuzzer finds a fault.
# Usage: run.sh BUILD_DIR [SECONDS]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$1"
seconds="${2:-30}"

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2
mkdir -p "$build/corpus"
"$build/WriteSeeds" "$build/corpus"
"$build/DecoderFuzzer" -max_total_time="$seconds" -max_len=10000 -print_final_stats=1 \
    -artifact_prefix="$build/" "$build/corpus"
mkdir -p "$build/record-corpus"
"$build/RecordSeeds" "$build/record-corpus"
"$build/RecordFuzzer" -max_total_time="$seconds" -max_len=20000 -print_final_stats=1 \
    -artifact_prefix="$build/record-" "$build/record-corpus"
