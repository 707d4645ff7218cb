#!/usr/bin/env bash
# Builds the web page: the chart core compiled to WebAssembly with Debian's
# emscripten, and the page beside it, in dist/web/ (index.html, style.css,
# veltrane.js, veltrane.wasm). The page needs nothing outside that folder.
#   scripts/build-web.sh [BUILD_DIR]    (default build/web)
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build/web}

# Debian's emscripten runs its tools on the machine's Node with Debian's modules.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
if ! command -v emcmake >/dev/null; then
  scripts/setup.sh run web
fi

emcmake cmake -S web -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELTRANE_WERROR=ON >/dev/null
cmake --build "$dir" -j "$(nproc)" --target veltrane_web

out=dist/web
rm -rf "$out"
mkdir -p "$out"
cp web/index.html web/style.css "$out/"
# One JS file: the module's loader, then the page's parts in the order they use each other.
cat "$dir/veltrane.js" web/zone_time.js web/chart_drawing.js web/reading_panel.js web/page.js \
  >"$out/veltrane.js"
cp "$dir/veltrane.wasm" "$out/"
echo "build-web: wrote $out ($(du -ck "$out"/* | tail -1 | cut -f1) KB)"
