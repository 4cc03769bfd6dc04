#!/bin/sh
# Builds the Debian package and a portable folder, and checks that each starts
# headless and has its files beside it. Runs after tools/brivanta.sh test.
set -eu

here=$(cd "$(dirname "$0")/.." && pwd)
build="${BRIVANTA_BUILD_DIR:-$here/build}"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

# Starts the program in a folder and checks it is still running after a few
# seconds (a start-up failure ends it at once).
starts() {
    program="$1/brivanta"
    HOME="$scratch/home" "$program" &
    pid=$!
    sleep 3
    if ! kill -0 "$pid" 2>/dev/null; then
        wait "$pid" || true
        echo "FAIL: $program did not keep running" >&2
        return 1
    fi
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

has_files() {
    for f in brivanta unins000.dll Avviso.mp3 Guida.pdf; do
        [ -f "$1/$f" ] || { echo "FAIL: $1/$f missing" >&2; return 1; }
    done
}

mkdir -p "$scratch/home"
sh "$here/tools/brivanta.sh" package >/dev/null
deb=$(ls "$build"/brivanta_*_amd64.deb | head -n 1)
dpkg -x "$deb" "$scratch/root"
has_files "$scratch/root/opt/brivanta"
[ -f "$scratch/root/usr/share/applications/brivanta.desktop" ]
[ -f "$scratch/root/usr/share/icons/hicolor/scalable/apps/brivanta.svg" ]
grep -q '^Exec=/opt/brivanta/brivanta$' "$scratch/root/usr/share/applications/brivanta.desktop"
starts "$scratch/root/opt/brivanta"
echo "package: $(basename "$deb") installs and starts"

portable="$scratch/Chiavetta USB/Brivanta portatile"
sh "$here/tools/brivanta.sh" portable "$portable" >/dev/null
has_files "$portable"
starts "$portable"
echo "portable folder: starts from a path with spaces"
