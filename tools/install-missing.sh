#!/bin/sh
# Installs, on Debian, those of the packages named on the command line that
# are not installed yet; nothing when all of them are.
set -eu

missing=""
for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
[ -n "$missing" ] || exit 0
sudo_cmd=""
[ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
$sudo_cmd apt-get update
# shellcheck disable=SC2086 # one package a word
DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y --no-install-recommends $missing
