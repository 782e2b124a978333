#!/usr/bin/env bash
# Start-up and memory of the program against the bare Qt window (bench/bare_window),
# on a private Xvfb server: each is started RUNS times, alternately, after one
# untimed round of each, and measured by bench/map_wait from outside: milliseconds
# from the exec to the first window mapped, resident memory 1 s later, and
# resident memory 1 s after the five "进 入" buttons of the main window have been
# clicked and then the working window opened from the last tool window's "解题过程"
# (the bare window's buttons at the same places do nothing). Prints the
# medians and the ratios program / bare.
#
#   bench/startup.sh [BUILD_DIR] [RUNS]     (defaults: build-bench 10)
#
# It installs what it needs that is missing (the X server, and the X11 and XTest
# headers for map_wait), then configures BUILD_DIR in Release and builds the three
# programs it starts, and bench/handler_bench beside them.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build-bench}
runs=${2:-10}
# bench/windows_startup.sh starts the programs through Wine, without the clicks.
program=${VORLINDE_BENCH_PROGRAM:-$build/vorlinde}
bare=${VORLINDE_BENCH_BARE:-$build/bench/bare_window}
wait=$build/bench/map_wait

if [ -z "${VORLINDE_BENCH_XVFB:-}" ]; then
  missing=()
  for p in xvfb xauth libx11-dev libxtst-dev; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update -qq
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
  fi
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release > /dev/null
  cmake --build "$build" -j "$(nproc)" --target vorlinde bare_window map_wait handler_bench \
    > /dev/null
fi
for f in "$program" "$bare" "$wait"; do
  [ -x "$f" ] || { echo "startup.sh: $f not built" >&2; exit 1; }
done

if [ -z "${VORLINDE_BENCH_XVFB:-}" ]; then
  # One server of our own for the whole run, large enough that every window fits.
  exec xvfb-run -a -s "-screen 0 1920x1200x24 -nolisten tcp" \
    env VORLINDE_BENCH_XVFB=1 bash "$0" "$build" "$runs"
fi

runtime=$(mktemp -d)
export XDG_RUNTIME_DIR=$runtime
unset QT_QPA_PLATFORM

# The centres of the five "进 入" buttons in the main window, in pixels, then the
# geometry window's "解题过程": with no window manager on the server, the main window
# stands centred and the tool windows open beside it, each 24 pixels lower.
clicks=(--expect 6 --click 112,300 --click 344,108 --click 344,140 --click 344,220
        --click 344,308 --click 763,556)
bare_clicks=("${clicks[@]:2}")
if [ -n "${VORLINDE_BENCH_PROGRAM:-}" ]; then
  clicks=()
  bare_clicks=()
fi

results=$(mktemp)
trap 'rm -rf "$results" "$runtime"' EXIT
measure() {  # name, then map_wait's arguments
  local name=$1
  shift
  local line
  line=$("$wait" "$@") || { echo "startup.sh: $name failed: $line" >&2; exit 1; }
  echo "$name $line" >> "$results"
}

"$wait" "${clicks[@]}" -- "$program" > /dev/null
"$wait" "${bare_clicks[@]}" -- "$bare" > /dev/null
: > "$results"
for ((i = 1; i <= runs; i++)); do
  measure program "${clicks[@]}" -- "$program"
  measure bare "${bare_clicks[@]}" -- "$bare"
  measure song "${bare_clicks[@]}" -- "$bare" --song
done

median() {  # name, field
  grep "^$1 " "$results" | sed -n "s/.* $2=\([0-9.]*\).*/\1/p" | sort -n |
    awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

report() {  # caption, field, scale, format[, the bare window's run]
  local p b
  p=$(median program "$2")
  b=$(median "${5:-bare}" "$2")
  awk -v c="$1" -v p="$p" -v b="$b" -v s="$3" -v f="$4" 'BEGIN {
    printf "| %-31s | " f " | " f " | %5.2f | %+14.1f |\n", c, p / s, b / s, p / b, (p - b) / s
  }'
}

cpu=$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')
qt=$(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo unknown)
echo "Medians of $runs alternate runs each; $(nproc) cores, $cpu; Qt $qt"
echo
echo "| measure                         | program |    bare | ratio | program - bare |"
echo "| ------------------------------- | ------: | ------: | ----: | -------------: |"
report "start-up to window mapped, ms" map_ms 1 "%7.1f"
report "processor time to it, ms" cpu_ms 1 "%7.1f"
report "resident 1 s later, MB" rss_kb 1024 "%7.1f"
report "resident, every window open, MB" rss_open_kb 1024 "%7.1f"
echo
echo "Against the bare window in the program's Song face (bare_window --song):"
echo
echo "| measure                         | program |    bare | ratio | program - bare |"
echo "| ------------------------------- | ------: | ------: | ----: | -------------: |"
report "start-up to window mapped, ms" map_ms 1 "%7.1f" song
report "resident 1 s later, MB" rss_kb 1024 "%7.1f" song
report "resident, every window open, MB" rss_open_kb 1024 "%7.1f" song
