#!/usr/bin/env bash
# Installs every Debian package Veltrane needs to build, test and run.
# Safe to run again: packages already present are left alone.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  liberfa-dev libcli11-dev nlohmann-json3-dev tzdata
  qt6-base-dev libgl-dev
  fonts-wqy-microhei
  xvfb xauth
  dpkg-dev fakeroot librsvg2-bin gzip
  desktop-file-utils appstream lintian man-db
  g++-mingw-w64-x86-64-posix wine wine64
  clang libclang-rt-14-dev
  ccache
  emscripten chromium
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
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
