#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up benchmark: launches a program and a minimal Qt Widgets window in turn under Xvfb and
# compares how fast each puts its window on the screen, how much memory it took to get there and
# whether it keeps waking up once it sits idle.
#
#   bench/startup.sh [--runs N] [--program PATH] [--markdown FILE]
set -euo pipefail
bench_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(dirname "$bench_dir")"

usage() {
  echo "usage: $0 [--runs N] [--program PATH] [--markdown FILE]" >&2
  exit 2
}

runs=7
program="$root/build/app/zentor"
markdown=""
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) [ $# -ge 2 ] || usage; runs="$2"; shift 2 ;;
    --program) [ $# -ge 2 ] || usage; program="$2"; shift 2 ;;
    --markdown) [ $# -ge 2 ] || usage; markdown="$2"; shift 2 ;;
    -h|--help) usage ;;
    *) usage ;;
  esac
done

if ! [[ "$runs" =~ ^[1-9][0-9]*$ ]]; then
  echo "$0: --runs needs a whole number of at least 1, not '$runs'" >&2
  exit 2
fi
if [ ! -f "$program" ] || [ ! -x "$program" ]; then
  echo "$0: no program to measure at '$program'" >&2
  echo "Build it first (cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo && cmake --build build)" >&2
  echo "or name another one with --program PATH." >&2
  exit 1
fi
program="$(cd "$(dirname "$program")" && pwd)/$(basename "$program")"
if [ -n "$markdown" ]; then
  mkdir -p "$(dirname "$markdown")"
  markdown="$(cd "$(dirname "$markdown")" && pwd)/$(basename "$markdown")"
fi

"$root/tools/install-deps.sh"

# The baseline gets the build type the programmer is built with, in a build folder of its own.
bench_build="$root/build-bench"
cmake -S "$bench_dir" -B "$bench_build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$bench_build" -j "$(nproc 2>/dev/null || echo 2)" >/dev/null
baseline="$bench_build/minimal_window/minimal_window"
probe="$bench_build/map_probe/map_probe"

work="$(mktemp -d)"
xvfb_pid=""
cleanup() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display itself and names it on the pipe once it accepts clients.
mkfifo "$work/display"
Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
display=""
read -r -t 20 display <"$work/display" || true
if [ -z "$display" ]; then
  echo "$0: Xvfb did not start:" >&2
  cat "$work/xvfb.log" >&2
  exit 1
fi
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# One launch, measured; appends "startup_ms vmhwm_kib idle_wakeups" to the results file.
measure() {
  local executable="$1" results="$2" line
  if ! line="$("$probe" --settle-ms 1000 --idle-ms 5000 -- "$executable" 2>>"$work/programs.log")"; then
    echo "$0: measuring $executable failed:" >&2
    tail -n 20 "$work/programs.log" >&2
    exit 1
  fi
  echo "$line" | sed -E 's/[a-z_]+=//g' >>"$results"
  echo "  $(basename "$executable"): $line" >&2
}

echo "Display $DISPLAY, $runs runs each, alternating; about $(((runs + 1) * 2 * 62 / 10)) s." >&2
# A first launch of each fills the font and shader caches; it is not counted.
measure "$baseline" "$work/warm-up"
measure "$program" "$work/warm-up"
for ((run = 1; run <= runs; run++)); do
  echo "Run $run of $runs" >&2
  measure "$baseline" "$work/baseline"
  measure "$program" "$work/program"
done

baseline_name="$(basename "$baseline") (baseline)"
program_name="$(basename "$program")"
caption="Xvfb, QT_QPA_PLATFORM=xcb, median of $runs runs each, $(uname -m), $(nproc) cores, $(date +%Y-%m-%d)"
awk -v runs="$runs" -v baseline_name="$baseline_name" -v program_name="$program_name" \
  -v caption="$caption" -v markdown="$markdown" -f "$bench_dir/summarize.awk" \
  "$work/baseline" "$work/program"
if [ -n "$markdown" ]; then
  echo "Markdown table written to $markdown" >&2
fi
