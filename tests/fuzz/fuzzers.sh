# The fuzzers of this folder, for build.sh, run.sh and soak.sh: each one's program, the program that
# writes its seeds, and its longest input.
fuzzers=(
    "DecoderFuzzer WriteSeeds 10000"
    "SessionFuzzer WriteSessionSeeds 4096"
    "AudioFuzzer WriteAudioSeeds 65536"
    "UsiFuzzer WriteUsiSeeds 4096"
    "RecordFuzzer RecordSeeds 20000"
)

fuzz_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

# Builds every fuzzer with clang in the build directory $1, configured the first time.
build_fuzzers() {
    [ -f "$1/build.ninja" ] || cmake -S "$fuzz_dir" -B "$1" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$1" -j2
}

# The line of fuzzer $1 in the list above: its program, its seed writer and its longest input.
entry_of() {
    printf '%s\n' "${fuzzers[@]}" | grep "^$1 "
}

# Writes the seeds of fuzzer $2 of build $1 into its corpus, beside what earlier runs added.
write_seeds() {
    local writer
    read -r _ writer _ < <(entry_of "$2")
    mkdir -p "$1/corpus/$2"
    "$1/$writer" "$1/corpus/$2"
}

# Runs fuzzer $2 of build $1 on its corpus, with the further libFuzzer options given; its
# reports and the input of a finding go to $1.
run_fuzzer() {
    local build="$1" name="$2" len
    shift 2
    read -r _ _ len < <(entry_of "$name")
    "$build/$name" -max_len="$len" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$build/$name-" "$@" "$build/corpus/$name"
}
