#!/usr/bin/env bash
# Builds the fuzzers in BUILD_DIR and runs each (or the ones named) for RUNS inputs, one
# after the other, then prints per fuzzer the inputs run, the faults found and the coverage of
# its final statistics (cov: code edges, ft: features). With JOBS=n in the environment, n
# copies of each fuzzer share its RUNS and its corpus, one per core; each copy gets a row. A
# copy stops at its first fault and leaves the input in BUILD_DIR as NAME-crash-…,
# NAME-leak-… or NAME-timeout-…. Each copy's log is BUILD_DIR/soak-NAME.log (soak-NAME.J.log
# with JOBS). An input counts as a hang only after 60 s, because a soak shares the machine
# with other work and a slow moment is not a hang. Every finished run is also added to
# BUILD_DIR/soak-ledger.tsv (date, commit, fuzzer, runs, faults, cov, ft), so that soaks
# spread over days can be added up.
# Usage: [JOBS=n] soak.sh BUILD_DIR RUNS [FUZZER...]
set -uo pipefail
source "$(dirname "$0")/fuzzers.sh"
build="$1"
runs="$2"
shift 2
names=("$@")
((${#names[@]} > 0)) || names=("${fuzzers[@]%% *}")
jobs="${JOBS:-1}"
share=$(((runs + jobs - 1) / jobs))  # per copy, rounded up so that the copies run at least RUNS

build_fuzzers "$build" >/dev/null || exit 1
commit=$(git -C "$fuzz_dir" rev-parse --short HEAD 2>/dev/null)  # the sources just built
found=0

# Prints and records the row of fuzzer $1 from its log $2.
report() {
    local name="$1" log="$2" faults last executed cov ft
    faults=$(grep -c 'Test unit written to' "$log")
    found=$((found + faults))
    last=$(grep -E '^#[0-9]+[[:space:]]+(INITED|NEW|REDUCE|pulse|DONE)' "$log" | tail -1)
    executed=$(grep -o 'number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$')
    [[ -n "$executed" ]] || executed=$(grep -o '^#[0-9]*' <<<"$last" | tr -d '#')
    cov=$(grep -o 'cov: [0-9]*' <<<"$last" | grep -o '[0-9]*')
    ft=$(grep -o 'ft: [0-9]*' <<<"$last" | grep -o '[0-9]*')
    printf '%-16s %10s %8s %8s %8s\n' "$name" "${executed:-?}" "$faults" "$cov" "$ft"
    printf '%s\t%s\t%s\t%s\t%s\t%s\t%s\n' "$(date -u +%FT%TZ)" "$commit" "$name" \
        "${executed:-0}" "$faults" "$cov" "$ft" >>"$build/soak-ledger.tsv"
}

printf '%-16s %10s %8s %8s %8s\n' fuzzer runs faults cov ft
for name in "${names[@]}"; do
    logs=("$build/soak-$name.log")
    ((jobs == 1)) || logs=($(seq -f "$build/soak-$name.%g.log" "$jobs"))
    write_seeds "$build" "$name"
    for log in "${logs[@]}"; do
        run_fuzzer "$build" "$name" -runs="$share" -timeout=60 >"$log" 2>&1 &
    done
    wait
    for log in "${logs[@]}"; do report "$name" "$log"; done
done
((found == 0))
