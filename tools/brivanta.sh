#!/bin/sh
# Sets up a Debian 12 machine for Brivanta, builds it, then:
#   run                 starts the program
#   test                runs every test
#   portable <folder>   makes a portable installation in <folder>
#   package             makes the Debian package in the build folder
# Safe to run again: it installs only what is missing and rebuilds only what changed.
set -eu

here=$(cd "$(dirname "$0")/.." && pwd)
build="${BRIVANTA_BUILD_DIR:-$here/build}"

packages="cmake g++ make ccache pkg-config
 qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev qt6-image-formats-plugins qt6-qpa-plugins
 libgl-dev
 gstreamer1.0-plugins-base gstreamer1.0-plugins-good
 fonts-liberation fonts-dejavu poppler-utils
 libbenchmark-dev libsqlite3-dev"

# shellcheck disable=SC2086 # one package a word
sh "$here/tools/install-missing.sh" $packages

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
portable)
    target="${2:?usage: $0 portable <folder>}"
    stage=$(mktemp -d)
    cmake --install "$build" --component program --prefix "$stage"
    mkdir -p "$target"
    # Keep the archives and the password of a folder that is already in use.
    for f in "$stage"/opt/brivanta/*; do
        name=$(basename "$f")
        if [ "$name" = unins000.dll ] && [ -e "$target/$name" ]; then continue; fi
        cp -f "$f" "$target/$name"
    done
    rm -rf "$stage"
    echo "Portable Brivanta in $target"
    ;;
package)
    (cd "$build" && cpack -G DEB)
    ;;
*)
    echo "usage: $0 [run|test|portable <folder>|package]" >&2
    exit 2
    ;;
esac
