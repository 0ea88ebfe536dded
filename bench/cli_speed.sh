#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Speed of zentor-cli's read and write against the simulated radio paced at 2400 baud, beside
# the time the bytes need on the line (10 bits a byte at 2400 baud 8N1): read 4 + 187 bytes,
# write 188 bytes. The editor window needs its fixed 2.0 s and 1.0 s for the same.
#
#   bench/cli_speed.sh [--runs N] [--build DIR]
set -euo pipefail
bench_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(dirname "$bench_dir")"

usage() {
  echo "usage: $0 [--runs N] [--build DIR]" >&2
  exit 2
}

runs=9
build="$root/build"
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) [ $# -ge 2 ] || usage; runs="$2"; shift 2 ;;
    --build) [ $# -ge 2 ] || usage; build="$2"; shift 2 ;;
    *) usage ;;
  esac
done
[[ "$runs" =~ ^[1-9][0-9]*$ ]] || { echo "$0: --runs needs a whole number, not '$runs'" >&2; exit 2; }
cli="$build/cli/zentor-cli"
sim="$build/tools/zentor-radio-sim"
for program in "$cli" "$sim"; do
  [ -x "$program" ] || { echo "$0: build $program first (cmake --build build)" >&2; exit 1; }
done

work="$(mktemp -d)"
sim_pid=""
cleanup() {
  if [ -n "$sim_pid" ]; then
    kill "$sim_pid" 2>/dev/null || true
    wait "$sim_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
# Each run keeps its image in the history, as a user's would, but in the scratch folder.
export XDG_DATA_HOME="$work/data"

# Paced: the simulator sends its reply at 2400 baud, one byte every 4.17 ms.
"$sim" --link "$work/radio" >"$work/sim.out" 2>"$work/sim.log" &
sim_pid=$!
for _ in $(seq 100); do [ -e "$work/radio" ] && break; sleep 0.1; done
[ -e "$work/radio" ] || { cat "$work/sim.log" >&2; echo "$0: the simulator did not start" >&2; exit 1; }

# Each run prints "read 187 bytes from ... in 0.801 s" (or "wrote 188 bytes ...") on standard
# error: the transfer alone, from the request to the end, without the program's own start.
measure() {  # label, command...
  local label="$1"
  shift
  local times=()
  for _ in $(seq "$runs"); do
    local started ended message
    started="$(date +%s%N)"
    message="$("$@" 2>&1 >/dev/null)" || { echo "$message" >&2; echo "$0: $label failed" >&2; exit 1; }
    ended="$(date +%s%N)"
    local transfer
    transfer="$(sed -n 's/.* bytes .* in \([0-9.]*\) s$/\1/p' <<<"$message" | head -n 1)"
    times+=("$transfer $(( (ended - started) / 1000 ))")
  done
  # Median and range of the transfer times, and the median of the whole process times.
  local transfers wholes
  transfers="$(printf '%s\n' "${times[@]}" | cut -d' ' -f1 | sort -n | tr '\n' ' ')"
  wholes="$(printf '%s\n' "${times[@]}" | cut -d' ' -f2 | sort -n | tr '\n' ' ')"
  awk -v label="$label" -v transfers="$transfers" -v wholes="$wholes" 'BEGIN {
    n = split(transfers, t, " "); split(wholes, w, " ")
    middle = int((n + 1) / 2)
    printf "%s %.3f %.3f %.3f %.3f\n", label, t[middle], t[1], t[n], w[middle] / 1e6
  }'
}

"$cli" read -p "$work/radio" -o "$work/master.img" 2>/dev/null
results="$(
  measure read "$cli" read -p "$work/radio" -o "$work/read.img"
  measure write "$cli" write -p "$work/radio" "$work/master.img"
)"

awk -v runs="$runs" '
  BEGIN {
    line["read"] = (4 + 187) * 10 / 2400; window["read"] = 2.0
    line["write"] = 188 * 10 / 2400; window["write"] = 1.0
    print "| command | line time (s) | transfer, median (s) | min–max (s) | × line time | whole process, median (s) | window (s) |"
    print "|---|---|---|---|---|---|---|"
  }
  {
    printf "| %s | %.3f | %.3f | %.3f–%.3f | %.2f | %.3f | %.1f |\n", $1, line[$1], $2, $3, $4, $2 / line[$1], $5, window[$1]
  }
  END { printf "\n%d runs each, against zentor-radio-sim paced at 2400 baud on a pseudo-terminal.\n", runs }
' <<<"$results"
