#!/usr/bin/env bash
# Sets everything up and runs every test: a warnings-as-errors build with the
# Qt platform (GUI tests offscreen, screenshot tests under Xvfb), its Debian
# package and the style check (clang-format, and clang-tidy on src/ from that
# tree's compile commands); the web page built for WebAssembly and checked in
# headless Chromium against that build's veltrane-chart; the Windows programs
# cross-built once, their tests run under Wine; the portable layers again under
# AddressSanitizer and UndefinedBehaviorSanitizer (the 20,000-action monkey
# included); the desktop platform's own code under the sanitizers running the
# desktop monkey; and every fuzz target for 30 seconds from its corpus in a
# clang build.
# Every tree compiles through ccache and builds only what its tests use; each
# stage's wall time is printed at the end, also when a stage fails.
set -euo pipefail
cd "$(dirname "$0")/.."

stage_names=()
stage_seconds=()
stage_start=$SECONDS
# Ends the stage running now (if any) and starts the one named.
stage() {
  if ((${#stage_names[@]})); then
    stage_seconds+=($((SECONDS - stage_start)))
  fi
  stage_names+=("$1")
  stage_start=$SECONDS
  echo "== $1"
}
print_stage_times() {
  local status=$?
  if ((${#stage_names[@]} > ${#stage_seconds[@]})); then
    stage_seconds+=($((SECONDS - stage_start)))
  fi
  echo "== wall time per stage"
  local i
  for i in "${!stage_names[@]}"; do
    printf '%5d:%02d  %s\n' $((stage_seconds[i] / 60)) $((stage_seconds[i] % 60)) "${stage_names[i]}"
  done
  printf '%5d:%02d  all\n' $((SECONDS / 60)) $((SECONDS % 60))
  return "$status"
}
trap print_stage_times EXIT

stage "setup"
scripts/setup.sh
export CCACHE_BASEDIR=$PWD

stage "build (warnings as errors)"
scripts/build.sh build/ci -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELTRANE_WERROR=ON -DVELTRANE_QT=ON \
  -DVELTRANE_BENCH=ON  # the benchmarks are built, so that they keep building
# A missing package must fail here, not quietly drop the desktop tests.
if [[ ! -x build/ci/src/app/veltrane ]] || ! ctest --test-dir build/ci -N -L screenshot | grep -q "Total Tests: [1-9]"; then
  echo "test: Qt 6 or xvfb-run was not found, so the desktop program or its screenshot test is missing" >&2
  exit 1
fi
stage "tests"
ctest --test-dir build/ci --output-on-failure -j "$(nproc)"
stage "Debian package"
scripts/check-package.sh build/ci
stage "style (clang-format, clang-tidy on src/)"
scripts/check-style.sh build/ci

stage "web page (WebAssembly) in headless Chromium against build/ci's veltrane-chart"
scripts/test-web.sh build/ci/src/app/veltrane-chart

stage "build (Windows, mingw-w64) and its zip"
scripts/build-windows.sh build/windows -DVELTRANE_HOST_CHART="$PWD/build/ci/src/app/veltrane-chart"
stage "Windows tests under Wine"
# Wine on a virtual display now and then fails to start a program's first
# window; a test that fails runs once more, and fails the stage if it fails again.
ctest --test-dir build/windows --output-on-failure -j "$(nproc)" -LE sweep --repeat until-pass:2

stage "build (AddressSanitizer + UndefinedBehaviorSanitizer)"
# The sweeps run in the first tree only, so this one leaves them out.
scripts/build.sh build/asan -DCMAKE_BUILD_TYPE=Debug -DVELTRANE_WERROR=ON -DVELTRANE_QT=OFF \
  -DVELTRANE_SANITIZE=ON -DVELTRANE_SWEEPS=OFF
stage "tests under sanitizers"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build/asan --output-on-failure -j "$(nproc)" -LE sweep

stage "desktop monkey with the desktop platform under sanitizers"
# Qt's own libraries stay uninstrumented; only the monkey and what it links are built.
scripts/build.sh build/asan-qt -DCMAKE_BUILD_TYPE=Debug -DVELTRANE_WERROR=ON -DVELTRANE_QT=ON \
  -DVELTRANE_SANITIZE=ON -- qt_monkey_test
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  LSAN_OPTIONS=suppressions="$PWD/tests/monkey/qt_lsan.supp" \
  ctest --test-dir build/asan-qt --output-on-failure -R QtMonkey

stage "fuzz targets, 30 seconds each"
CC=clang CXX=clang++ scripts/build.sh build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVELTRANE_FUZZ=ON -DVELTRANE_QT=OFF -DVELTRANE_TESTS=OFF -- fuzz_targets
mkdir -p build/fuzz/findings
for source in fuzz/*_fuzz.cpp; do
  name=$(basename "$source" _fuzz.cpp)
  target=build/fuzz/fuzz/${name}_fuzz
  work=build/fuzz/corpus/$name
  mkdir -p "$work"
  # A finding makes the target exit non-zero and leaves the input in findings/.
  "$target" "$work" "fuzz/corpus/$name" -max_total_time=30 -max_len=4096 \
    -artifact_prefix=build/fuzz/findings/ -print_final_stats=1 2>build/fuzz/$name.log ||
    { tail -n 40 "build/fuzz/$name.log"; echo "test: fuzz target $name found a fault" >&2; exit 1; }
  grep -h "stat::number_of_executed_units" "build/fuzz/$name.log" | sed "s/^/$name: /"
done
