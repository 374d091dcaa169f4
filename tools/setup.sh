#!/usr/bin/env bash
# Installs the Debian packages Torvane needs (only those missing), then configures and builds
# it in ./build. Used by ./play and ./check.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev
    qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-translations-l10n
    libxcb1-dev libxcb-xtest0-dev libgl-dev libfluidsynth-dev timgm6mb-soundfont gstreamer1.0-plugins-good
    fonts-noto-cjk fonts-aoyagi-kouzan-t xvfb xauth
    libgtest-dev libbenchmark-dev
    clang-format clang-tidy appstream desktop-file-utils iproute2
    pulseaudio pulseaudio-utils lintian
    at-spi2-core python3-pyatspi dbus-daemon dbus-bin openbox x11-utils
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_EXPORT_COMPILE_COMMANDS=ON
cmake --build build
