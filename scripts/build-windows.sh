#!/usr/bin/env bash
# Cross-builds the Windows programs with mingw-w64 and packs them, with the
# zone files of --tz (a zoneinfo folder) and a read-me in Chinese and English,
# into dist/veltrane-<version>-windows-x64.zip.
#   scripts/build-windows.sh [BUILD_DIR [cmake options...]]   (default build/windows)
# The tree's tests run under Wine: ctest --test-dir build/windows
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh run windows
dir=${1:-build/windows}
shift || true
scripts/build.sh "$dir" -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DVELTRANE_QT=OFF -DVELTRANE_WERROR=ON "$@"

version=$(scripts/version.sh)
name=veltrane-$version-windows-x64
stage=$dir/package/$name
rm -rf "$stage"
mkdir -p "$stage" dist
for program in veltrane veltrane-chart; do
  if [[ -f $dir/src/app/$program.exe ]]; then
    x86_64-w64-mingw32-strip -o "$stage/$program.exe" "$dir/src/app/$program.exe"
  else
    echo "build-windows: $program.exe was not built, the archive goes without it" >&2
  fi
done
# The zone files --tz reads, made in the build tree beside veltrane-chart.exe.
if [[ -f $dir/src/app/zoneinfo/tzdata.zi ]]; then
  cp -R "$dir/src/app/zoneinfo" "$stage/zoneinfo"
else
  echo "build-windows: no zoneinfo folder was made, the archive goes without it (--tz refused)" >&2
fi
# Notepad reads the read-me best as UTF-8 with a byte-order mark and CR LF line ends.
{
  printf '\xEF\xBB\xBF'
  sed -e "s/@VERSION@/$version/g" -e 's/$/\r/' packaging/windows/README.txt
} >"$stage/README.txt"

zip=$PWD/dist/$name.zip
rm -f "$zip"
(cd "$dir/package" && cmake -E tar cf "$zip" --format=zip "$name")
echo "package: dist/$name.zip"
