#!/usr/bin/env bash
# Runs each fuzzer that build.sh built in BUILD_DIR from its seeds, SECONDS (default 30) shared
# out evenly among them. Fails if a fuzzer finds a fault.
# Usage: run.sh BUILD_DIR [SECONDS]
set -euo pipefail
source "$(dirname "$0")/fuzzers.sh"
build="$1"
seconds="${2:-30}"
share=$((seconds / ${#fuzzers[@]}))
((share > 0)) || share=1

for entry in "${fuzzers[@]}"; do
    write_seeds "$build" "${entry%% *}"
    run_fuzzer "$build" "${entry%% *}" -max_total_time="$share"
done
