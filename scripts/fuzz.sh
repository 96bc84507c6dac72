#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz/ (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) in build-fuzz/ and runs each for SECONDS
# (default 20), as many at once as there are cores, starting from its seed
# corpus tests/fuzz/corpus/NAME/. Inputs that fail are kept in
# build-fuzz/findings/; the corpus grown on the way is thrown away.
#   scripts/fuzz.sh [SECONDS [TARGET...]]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
seconds=${1:-20}
[ $# -gt 0 ] && shift

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCORVANE_FUZZ=ON -DBUILD_TESTING=OFF -DCORVANE_BENCH=OFF >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target corvane_fuzz_targets

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for binary in build-fuzz/bin/*_fuzz; do targets+=("$(basename "$binary")"); done
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p build-fuzz/findings

# The repeat command printed for a failing input, with a name relative to
# the checkout, on one seed of each target: the targets change folder, and
# must still find the file.
for name in "${targets[@]}"; do
  seed=$(find "tests/fuzz/corpus/$name" -type f 2>/dev/null | sort | head -1)
  [ -n "$seed" ] || continue
  mkdir -p "$work/$name-repeat"
  if ! TMPDIR="$work/$name-repeat" "build-fuzz/bin/$name" "$seed" >"$work/$name-repeat.log" 2>&1; then
    tail -20 "$work/$name-repeat.log"
    echo "$name: cannot run an input again by a relative name ($seed)"
    exit 1
  fi
done

# One target: its grown corpus and its files (TMPDIR) in the work directory.
fuzz_one() {
  local name=$1
  local seeds=()
  [ -d "tests/fuzz/corpus/$name" ] && seeds=("$root/tests/fuzz/corpus/$name")
  mkdir -p "$work/$name/corpus" "$work/$name/tmp"
  if TMPDIR="$work/$name/tmp" "$root/build-fuzz/bin/$name" -max_total_time="$seconds" -timeout=25 \
       -artifact_prefix="$root/build-fuzz/findings/$name-" "$work/$name/corpus" "${seeds[@]}" \
       >"$work/$name.log" 2>&1; then
    echo "$name: $(grep -o 'Done [0-9]* runs in [0-9]* second(s)' "$work/$name.log")"
  else
    tail -60 "$work/$name.log"
    echo "$name: FAILED; the input is in build-fuzz/findings/ (run build-fuzz/bin/$name FILE to repeat it)"
    return 1
  fi
}

failed=0
running=0
for name in "${targets[@]}"; do
  fuzz_one "$name" &
  running=$((running + 1))
  if [ "$running" -ge "$(nproc)" ]; then
    wait -n || failed=1
    running=$((running - 1))
  fi
done
while [ "$running" -gt 0 ]; do
  wait -n || failed=1
  running=$((running - 1))
done
[ "$failed" -eq 0 ] && echo "Fuzzing found nothing in ${seconds} s per target."
exit "$failed"
