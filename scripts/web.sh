#!/usr/bin/env bash
# Builds the web page and serves it on http://127.0.0.1:8080/ (Ctrl-C stops it).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build-web.sh
exec node scripts/serve-web.mjs dist/web 8080
