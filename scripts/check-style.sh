#!/usr/bin/env bash
# Checks the sources' style: fails on any difference from .clang-format in the
# tracked C++ files, and on any clang-tidy finding (.clang-tidy) in src/.
#   scripts/check-style.sh BUILD_DIR         format and tidy; tidy reads the
#                                            tree's compile_commands.json
#   scripts/check-style.sh --format [FILE...] format only (all tracked files,
#                                            or the ones named)
#   scripts/check-style.sh --apply-format    rewrites every tracked file in
#                                            the format (what the check expects)
# Tidy runs on every file of src/ that the build tree compiles, so Qt sources
# are checked in a tree built with the Qt platform; the Win32 sources are not
# compiled on Linux, so tidy skips them and says which.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

clang_format=${CLANG_FORMAT:-clang-format}
clang_tidy=${CLANG_TIDY:-clang-tidy}

# The tracked C and C++ sources, NUL-separated.
tracked_sources() {
  git ls-files -z -- '*.c' '*.cc' '*.cpp' '*.h' '*.hpp'
}

# Prints each file whose formatting differs; fails when there is one.
check_format() {
  local -a files=("$@")
  if ((${#files[@]} == 0)); then
    mapfile -d '' files < <(tracked_sources)
  fi
  local -a differing=()
  local file
  for file in "${files[@]}"; do
    if ! "$clang_format" --style=file --dry-run --Werror "$file" >/dev/null 2>&1; then
      differing+=("$file")
    fi
  done
  if ((${#differing[@]})); then
    printf 'style: not in the .clang-format layout: %s\n' "${differing[@]}" >&2
    echo "style: scripts/check-style.sh --apply-format rewrites them" >&2
    return 1
  fi
  echo "style: ${#files[@]} files in the .clang-format layout"
}

# Runs clang-tidy on the files of src/ that the tree compiles; fails on any finding.
check_tidy() {
  local build=$1
  local database=$build/compile_commands.json
  if [[ ! -f $database ]]; then
    echo "style: $database is missing; configure the tree first" >&2
    return 1
  fi
  # Sources of src/ that the tree does not compile (the Win32 platform on Linux).
  local skipped
  skipped=$(comm -23 <(git ls-files -- 'src/*.cpp' | sort) \
    <(python3 -c 'import json, os, sys
root = sys.argv[2]
for entry in json.load(open(sys.argv[1])):
    path = os.path.normpath(os.path.join(entry["directory"], entry["file"]))
    if path.startswith(root + "/src/"):
        print(os.path.relpath(path, root))' "$database" "$root" | sort -u))
  if [[ -n $skipped ]]; then
    echo "style: tidy skips $(wc -l <<<"$skipped") sources this tree does not compile:" \
      $(sed 's|.*/||' <<<"$skipped" | tr '\n' ' ')
  fi
  local log=$build/clang-tidy.log
  local runner
  runner=$(command -v run-clang-tidy || command -v run-clang-tidy-14 || true)
  if [[ -n $runner ]]; then
    "$runner" -quiet -p "$build" -j 2 -clang-tidy-binary "$(command -v "$clang_tidy")" \
      "^$root/src/" >"$log" 2>&1 || true
  else
    python3 -c 'import json, os, sys
root = sys.argv[2]
for entry in json.load(open(sys.argv[1])):
    path = os.path.normpath(os.path.join(entry["directory"], entry["file"]))
    if path.startswith(root + "/src/"):
        print(path)' "$database" "$root" | sort -u |
      xargs -P 2 -n 4 "$clang_tidy" --quiet -p "$build" >"$log" 2>&1 || true
  fi
  # A finding is a diagnostic line; anything that stopped a file is one too.
  local findings
  findings=$(sed 's/\x1b\[[0-9;]*m//g' "$log" | grep -E '^[^ ]+:[0-9]+:[0-9]+: (warning|error):' |
    sort -u || true)
  if [[ -n $findings ]]; then
    echo "$findings" >&2
    echo "style: $(wc -l <<<"$findings") clang-tidy findings in src/ (whole output: $log)" >&2
    return 1
  fi
  if sed 's/\x1b\[[0-9;]*m//g' "$log" | grep -qE 'Error while processing|error: '; then
    tail -n 20 "$log" >&2
    echo "style: clang-tidy could not check every file (whole output: $log)" >&2
    return 1
  fi
  echo "style: clang-tidy finds nothing in src/"
}

case ${1:-} in
  --format)
    shift
    check_format "$@"
    ;;
  --apply-format)
    tracked_sources | xargs -0 "$clang_format" --style=file -i
    ;;
  "" | -*)
    echo "usage: scripts/check-style.sh BUILD_DIR | --format [FILE...] | --apply-format" >&2
    exit 2
    ;;
  *)
    status=0
    check_format || status=1
    check_tidy "$1" || status=1
    exit "$status"
    ;;
esac
