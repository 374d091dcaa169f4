#!/usr/bin/env bash
# Runs a command as a desktop with a screen reader would: on an X server of its own (Xvfb) with a
# window manager (openbox), with a D-Bus session bus of its own, on which the accessibility bus (at-spi2-core) starts when it is
# first asked for, and with Qt's accessibility bridge on:
#   with_accessibility_bus.sh COMMAND [ARGS...]
# The offscreen platform has no accessibility bridge, so this needs xcb. Where the session bus
# or the accessibility bus cannot be started, it says why and skips; anything else missing is a
# failure (tools/setup.sh installs it).
set -uo pipefail

skip() {
    echo "[  SKIPPED ] $*"
    exit 0
}

if [ -z "${TORVANE_IN_ACCESSIBILITY_SESSION:-}" ]; then
    command -v dbus-run-session >/dev/null || skip "dbus-run-session is not installed: no session bus"
    command -v xvfb-run >/dev/null || { echo "xvfb-run is not installed" >&2; exit 1; }
    # A runtime folder of its own: the accessibility bus puts its socket there.
    runtime=$(mktemp -d /tmp/torvane-a11y.XXXXXX)
    trap 'rm -rf "$runtime"' EXIT
    XDG_RUNTIME_DIR="$runtime" XDG_CONFIG_HOME="$runtime/config" TORVANE_IN_ACCESSIBILITY_SESSION=1 \
        xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- "$0" "$@"
    exit $?
fi

# Inside the session: the accessibility bus must answer before anything is run.
if ! address=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress 2>&1) || [ -z "$address" ]; then
    skip "the accessibility bus (at-spi2-core's at-spi-bus-launcher) did not start: $address"
fi
# A window manager, as every desktop has: it gives a window that appears the keyboard, and
# gives it back to the main window when a box closes.
command -v openbox >/dev/null || { echo "openbox is not installed" >&2; exit 1; }
openbox --sm-disable --config-file /dev/null >/dev/null 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null' EXIT
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
done
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
"$@"
