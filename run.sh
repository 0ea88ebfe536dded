#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the programmer (with zentor-cli and the simulated radio) and starts it. With --sim, a simulated radio is started first and COM1
# is pointed at it, so Read and Write work without a radio.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$root"

use_sim=0
for argument in "$@"; do
  case "$argument" in
    --sim) use_sim=1 ;;
    *) echo "usage: $0 [--sim]" >&2; exit 2 ;;
  esac
done

tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# The programs a user runs: the programmer, and for the README's command-line examples
# zentor-cli and the simulated radio. ./test.sh builds the test programs.
cmake --build build -j "$(nproc 2>/dev/null || echo 2)" --target zentor zentor-cli zentor-radio-sim

if [ "$use_sim" -eq 0 ]; then
  exec build/app/zentor
fi
link_dir="$(mktemp -d)"
trap 'kill "$sim_pid" 2>/dev/null || true; rm -rf "$link_dir"' EXIT
# The simulator prints its pseudo-terminal's path for programs that start it; here the link
# below names it, so say in words what it is instead.
build/tools/zentor-radio-sim --link "$link_dir/radio" >/dev/null &
sim_pid=$!
for _ in $(seq 50); do
  [ -e "$link_dir/radio" ] && break
  sleep 0.1
done
echo "Simulated radio attached to COM1 ($link_dir/radio)."
ZENTOR_COM1="$link_dir/radio" build/app/zentor
