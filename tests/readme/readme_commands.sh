#!/usr/bin/env bash
# Runs every command that the README's shell blocks give a newcomer, exactly as written, from
# the top of the repository, and checks what each must do. A command in a shell block that this
# script does not know fails the check, so the README and the suite cannot drift apart.
#   readme_commands.sh SOURCE_DIR BUILD_DIR
# Programs run headless; TORVANE_QUIT_WHEN_SHOWN makes the game quit once its window is shown.
set -uo pipefail
source_dir=$1
build_dir=$2
cd "$source_dir"
scratch=$(mktemp -d /tmp/torvane-readme.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
export QT_QPA_PLATFORM=offscreen TORVANE_QUIT_WHEN_SHOWN=1 XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -p "$XDG_RUNTIME_DIR"
failures=0
passed=0

fail() {
    echo "FAILED: $1" >&2
    failures=$((failures + 1))
}

# The commands of the README's ```sh blocks, one a line, comments and blank lines left out.
readme_commands() {
    awk '/^```sh$/ {inside = 1; next} /^```$/ {inside = 0} inside' README.md |
        sed -e 's/[[:space:]]*#.*$//' -e '/^[[:space:]]*$/d'
}

# run COMMAND PATTERN: runs the command with a home folder of its own, as bash would from the
# README, and expects it to succeed with PATTERN (an extended regular expression) in its output,
# if there is one.
run() {
    local command=$1 pattern=$2 output
    echo "== $command"
    output=$(HOME="$scratch/home" timeout 600 bash -c "$command" 2>&1)
    local rc=$?
    if [ $rc -ne 0 ]; then
        echo "$output" | tail -20 >&2
        fail "'$command' exited with $rc"
    elif [ -n "$pattern" ] && ! grep -Eq -- "$pattern" <<<"$output"; then
        echo "$output" | tail -20 >&2
        fail "'$command' printed nothing matching /$pattern/"
    else
        passed=$((passed + 1))
    fi
}

# The installed program, or the unpacked package's, must find its engine and help beside it.
shown_from() {
    echo "torvane: the main window is shown \([0-9]+x[0-9]+\); engine: $1/torvane-engine; help: $2/Torvaneのヘルプ.html"
}
home="$scratch/home"
mkdir -p "$home"
declare -A expected=(
    ["./play"]=$(shown_from "$source_dir/build/app" "$source_dir/build/share/torvane")
    ["cmake --install build --prefix ~/.local"]="Installing: $home/.local/bin/torvane"
    ["~/.local/bin/torvane"]=$(shown_from "$home/.local/bin" "$home/.local/share/torvane")
    ["(cd build && cpack -G DEB)"]="package: .*/build/torvane_1.0.0_amd64.deb generated"
    ["lintian build/torvane_1.0.0_amd64.deb"]=""
    ["build/bench/bench_core_drop"]="^BM_"
    ["build/bench/bench_chat_flood 600"]="lines sent 600, shown 600; the log holds"
    ["build/bench/bench_record"]="^BM_"
    ["xvfb-run -a build/bench/bench_idle_cpu"]="ratio"
    ["build/bench/bench_startup"]="start-up to a shown main window"
    ["build/bench/bench_record_window"]="^BM_OpenThousandMoves"
    ["build/bench/bench_computer_stall"]="max_stall_ms="
    ["build/bench/bench_analysis"]="median_total_s="
    ["build/bench/bench_study"]="median_updates_per_s="
    ["build/bench/bench_engine_search"]="^BM_Search/drops:1 .*nodes=1002.12k"
    ["printf 'usi\\nisready\\nposition startpos moves 5f5e\\ngo depth 6\\nquit\\n' | build/engine/torvane-engine"]="^bestmove "
    ["build/tools/match/torvane-match --help"]="^usage: torvane-match"
    ['build/tools/match/torvane-match --a level:2 --b greedy --games 4 --go "depth 1"']="Elo"
    ["build/tools/match/torvane-match --a level:1 --b random --games 2 --go \"depth 1\" --record /tmp/torvane-games.txt && cat /tmp/torvane-games.txt"]="^position startpos moves "
    ["build/tools/tune/torvane-tune --help"]="^usage: torvane-tune"
)

# Every command of the README, in its order; ./check itself is what runs this script.
while IFS= read -r command; do
    if [ "$command" = "./check" ]; then continue; fi
    if [ -z "${expected[$command]+set}" ]; then
        fail "the README gives '$command', which this script does not check"
        continue
    fi
    run "$command" "${expected[$command]}"
done < <(readme_commands)

# The package unpacked into a root of its own: the program found there starts and finds its
# engine and help there, and apt could install what it depends on.
deb="$build_dir/torvane_1.0.0_amd64.deb"
if [ -f "$deb" ]; then
    root="$scratch/root"
    dpkg-deb -x "$deb" "$root"
    run "$root/usr/games/torvane" "$(shown_from "$root/usr/games" "$root/usr/share/torvane")"
    run "apt-get install --simulate $deb" "Inst torvane"
else
    fail "no package at $deb"
fi
echo "$passed passed, $failures failed"
[ "$failures" -eq 0 ]
