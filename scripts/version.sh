#!/usr/bin/env bash
# Prints Veltrane's version, as project(Veltrane VERSION ...) declares it, for
# scripts that name what they build (packages, archives).
set -euo pipefail
version=$(sed -n 's/^project(Veltrane VERSION \([0-9][0-9.]*\).*/\1/p' "$(dirname "$0")/../CMakeLists.txt")
if [[ -z $version ]]; then
  echo "version: no project(Veltrane VERSION ...) in CMakeLists.txt" >&2
  exit 1
fi
echo "$version"
