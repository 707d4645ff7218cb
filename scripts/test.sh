#!/usr/bin/env bash
# Sets everything up and runs every test: a warnings-as-errors build with the
# Qt platform (GUI tests offscreen, screenshot tests under Xvfb) and its Debian
# package; the Windows programs cross-built once, their tests run under Wine;
# then the portable layers again under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

echo "== build (warnings as errors)"
scripts/build.sh build/ci -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELTRANE_WERROR=ON -DVELTRANE_QT=ON
# A missing package must fail here, not quietly drop the desktop tests.
if [[ ! -x build/ci/src/app/veltrane ]] || ! ctest --test-dir build/ci -N -L screenshot | grep -q "Total Tests: [1-9]"; then
  echo "test: Qt 6 or xvfb-run was not found, so the desktop program or its screenshot test is missing" >&2
  exit 1
fi
echo "== tests"
ctest --test-dir build/ci --output-on-failure -j "$(nproc)"
echo "== Debian package"
scripts/check-package.sh build/ci

echo "== build (Windows, mingw-w64) and its zip"
scripts/build-windows.sh build/windows -DVELTRANE_HOST_CHART="$PWD/build/ci/src/app/veltrane-chart"
echo "== Windows tests under Wine"
ctest --test-dir build/windows --output-on-failure -j "$(nproc)" -LE sweep

echo "== build (AddressSanitizer + UndefinedBehaviorSanitizer)"
scripts/build.sh build/asan -DCMAKE_BUILD_TYPE=Debug -DVELTRANE_WERROR=ON -DVELTRANE_QT=OFF \
  -DVELTRANE_SANITIZE=ON
echo "== tests under sanitizers"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build/asan --output-on-failure -j "$(nproc)" -LE sweep
