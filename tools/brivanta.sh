#!/bin/sh
# Sets up a Debian 12 machine for Brivanta, builds it, then starts the program
# ("run") or runs every test ("test"). Safe to run again: it installs only what
# is missing and rebuilds only what changed.
set -eu

here=$(cd "$(dirname "$0")/.." && pwd)
build="${BRIVANTA_BUILD_DIR:-$here/build}"

packages="cmake g++ make ccache pkg-config
 qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev qt6-image-formats-plugins qt6-qpa-plugins
 libgl-dev
 gstreamer1.0-plugins-base gstreamer1.0-plugins-good
 fonts-liberation fonts-dejavu poppler-utils
 libbenchmark-dev libsqlite3-dev"

missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    sudo_cmd=""
    [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
    $sudo_cmd apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y --no-install-recommends $missing
fi

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j "$jobs"

case "${1:-run}" in
run)
    exec "$build/bin/brivanta"
    ;;
test)
    runtime="$build/xdg-runtime"
    mkdir -p "$runtime" && chmod 700 "$runtime"
    export XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=offscreen
    ctest --test-dir "$build" --output-on-failure -j "$jobs"
    ;;
*)
    echo "usage: $0 [run|test]" >&2
    exit 2
    ;;
esac
