#!/usr/bin/env bash
# Builds an installable package, in one command each:
#   bash scripts/package.sh deb    -> build/packages/corvane_<version>_amd64.deb
#   bash scripts/package.sh win64  -> build-windows/packages/corvane-<version>-win64.zip
# Each installs what it needs with apt-get and skips what is there.
set -euo pipefail
cd "$(dirname "$0")/.."

case "${1:-}" in
  deb)
    bash scripts/install-deps.sh deb
    dir=build
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
    ;;
  win64)
    bash scripts/install-deps.sh windows
    dir=build-windows
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
    ;;
  *)
    echo "usage: bash scripts/package.sh deb|win64" >&2
    exit 2
    ;;
esac
cmake --build "$dir" -j "$(nproc)"
(cd "$dir" && cpack)

# The package holds the help page and every picture the page shows: both
# come from the install rules' one list of help files.
case "$1" in
  deb) package=$(ls "$dir"/packages/corvane_*.deb) && listing=$(dpkg-deb -c "$package") ;;
  win64) package=$(ls "$dir"/packages/corvane-*-win64.zip) && listing=$(cmake -E tar tf "$package") ;;
esac
for name in corvane-help.html $(grep -o 'src="[^"]*"' res/help/corvane-help.html | sed 's/^src="\(.*\)"$/\1/'); do
  if ! grep -q "/$name\$" <<<"$listing"; then
    echo "$package lacks $name" >&2
    exit 1
  fi
done
ls -l "$package"
