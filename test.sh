#!/usr/bin/env bash
# Builds everything and runs every test: first a normal build, with a short smoke run of the
# in-process benchmarks, then the same tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, and last the Debian package and a staged install of the normal
# build. Exits non-zero on any failure.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$root"

tools/install-deps.sh

jobs="$(nproc 2>/dev/null || echo 2)"
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZENTOR_BUILD_BENCHMARKS=ON
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"
# A smoke run of the in-process benchmarks: each runs briefly and checks what it measured; the
# timings are not judged here (bench/inprocess.sh is for those).
build/bench/inprocess/zentor_benchmarks --benchmark_min_time=0.01

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DZENTOR_SANITIZE=ON
cmake --build build-sanitize -j "$jobs"
ASAN_OPTIONS="detect_leaks=0:abort_on_error=1" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
  ctest --test-dir build-sanitize --output-on-failure -j "$jobs"

tools/check-package.sh build
