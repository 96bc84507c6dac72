#!/usr/bin/env bash
# Builds everything and runs every test twice: a normal build, then a build
# under AddressSanitizer and UndefinedBehaviorSanitizer; then runs every
# fuzz target for 20 seconds; then cross-builds the Windows programs and
# runs their tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
# Compiler caches, where there is one, key on paths relative to the
# checkout, so a fresh clone elsewhere finds what an earlier build compiled
# (with debug information ccache would also key on the folder the compiler
# runs in, which differs from clone to clone).
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
bash scripts/install-deps.sh

jobs=$(nproc)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
ctest --test-dir build -j "$jobs" --output-on-failure

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCORVANE_SANITIZE=ON -DCORVANE_BENCH=OFF
cmake --build build-sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-sanitize -j "$jobs" --output-on-failure

# Every fuzz target for a short fixed time (clang, sanitized).
bash scripts/fuzz.sh 20

bash scripts/test-windows.sh
echo "All tests passed: normal and sanitized Linux builds, fuzzing, and Windows under Wine."
