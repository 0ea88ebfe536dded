#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# In-process benchmarks: builds the programmer as RelWithDebInfo (the main build in build/) and
# runs zentor_benchmarks, which times the editor's hot paths on the real window on the offscreen
# platform: the display of a channel, a keystroke in a frequency edit, the validation pass and
# the load and store of a channel.
#
#   bench/inprocess.sh [--repetitions N] [--min-time SECONDS] [--filter REGEX] [--markdown FILE]
set -euo pipefail
bench_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(dirname "$bench_dir")"

usage() {
  echo "usage: $0 [--repetitions N] [--min-time SECONDS] [--filter REGEX] [--markdown FILE]" >&2
  exit 2
}

repetitions=5
min_time=0.5
filter="."
markdown=""
while [ $# -gt 0 ]; do
  case "$1" in
    --repetitions) [ $# -ge 2 ] || usage; repetitions="$2"; shift 2 ;;
    --min-time) [ $# -ge 2 ] || usage; min_time="$2"; shift 2 ;;
    --filter) [ $# -ge 2 ] || usage; filter="$2"; shift 2 ;;
    --markdown) [ $# -ge 2 ] || usage; markdown="$2"; shift 2 ;;
    -h|--help) usage ;;
    *) usage ;;
  esac
done

if ! [[ "$repetitions" =~ ^[1-9][0-9]*$ ]]; then
  echo "$0: --repetitions needs a whole number of at least 1, not '$repetitions'" >&2
  exit 2
fi
if ! [[ "$min_time" =~ ^[0-9]*\.?[0-9]+$ ]]; then
  echo "$0: --min-time needs a number of seconds, not '$min_time'" >&2
  exit 2
fi
if [ -n "$markdown" ]; then
  mkdir -p "$(dirname "$markdown")"
  markdown="$(cd "$(dirname "$markdown")" && pwd)/$(basename "$markdown")"
fi

"$root/tools/install-deps.sh"

jobs="$(nproc 2>/dev/null || echo 2)"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZENTOR_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$root/build" --target zentor_benchmarks -j "$jobs" >/dev/null

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

"$root/build/bench/inprocess/zentor_benchmarks" \
  --benchmark_filter="$filter" \
  --benchmark_min_time="$min_time" \
  --benchmark_repetitions="$repetitions" \
  --benchmark_report_aggregates_only=true \
  --benchmark_out="$work/results.csv" --benchmark_out_format=csv

if [ -n "$markdown" ]; then
  caption="QT_QPA_PLATFORM=offscreen, RelWithDebInfo, median of $repetitions repetitions, $(uname -m), $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg), $(date +%Y-%m-%d)"
  awk -v caption="$caption" -f "$bench_dir/inprocess_markdown.awk" "$work/results.csv" >"$markdown"
  echo "Markdown table written to $markdown" >&2
fi
