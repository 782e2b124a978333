#!/usr/bin/env bash
# Sets up a fresh Debian or Ubuntu machine, builds Vorlinde in Release, and then
# starts it ("run") or runs the whole test suite ("test").
set -euo pipefail
cd "$(dirname "$0")/.."

action=${1:-run}
build=${VORLINDE_BUILD:-build}

packages=(cmake g++ make pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
          libgtest-dev libgmock-dev fonts-arphic-uming fonts-wqy-zenhei fonts-wqy-microhei
          fonts-linuxlibertine fonts-dejavu-core fonts-dejavu-extra  # the working's mathematics
          libgmp-dev libmpfr-dev qt6-translations-l10n
          xvfb xauth desktop-file-utils appstream dpkg-dev file poppler-utils)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
}

build_release() {
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release "$@" > /dev/null
  cmake --build "$build" -j "$(nproc)"
}

install_missing
case "$action" in
  run)
    build_release -DVORLINDE_TESTS=OFF -DVORLINDE_BENCH=OFF -DVORLINDE_TOOLS=OFF
    exec "./$build/vorlinde"
    ;;
  test)
    build_release -DVORLINDE_TESTS=ON -DVORLINDE_TOOLS=ON
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
