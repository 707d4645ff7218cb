#!/usr/bin/env bash
# Installs the Debian packages Veltrane needs for what is asked, all of them
# when nothing is named:
#   scripts/setup.sh [run] [test] [package] [web] [windows]
#     run      build and run the window and the command-line tool
#     test     the tests, benchmarks, fuzz targets and style checks on Linux
#     package  the Debian package and its checks
#     web      the web page's WebAssembly build and its browser tests
#     windows  the Windows cross build and Wine to run it
# Safe to run again: packages already present are left alone.
set -euo pipefail

declare -A groups=(
  [run]="build-essential cmake ninja-build pkg-config
         liberfa-dev libcli11-dev nlohmann-json3-dev tzdata
         qt6-base-dev libgl-dev fonts-wqy-microhei"
  [test]="libgtest-dev libgmock-dev googletest libbenchmark-dev xvfb xauth libxml2-utils
          clang libclang-rt-14-dev ccache clang-format clang-tidy python3"
  [package]="dpkg-dev fakeroot librsvg2-bin gzip desktop-file-utils appstream lintian man-db"
  [web]="emscripten chromium nodejs npm"
  [windows]="g++-mingw-w64-x86-64-posix wine wine64 googletest"
)

wanted=("$@")
if ((${#wanted[@]} == 0)); then
  wanted=(run test package web windows)
fi
packages=()
for group in "${wanted[@]}"; do
  [[ -n ${groups[$group]+set} ]] || { echo "setup: no group $group (run, test, package, web, windows)" >&2; exit 2; }
  # The run group under every other: each builds the programs.
  read -r -a more <<<"${groups[run]} ${groups[$group]}"
  packages+=("${more[@]}")
done

# What installed packages provide counts as present (a Node.js build that
# carries its own npm provides npm, and conflicts with Debian's).
provided=$(dpkg-query -W -f='${Status}|${Provides}\n' 2>/dev/null |
  sed -n 's/^install ok installed|//p' | tr ',' '\n' | sed 's/ *(.*//; s/^ *//')
missing=()
for p in $(printf '%s\n' "${packages[@]}" | sort -u); do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" &&
     ! grep -qx "$p" <<<"$provided"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]} == 0)); then
  echo "setup: all packages present"
  exit 0
fi

sudo=()
if [[ $(id -u) -ne 0 ]]; then
  sudo=(sudo)
fi
echo "setup: installing ${missing[*]}"
"${sudo[@]}" apt-get update -qq -o DPkg::Lock::Timeout=600
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends -o DPkg::Lock::Timeout=600 "${missing[@]}"
