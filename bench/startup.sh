#!/usr/bin/env bash
# Start-up and memory of the program against the bare Qt window (bench/bare_window),
# on a private Xvfb server: each is started RUNS times, alternately, after one
# untimed round of each, and measured by bench/map_wait from outside: milliseconds
# from the exec to the first window mapped, resident memory 1 s later, and
# resident memory 1 s after the five "进 入" buttons of the main window have been
# clicked (the bare window's buttons at the same places do nothing). Prints the
# medians and the ratios program / bare.
#
#   bench/startup.sh [BUILD_DIR] [RUNS]     (defaults: build-bench 10)
#
# BUILD_DIR is a Release build with the benchmarks:
#   cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release
#   cmake --build build-bench --target vorlinde bare_window map_wait
# Needs: xvfb xauth (the server), libx11-dev libxtst-dev (to build map_wait).
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build-bench}
runs=${2:-10}
program=$build/vorlinde
bare=$build/bench/bare_window
wait=$build/bench/map_wait
for f in "$program" "$bare" "$wait"; do
  [ -x "$f" ] || { echo "startup.sh: $f not built" >&2; exit 1; }
done

if [ -z "${VORLINDE_BENCH_XVFB:-}" ]; then
  # One server of our own for the whole run, large enough that every window fits.
  exec xvfb-run -a -s "-screen 0 1920x1200x24 -nolisten tcp" \
    env VORLINDE_BENCH_XVFB=1 bash "$0" "$build" "$runs"
fi

export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
unset QT_QPA_PLATFORM

# The centres of the five "进 入" buttons in the main window, in pixels.
clicks=(--click 112,300 --click 344,108 --click 344,140 --click 344,220 --click 344,308)

results=$(mktemp)
trap 'rm -f "$results"' EXIT
measure() {  # name, then map_wait's arguments
  local name=$1
  shift
  local line
  line=$("$wait" "$@") || { echo "startup.sh: $name failed: $line" >&2; exit 1; }
  echo "$name $line" >> "$results"
}

"$wait" --expect 5 "${clicks[@]}" -- "$program" > /dev/null
"$wait" "${clicks[@]}" -- "$bare" > /dev/null
: > "$results"
for ((i = 1; i <= runs; i++)); do
  measure program --expect 5 "${clicks[@]}" -- "$program"
  measure bare "${clicks[@]}" -- "$bare"
done

median() {  # name, field
  grep "^$1 " "$results" | sed -n "s/.* $2=\([0-9.]*\).*/\1/p" | sort -n |
    awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

report() {  # caption, field, scale, format
  local p b
  p=$(median program "$2")
  b=$(median bare "$2")
  awk -v c="$1" -v p="$p" -v b="$b" -v s="$3" -v f="$4" 'BEGIN {
    printf "| %-31s | " f " | " f " | %5.2f | %+14.1f |\n", c, p / s, b / s, p / b, (p - b) / s
  }'
}

echo "Medians of $runs alternate runs each, on $(nproc) cores: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
echo
echo "| measure                         | program |    bare | ratio | program - bare |"
echo "| ------------------------------- | ------: | ------: | ----: | -------------: |"
report "start-up to window mapped, ms" map_ms 1 "%7.1f"
report "processor time to it, ms" cpu_ms 1 "%7.1f"
report "resident 1 s later, MB" rss_kb 1024 "%7.1f"
report "resident, five windows open, MB" rss_open_kb 1024 "%7.1f"
