#!/usr/bin/env bash
# Builds the web page and checks it in Debian's headless Chromium against a
# build's veltrane-chart (tests/web/page_test.mjs).
#   scripts/test-web.sh PATH/TO/veltrane-chart
set -euo pipefail
cd "$(dirname "$0")/.."
chart_tool=$(realpath "$1")
# Emscripten, Chromium, Node.js and npm from Debian.
scripts/setup.sh web
scripts/build-web.sh
# playwright-core drives the system's Chromium; no browser is ever downloaded.
PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --prefix tests/web --no-audit --no-fund --silent
node tests/web/page_test.mjs "$chart_tool" dist/web
