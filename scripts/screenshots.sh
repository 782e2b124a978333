#!/usr/bin/env bash
# Renders every window at 1x and the main window at 2x into docs/, under a real
# X display (Xvfb) with the program's CJK fonts, for the README.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${VORLINDE_BUILD:-build}
cmake --build "$build" --target vorlinde-snapshot -j "$(nproc)" > /dev/null
export QT_QPA_PLATFORM=xcb
xvfb-run -a -s "-screen 0 1280x1024x24" "./$build/vorlinde-snapshot" docs
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 2560x2048x24" "./$build/vorlinde-snapshot" "$scratch" @2x
cp "$scratch/main@2x.png" docs/
