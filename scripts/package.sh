#!/usr/bin/env bash
# Builds the release programs and packs them into dist/: the Debian package
# veltrane_<version>_<arch>.deb and, where its build script exists, the
# Windows zip.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
scripts/build.sh build/release -DCMAKE_BUILD_TYPE=Release -DVELTRANE_QT=ON -DVELTRANE_TESTS=OFF
deb=$(scripts/make-deb.sh build/release dist)
echo "package: $deb"

if [[ -x scripts/build-windows.sh ]]; then
  scripts/build-windows.sh
fi
