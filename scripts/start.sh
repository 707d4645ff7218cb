#!/usr/bin/env bash
# Sets everything up, builds, and starts Veltrane. Without a display it prints
# the current hour's chart with the command-line tool instead.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
scripts/build.sh build/release -DCMAKE_BUILD_TYPE=Release -DVELTRANE_QT=ON -DVELTRANE_TESTS=OFF

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  exec build/release/src/app/veltrane
fi
echo "No display found; printing the current hour's chart with veltrane-chart instead."
exec build/release/src/app/veltrane-chart
