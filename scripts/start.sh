#!/usr/bin/env bash
# Builds the calculator and starts its window. Without a display it says so
# and shows what corvane-cli gives for the start-up state instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)" --target corvane-cli $( [ -f qt/CMakeLists.txt ] && echo corvane )

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] || [ ! -x build/bin/corvane ]; then
  echo "No display here: showing corvane-cli's start-up state instead of the window."
  echo show | build/bin/corvane-cli
  exit 0
fi
exec build/bin/corvane
