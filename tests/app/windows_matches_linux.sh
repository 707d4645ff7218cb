#!/usr/bin/env bash
# Runs the Windows veltrane-chart (through its emulator, Wine) and the build
# machine's own on the same moments and fails at the first byte that differs.
#   windows_matches_linux.sh text|gbk|json|tz HOST_TOOL WINDOWS_TOOL [EMULATOR...]
# text and gbk plot one moment per run; json plots ranges; tz reads dates in
# IANA zones (the Windows tool from the zoneinfo folder beside it).
set -euo pipefail
mode=$1
host=$2
windows=$3
shift 3
emulator=("$@")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Runs one tool on the arguments; its output, stderr and exit status go to files.
run() {
  local name=$1
  shift
  local status=0
  "$@" >"$work/$name.out" 2>"$work/$name.err" || status=$?
  echo "$status" >"$work/$name.status"
}

failures=0
compare() {
  run linux "$host" "$@"
  run windows "${emulator[@]}" "$windows" "$@"
  for part in out err status; do
    if ! cmp -s "$work/linux.$part" "$work/windows.$part"; then
      echo "differs ($part): veltrane-chart $*"
      cmp "$work/linux.$part" "$work/windows.$part" || true
      failures=$((failures + 1))
      return
    fi
  done
}

if [[ $mode == json ]]; then
  compare --json --from 1800-01-01T00:00 --to 1800-02-01T00:00 --step-minutes 331
  compare --json --from 1899-12-29T22:00 --to 1899-12-31T02:00 --step-minutes 17
  compare --json --from 2024-01-01T00:00 --to 2024-12-31T23:00 --step-minutes 1447
  compare --json --from 2999-12-01T00:00 --to 2999-12-31T23:59 --step-minutes 1009
  compare --json 2001-12-27 04:00
  compare --json 2001-02-30 04:00  # no such day: the same error on both
  compare --json 二〇〇一-12-27 04:00  # the error quotes it: arguments arrive whole
elif [[ $mode == tz ]]; then
  # Without daylight saving, with it (both changes of 2024, the repeated hour
  # and the skipped one), China's summer time of 1988, Kathmandu's move from
  # +05:30 to +05:45 in 1986, local mean time before standard time, and dates
  # after 2037, which only the rule closing each zone file decides.
  compare --json --tz Asia/Kolkata 2024-06-21 12:00
  compare --tz Asia/Calcutta 2024-06-21 12:00  # a link: read from its zone's file
  compare --json --tz America/New_York 2024-01-15 09:00
  compare --json --tz America/New_York 2024-07-04 09:00
  compare --json --tz America/New_York 2024-11-03 01:30
  compare --json --tz US/Eastern 2024-03-10 02:30  # skipped: the same refusal
  compare --json --tz Asia/Shanghai 1988-07-01 12:00
  compare --json --tz Asia/Kathmandu 1985-12-31 23:50
  compare --json --tz Asia/Kathmandu 1986-01-01 00:20
  compare --json --tz Europe/Paris 1890-06-01 12:00
  compare --json --tz Europe/London 2050-07-01 12:00
  compare --json --tz Australia/Lord_Howe 2045-01-01 12:00
  compare --json --tz America/Sao_Paulo 2040-01-15 12:00
  compare --encoding gbk --tz Europe/Berlin 2999-12-31 23:59
  compare --json --tz Europe/Berlin --from 2038-03-28T00:00 --to 2038-03-28T05:00 --step-minutes 30
  compare --json --tz America/Santiago --from 2024-04-06T22:00 --to 2024-04-07T02:00 --step-minutes 20
  # Names that are no zone: unknown, beside the zones, or leading out of the folder.
  for zone in Mars/Olympus_Mons localtime posixrules tzdata.zi right/UTC ../zoneinfo/UTC \
    'America\New_York' america/new_york; do
    compare --tz "$zone" 2024-01-01 00:00
  done
else
  args=()
  [[ $mode == gbk ]] && args=(--encoding gbk)
  # Ends of the year range, a worked chart, both sides of 立春 2024 and of
  # midnight, then pseudo-random moments over the whole range.
  moments=("1800-01-01 00:00" "2999-12-31 23:59" "2001-12-27 04:00" "2024-02-04 16:26"
    "2024-02-04 16:27" "2024-02-04 16:28" "2023-12-31 23:30" "2024-01-01 00:30"
    "1850-06-21 12:00" "2079-12-22 12:00" "2100-03-01 23:00" "2024-13-01 00:00")
  seed=20261208
  while ((${#moments[@]} < 150)); do
    seed=$(((seed * 1103515245 + 12345) % 2147483648))
    moments+=("$(printf '%04d-%02d-%02d %02d:%02d' $((1800 + seed % 1200)) \
      $((1 + seed / 1200 % 12)) $((1 + seed / 14400 % 28)) $((seed / 403200 % 24)) \
      $((seed / 9676800 % 60)))")
  done
  for m in "${moments[@]}"; do
    # shellcheck disable=SC2086  # a moment is a date and a time
    compare "${args[@]}" $m
  done
fi

if ((failures > 0)); then
  echo "$failures runs differ"
  exit 1
fi
echo "identical output"
