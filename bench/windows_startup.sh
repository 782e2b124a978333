#!/usr/bin/env bash
# Start-up under Wine of the installed program against the bare Qt window built the
# same way (bench/bare_window.cpp cross-compiled, beside the program with the same
# DLLs): bench/startup.sh's alternate runs on a private Xvfb server, each program
# started through Wine with its server and services already running, without the
# clicks. Run it after scripts/windows.sh, which writes the installer.
#
#   bench/windows_startup.sh [RUNS]     (default 11)
#
# With VORLINDE_BENCH_NO_FONTS=1, Wine sees none of the host's fonts, like a
# Windows without Chinese fonts, and the program falls back to the faces it ships.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-11}
build=build-windows
prefix=$PWD/$build/wine-bench
export WINEPREFIX=$prefix/wine WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='

if [ -z "${VORLINDE_BENCH_XVFB:-}" ]; then
  setup=$(ls "$build"/vorlinde-setup-*.exe)
  # bench/map_wait needs the X11 and XTest headers.
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  for p in libx11-dev libxtst-dev; do
    dpkg-query -W -f='${Status}' "$p" 2> /dev/null | grep -q "install ok installed" ||
      $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$p"
  done
  cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release > /dev/null
  cmake --build build-bench -j "$(nproc)" --target map_wait > /dev/null
  cmake -S . -B "$build" -DVORLINDE_BENCH=ON > /dev/null
  cmake --build "$build" -j "$(nproc)" --target bare_window > /dev/null
  rm -rf "$prefix"
  mkdir -p "$prefix"
  if [ -n "${VORLINDE_BENCH_NO_FONTS:-}" ]; then
    printf '<?xml version="1.0"?>\n<fontconfig><cachedir>%s</cachedir></fontconfig>\n' \
      "$prefix/fontconfig" > "$prefix/fonts.conf"
  fi
  wineboot -i > /dev/null 2>&1
  wine "$setup" /S /CurrentUser
  wineserver -w
  app=$WINEPREFIX/drive_c/users/${USER:-$(id -un)}/AppData/Local/Programs/Vorlinde
  x86_64-w64-mingw32-strip -o "$app/bare_window.exe" "$build/bench/bare_window.exe"
  for name in vorlinde bare_window; do
    printf '#!/bin/sh\nexec wine "%s/%s.exe" "$@"\n' "$app" "$name" > "$prefix/$name"
    chmod +x "$prefix/$name"
  done
  exec xvfb-run -a -s "-screen 0 1920x1200x24 -nolisten tcp" \
    env VORLINDE_BENCH_XVFB=1 bash "$0" "$runs"
fi

[ -f "$prefix/fonts.conf" ] && export FONTCONFIG_FILE=$prefix/fonts.conf
wineserver -p
wine cmd /c exit
trap 'wineserver -k' EXIT
VORLINDE_BENCH_PROGRAM=$prefix/vorlinde VORLINDE_BENCH_BARE=$prefix/bare_window \
  bash bench/startup.sh build-bench "$runs"
