#!/usr/bin/env bash
# Installs what running Veltrane needs, builds the two programs (only what
# changed since the last start) and opens the window. Without a display, or
# when the window cannot open on it, it prints the current hour's chart with
# the command-line tool instead.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh run
build=build/release
if [[ ! -f $build/build.ninja ]]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELTRANE_QT=ON \
    -DVELTRANE_TESTS=OFF >/dev/null
fi
cmake --build "$build" --target veltrane veltrane-chart

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" || -n "${QT_QPA_PLATFORM:-}" ]]; then
  status=0
  "$build/src/app/veltrane" "$@" || status=$?
  # 3: the display cannot be opened; 134: Qt aborted, its platform plugin
  # missing or refusing (as QT_QPA_PLATFORM=wayland does without Wayland).
  if [[ $status -ne 3 && $status -ne 134 ]]; then
    exit "$status"
  fi
  echo "The window cannot open here; printing the current hour's chart with veltrane-chart instead."
else
  echo "No display found; printing the current hour's chart with veltrane-chart instead."
fi
exec "$build/src/app/veltrane-chart"
