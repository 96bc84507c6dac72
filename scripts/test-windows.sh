#!/usr/bin/env bash
# Cross-builds corvane.exe, corvane-cli.exe and the unit tests for Windows
# (build-windows/) and runs them under Wine on a virtual X display: the unit
# tests, every golden sample through corvane-cli.exe, and the window tests,
# which leave their screenshots in build-windows/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh windows

jobs=$(nproc)
cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
cmake --build build-windows -j "$jobs"

# Wine keeps its state in a prefix inside the build tree, and says nothing
# of its own.
export WINEPREFIX=$PWD/build-windows/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineserver=/usr/lib/wine/wineserver64

# A display of our own for the windows, whether or not one is there: Xvfb
# picks a free number and tells it.
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$display_file")
rm -f "$display_file"

# One Wine server for all the tests, kept alive while they run, so that each
# program starts in a tenth of a second instead of booting Wine afresh.
cleanup() {
  "$wineserver" -k 2>/dev/null || true
  kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
wine=/usr/lib/wine/wine64
mkdir -p "$WINEPREFIX"
start_session() {
  "$wineserver" -p
  # Wine's own services start with the first program of a session and
  # inherit its output: started here, they hold no test's output open.
  "$wine" wineboot >/dev/null 2>&1 </dev/null
}
start_session
# Windows inside a desktop window of Wine's own, which draws their title
# bars and frames as Windows would (a bare X server draws none). Its size is
# what a 1366x768 laptop leaves free beside its task bar: the window tests
# check the calculator fits it, at 150 % too.
desktop=1366x728
if ! "$wine" reg query 'HKCU\Software\Wine\Explorer\Desktops' /v Default 2>/dev/null | grep -q "$desktop"; then
  "$wine" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  "$wine" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$desktop" /f >/dev/null 2>&1
  "$wineserver" -k
  "$wineserver" -w
  start_session
fi

start=$(date +%s)
rm -rf build-windows/screenshots
ctest --test-dir build-windows -j "$jobs" --output-on-failure
for shot in build-windows/screenshots/*.bmp; do
  convert "$shot" "${shot%.bmp}.png" && rm "$shot"
done
echo "Windows tests passed under Wine in $(( $(date +%s) - start )) s."
