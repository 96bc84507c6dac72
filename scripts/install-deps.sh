#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need, skipping
# those already there. Run by start.sh and test.sh; with the argument
# "windows" (test-windows.sh) also what cross-builds the Windows programs
# and runs them: MinGW-w64, GoogleTest's sources, Wine, Xvfb, ImageMagick;
# with "deb" what finds a Debian package's dependencies.
set -euo pipefail

packages=(cmake g++ ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev libgl-dev locales libcli11-dev
          clang libclang-rt-14-dev libmpfr-dev ccache nlohmann-json3-dev)
case "${1:-}" in
  windows) packages+=(g++-mingw-w64-x86-64-posix googletest wine64 xvfb xauth imagemagick perl) ;;
  deb) packages+=(dpkg-dev) ;;
esac
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The tests check that a comma-decimal locale changes nothing: make one.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
