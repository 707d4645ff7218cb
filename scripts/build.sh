#!/usr/bin/env bash
# Configures and builds one build tree, through ccache when it is installed
# (the trees then share one cache: paths are taken relative to the sources).
#   scripts/build.sh DIR [cmake options...] [-- targets...]
# Without targets the whole tree is built.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$1
shift
options=()
while (($#)) && [[ $1 != -- ]]; do
  options+=("$1")
  shift
done
targets=()
if (($#)); then
  shift
  targets=("$@")
fi
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$root}
  options+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root" -B "$dir" -G Ninja "${options[@]}" >/dev/null
if ((${#targets[@]})); then
  cmake --build "$dir" -j "$(nproc)" --target "${targets[@]}"
else
  cmake --build "$dir" -j "$(nproc)"
fi
