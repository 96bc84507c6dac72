#!/usr/bin/env bash
# End-to-end timing of corvane-cli --batch on the operating envelope (start-up
# gas, P 14.7..3000 psia x T -100..300 F, BWRS by false position, all four
# boxes): rows per second for --jobs 1 and 2, without and with GERG-2008's
# columns (--reference), each the best of three runs; the phase check
# (--phase) over 1,000 rows of a rich gas; and the peak memory of a batch
# over a large input.
#   bench/batch_timing.sh [BUILD_DIR] [BIG_INPUT_MB]
# BIG_INPUT_MB (default 0: skipped) makes an input of about that size by
# repeating the envelope, and reports the peak resident memory of its batch.
set -euo pipefail
build=${1:-build}
big_mb=${2:-0}
cli=$build/bin/corvane-cli
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

awk 'BEGIN { print "pressure,temperature";
             for (i = 0; i < 500; i++) for (j = 0; j < 200; j++)
               printf "%.4f,%.4f\n", 14.7 + i * (3000 - 14.7) / 499, -100 + j * 400 / 199 }' >"$work/envelope.csv"
rows=$(($(wc -l <"$work/envelope.csv") - 1))
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
for reference in "" --reference; do
  for jobs in 1 2; do
    best=
    for _ in 1 2 3; do
      start=$(date +%s%N)
      "$cli" --batch "$work/envelope.csv" --jobs "$jobs" $reference --out "$work/out$jobs$reference.csv"
      nanoseconds=$(($(date +%s%N) - start))
      if [ -z "$best" ] || [ "$nanoseconds" -lt "$best" ]; then best=$nanoseconds; fi
    done
    awk -v jobs="$jobs $reference" -v rows="$rows" -v ns="$best" \
      'BEGIN { printf "--jobs %s: %d rows in %.3f s, %.0f rows/s\n", jobs, rows, ns / 1e9, rows / (ns / 1e9) }'
  done
  cmp -s "$work/out1$reference.csv" "$work/out2$reference.csv" && echo "outputs of --jobs 1 and 2 are identical" ||
    { echo "outputs differ"; exit 1; }
done

# The phase check: 1,000 rows of a rich gas (-60..200 F x 100..3000 psia).
awk 'BEGIN { print "pressure,temperature,methane,ethane,propane,isobutane,nbutane,co2,nitrogen";
             for (i = 0; i < 25; i++) for (j = 0; j < 40; j++)
               printf "%.4f,%.4f,0.80,0.10,0.05,0.01,0.01,0.015,0.015\n", 100 + i * 2900 / 24, -60 + j * 260 / 39 }' \
  >"$work/rich.csv"
for jobs in 1 2; do
  start=$(date +%s%N)
  "$cli" --batch "$work/rich.csv" --jobs "$jobs" --phase --out "$work/rich$jobs.csv"
  nanoseconds=$(($(date +%s%N) - start))
  awk -v jobs="$jobs" -v ns="$nanoseconds" \
    'BEGIN { printf "--jobs %s --phase: 1000 rich-gas rows in %.3f s, %.0f rows/s\n", jobs, ns / 1e9, 1000 / (ns / 1e9) }'
done

if [ "$big_mb" -gt 0 ]; then
  tail -n +2 "$work/envelope.csv" >"$work/rows.csv"
  head -1 "$work/envelope.csv" >"$work/big.csv"
  while [ "$(stat -c %s "$work/big.csv")" -lt $((big_mb * 1024 * 1024)) ]; do cat "$work/rows.csv" >>"$work/big.csv"; done
  echo "big input: $(($(stat -c %s "$work/big.csv") / 1024 / 1024)) MiB, $(($(wc -l <"$work/big.csv") - 1)) rows"
  if [ -x /usr/bin/time ]; then
    /usr/bin/time -f "peak resident memory: %M KiB, %e s" "$cli" --batch "$work/big.csv" --jobs 2 --out /dev/null
  else
    echo "no /usr/bin/time here (Debian package time): peak memory not measured"
  fi
fi
