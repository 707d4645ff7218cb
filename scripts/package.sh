#!/usr/bin/env bash
# Builds the release programs and packs them into dist/: the Debian package
# veltrane_<version>_<arch>.deb and, with --windows, also the Windows zip
# (which installs mingw-w64 and Wine to build and test it).
#   scripts/package.sh [--windows]
set -euo pipefail
cd "$(dirname "$0")/.."

windows=false
for arg in "$@"; do
  case $arg in
    --windows) windows=true ;;
    *) echo "usage: scripts/package.sh [--windows]" >&2; exit 2 ;;
  esac
done

scripts/setup.sh run package
scripts/build.sh build/release -DCMAKE_BUILD_TYPE=Release -DVELTRANE_QT=ON -DVELTRANE_TESTS=OFF
deb=$(scripts/make-deb.sh build/release dist)
echo "package: $deb"

if $windows; then
  scripts/build-windows.sh
fi
