#!/usr/bin/env bash
# Builds the fuzzers with clang in BUILD_DIR and runs each of them from its seeds, SECONDS
# (default 30) shared out evenly among them. Fails if a fuzzer finds a fault.
# Usage: run.sh BUILD_DIR [SECONDS]
set -euo pipefail
source "$(dirname "$0")/fuzzers.sh"
build="$1"
seconds="${2:-30}"
share=$((seconds / ${#fuzzers[@]}))
((share > 0)) || share=1

build_fuzzers "$build"
for entry in "${fuzzers[@]}"; do
    write_seeds "$build" "${entry%% *}"
    run_fuzzer "$build" "${entry%% *}" -max_total_time="$share"
done
