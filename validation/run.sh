#!/usr/bin/env bash
# Measures every equation against the reference states and writes the
# result into the manual: the accuracy tables into res/help/corvane-help.html
# (between its markers) and the deviation plots beside it. Run it after any
# change that moves a result; the manual_accuracy_tables test fails until then.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v gnuplot >/dev/null; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends gnuplot-nox
fi

[ -f build/build.ninja ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target corvane-validate

data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
build/bin/corvane-validate validation/gerg2008_states.csv \
  --update res/help/corvane-help.html --plot-data "$data"
gnuplot -e "data='$data'; out='res/help'" validation/plots.gp
