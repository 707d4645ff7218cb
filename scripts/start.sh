#!/usr/bin/env bash
# Sets everything up, builds, and starts Veltrane. Without a display, or with
# one that cannot be opened, it prints the current hour's chart with the
# command-line tool instead.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
scripts/build.sh build/release -DCMAKE_BUILD_TYPE=Release -DVELTRANE_QT=ON -DVELTRANE_TESTS=OFF

# veltrane exits with status 3 when the display it is given cannot be opened.
if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  status=0
  build/release/src/app/veltrane || status=$?
  if [[ $status -ne 3 ]]; then
    exit "$status"
  fi
  echo "The display ${DISPLAY:-${WAYLAND_DISPLAY}} cannot be opened; printing the current hour's chart with veltrane-chart instead."
else
  echo "No display found; printing the current hour's chart with veltrane-chart instead."
fi
exec build/release/src/app/veltrane-chart
