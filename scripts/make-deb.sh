#!/usr/bin/env bash
# Packs a built tree into its Debian package and prints the package's path.
#   scripts/make-deb.sh BUILD_DIR OUT_DIR
set -euo pipefail
build=$1
out=$2
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log" >&2
  exit 1
fi
debs=("$work"/veltrane_*.deb)
if [[ ${#debs[@]} -ne 1 || ! -f ${debs[0]} ]]; then
  echo "make-deb: cpack made no veltrane_*.deb" >&2
  cat "$work/cpack.log" >&2
  exit 1
fi
mv "${debs[0]}" "$out/"
echo "$out/$(basename "${debs[0]}")"
