#!/usr/bin/env bash
# Runs a command beside a PulseAudio server of its own whose only output is a null sink, so that
# what the command plays can be recorded from the sink's monitor:
#   with_sound_server.sh COMMAND [ARGS...]
# The command gets PULSE_SERVER and TORVANE_TEST_MONITOR (the monitor's name). Where no server
# can be started, the command runs without them, and a test that needs them skips, saying why.
set -uo pipefail

dir=$(mktemp -d /tmp/torvane-sound.XXXXXX)
server=""
cleanup() {
    [ -n "$server" ] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null
    rm -rf "$dir"
}
trap cleanup EXIT

if command -v pulseaudio >/dev/null && command -v pactl >/dev/null; then
    # Its own runtime and home folders: nothing of a desktop's own server is touched.
    HOME="$dir" XDG_RUNTIME_DIR="$dir" pulseaudio -n --daemonize=no --exit-idle-time=-1 \
        --use-pid-file=no --disallow-exit --log-target=file:"$dir/log" \
        -L "module-null-sink sink_name=torvane_test rate=44100" \
        -L "module-native-protocol-unix socket=$dir/native auth-anonymous=1" &
    server=$!
    for _ in $(seq 100); do
        PULSE_SERVER="unix:$dir/native" pactl info >/dev/null 2>&1 && break
        kill -0 "$server" 2>/dev/null || break
        sleep 0.1
    done
    if PULSE_SERVER="unix:$dir/native" pactl info >/dev/null 2>&1; then
        export PULSE_SERVER="unix:$dir/native" TORVANE_TEST_MONITOR="torvane_test.monitor"
    else
        echo "with_sound_server.sh: the PulseAudio server did not start:" >&2
        cat "$dir/log" >&2 2>/dev/null
    fi
else
    echo "with_sound_server.sh: pulseaudio or pactl is not installed" >&2
fi
"$@"
