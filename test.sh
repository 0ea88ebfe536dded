#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything and runs every test: first a normal build, with a short smoke run of the
# in-process benchmarks and the fault sweep of zentor-cli, then the same tests under
# AddressSanitizer and UndefinedBehaviorSanitizer, then the Debian package and a staged install
# of the normal build, and last each libFuzzer target for FUZZ_SECONDS (60 by default). Exits
# non-zero on any failure.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$root"

tools/install-deps.sh

# Every source file carries the program's licence in its first lines (checked where the sources
# are a git checkout, whose file list says what is a source).
missing_licence=""
git rev-parse --is-inside-work-tree >/dev/null 2>&1 &&
  missing_licence="$(git ls-files -- '*.cpp' '*.h' '*.c' '*.sh' '*.cmake' '*.awk' '*CMakeLists.txt' .ci/run |
  while read -r file; do
    case "$(head -n 2 "$file")" in *'SPDX-License-Identifier: GPL-3.0-or-later'*) ;; *) echo "$file" ;; esac
  done)"
if [ -n "$missing_licence" ]; then
  echo "These files lack the SPDX licence line at the top:" >&2
  echo "$missing_licence" >&2
  exit 1
fi

jobs="$(nproc 2>/dev/null || echo 2)"
export QT_QPA_PLATFORM=offscreen
# Nothing run from here keeps settings or data in the home of whoever runs it (the test programs
# also see to that themselves, for the benchmarks and fuzz targets it is this).
scratch_home="$(mktemp -d)"
fuzz_scratch=""
trap 'rm -rf "$scratch_home" ${fuzz_scratch:+"$fuzz_scratch"}' EXIT
export XDG_CONFIG_HOME="$scratch_home/config" XDG_DATA_HOME="$scratch_home/data"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZENTOR_BUILD_BENCHMARKS=ON
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"
# A smoke run of the in-process benchmarks: each runs briefly and checks what it measured; the
# timings are not judged here (bench/inprocess.sh is for those).
build/bench/inprocess/zentor_benchmarks --benchmark_min_time=0.01
# Every file and port call of zentor-cli failed and killed in turn; once, on the normal build.
tests/faults/sweep.sh build

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DZENTOR_SANITIZE=ON
cmake --build build-sanitize -j "$jobs"
ASAN_OPTIONS="detect_leaks=0:abort_on_error=1" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
  ctest --test-dir build-sanitize --output-on-failure -j "$jobs"

tools/check-package.sh build

# Fuzzing, with clang: each target starts from its committed corpus, which it only reads; new
# inputs go to a scratch directory (libFuzzer writes into the first one it is given), crashes
# to build-fuzz/artifacts. Qt and fontconfig keep some memory to the end of the process, so
# leak detection is off for the targets that run the editor window.
fuzz_seconds="${FUZZ_SECONDS:-60}"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZENTOR_FUZZ=ON -DZENTOR_BUILD_TESTS=OFF
cmake --build build-fuzz -j "$jobs" --target fuzz_dialog_number fuzz_channel_image fuzz_chirp_csv_import \
  fuzz_editor_actions
mkdir -p build-fuzz/artifacts
fuzz_scratch="$(mktemp -d)"

run_fuzz_target() {  # name, -max_len, ASAN_OPTIONS
  local name="$1" max_len="$2" asan_options="$3"
  local log="build-fuzz/artifacts/$name.log"
  mkdir -p "$fuzz_scratch/$name"
  if ! ASAN_OPTIONS="$asan_options" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
      "build-fuzz/tests/fuzz/$name" -max_len="$max_len" -max_total_time="$fuzz_seconds" \
      -timeout=30 -print_final_stats=1 -artifact_prefix="build-fuzz/artifacts/$name-" \
      "$fuzz_scratch/$name" "tests/fuzz/corpus/$name" >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "$name: FAILED (input and log in build-fuzz/artifacts)"
    return 1
  fi
  local runs per_second
  runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
  per_second="$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")"
  echo "$name: $runs runs in $fuzz_seconds s ($per_second per second), no failure"
}

run_fuzz_target fuzz_dialog_number 64 "detect_leaks=1"
run_fuzz_target fuzz_channel_image 187 "detect_leaks=0"
run_fuzz_target fuzz_chirp_csv_import 4096 "detect_leaks=1"
run_fuzz_target fuzz_editor_actions 1024 "detect_leaks=0"
