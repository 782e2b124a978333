#!/usr/bin/env bash
# Builds Vorlinde for 64-bit Windows on a Debian 12 machine, from Debian's archive
# alone, runs its whole test suite under Wine, writes the installer
# vorlinde-setup-VERSION.exe and tries it in a fresh Wine prefix.
#
#   bash scripts/windows.sh [deps|build]   (only the libraries' cache, or up to the build)
#
# GMP, MPFR, GoogleTest, Qt and musl's mathematical functions are built for Windows once,
# into ${VORLINDE_CACHE:-~/.cache/vorlinde}/windows, and reused from there. Every
# stage prints how long it took.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
cache=${VORLINDE_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/vorlinde}/windows
build=$(realpath -m "${VORLINDE_WINDOWS_BUILD:-build-windows}")
jobs=$(nproc)
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo

packages=(g++-mingw-w64-x86-64-posix wine wine64 nsis m4 dpkg-dev ninja-build ccache cmake
          pkg-config qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgtest-dev
          libgmock-dev fonts-arphic-uming fonts-wqy-microhei fonts-dejavu-core fonts-linuxlibertine
          xvfb xauth x11-utils xdotool)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2> /dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
}

# Runs a stage and says how long it took.
stage() {
  local start=$SECONDS
  "$@"
  echo "== $1: $((SECONDS - start)) s =="
}

source scripts/windows-deps.sh

prepare() {
  install_missing
  ensure_deb_src
  mkdir -p "$cache"
}

build_vorlinde() {
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" \
    -DVORLINDE_WINDOWS_PREFIX="$gmp_prefix;$mpfr_prefix;$gtest_prefix;$qt_prefix;$libm_prefix" \
    -DCMAKE_CXX_COMPILER_LAUNCHER=ccache \
    -DVORLINDE_TESTS=ON -DVORLINDE_TOOLS=ON -DVORLINDE_BENCH=OFF > /dev/null
  nice -n 19 cmake --build "$build" -j "$jobs"
}

# Wine's own processes (its server, its services) started once for the whole run,
# detached from the pipes of whatever runs the tests, and stopped at the end.
start_wine() {
  export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
  mkdir -p "$1"  # the server of a fresh build's prefix fails on a missing folder
  # A server left running for the prefix is as good as a new one.
  setsid wineserver -p < /dev/null > /dev/null 2>&1 || pgrep -x wineserver64 > /dev/null
  setsid wine cmd /c exit < /dev/null > /dev/null 2>&1
}
stop_wine() {
  WINEPREFIX=$1 wineserver -k 2> /dev/null || true
}

run_tests() {
  start_wine "$build/wine"
  local status=0
  ctest --test-dir "$build" --output-on-failure -j "$jobs" || status=$?
  stop_wine "$build/wine"
  # What only Linux can test, and why.
  grep -h '^test_[a-z_]* skipped: ' "$build/Testing/Temporary/LastTest.log" | sort -u || true
  return $status
}

# The installer from what `cmake --install` puts in one folder, every program and
# DLL stripped; the uninstaller removes exactly the files listed.
make_installer() {
  local folder=$build/stage version
  version=$(sed -n 's/^project(Vorlinde VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
  rm -rf "$folder"
  cmake --install "$build" --prefix "$folder" > /dev/null
  find "$folder" \( -name '*.exe' -o -name '*.dll' \) -exec "$triple-strip" --strip-unneeded {} +
  check_imports "$folder/bin"
  (
    cd "$folder/bin"
    find . -type f | sort | sed 's|^\./||; s|/|\\|g; s|.*|  Delete "$INSTDIR\\&"|'
    find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|.*|  RMDir "$INSTDIR\\&"|'
  ) > "$build/windows/files.nsh"
  setup=$build/vorlinde-setup-$version.exe
  makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSTAGE="$folder/bin" \
    -DFILES="$build/windows/files.nsh" -DICON="$build/windows/vorlinde.ico" -DOUTFILE="$setup" \
    packaging/windows/vorlinde.nsi
  echo "$setup: $(du -k "$setup" | cut -f1) KB, installed $(du -sk "$folder/bin" | cut -f1) KB"
}

# Every DLL a shipped program or DLL imports is shipped too, or is one of Windows'
# own (those of a Wine prefix, and its API sets).
check_imports() {
  local system=$build/wine/drive_c/windows/system32 missing=0 dll
  while read -r dll; do
    [[ ${dll,,} == api-ms-win-* ]] && continue
    [ -n "$(find "$1" -iname "$dll" -print -quit)" ] || [ -e "$system/${dll,,}" ] || {
      echo "Not shipped: $dll" >&2
      missing=1
    }
  done < <(find "$1" \( -name '*.exe' -o -name '*.dll' \) -exec "$triple-objdump" -p {} + |
    sed -n 's/^\s*DLL Name: //p' | sort -u)
  return $missing
}

# The README's pictures, drawn by Windows' own font engine under Wine in a prefix
# that sees none of the host's fonts, so that the faces the program ships are the
# ones drawn; the glyph test again in the same conditions.
render_pictures() {
  local prefix=$build/wine-pictures
  rm -rf "$prefix" "$build/pictures"
  mkdir -p "$prefix" "$build/pictures"
  printf '<?xml version="1.0"?>\n<fontconfig><cachedir>%s</cachedir></fontconfig>\n' \
    "$prefix/fontconfig" > "$prefix/fonts.conf"
  FONTCONFIG_FILE=$prefix/fonts.conf WINEPREFIX=$prefix/wine \
    xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" sh -c '
      "$1/wine-run.sh" "$1/tests/app/test_app.exe" -platform windows --gtest_filter="Glyphs.*" &&
      "$1/wine-run.sh" "$1/vorlinde-snapshot.exe" -platform windows "$1/pictures" > /dev/null' \
    sh "$build"
  WINEPREFIX=$prefix/wine wineserver -k 2> /dev/null || true
  echo "Pictures in $build/pictures (docs/windows-*.png are main, form2 and working)."
}

try_installer() {
  xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
    bash packaging/windows/try-installer.sh "$setup" "$build/wine-install"
}

stage prepare
stage build_gmp
stage build_mpfr
stage build_googletest
stage build_qt
stage build_libm
add_qt_chinese_texts
[ "${1:-}" = deps ] && exit 0
stage build_vorlinde
[ "${1:-}" = build ] && exit 0
stage run_tests
stage render_pictures
stage make_installer
stage try_installer
