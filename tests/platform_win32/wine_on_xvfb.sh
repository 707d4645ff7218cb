#!/bin/sh
# Runs a Windows program with windows under Wine, on an Xvfb display of its
# own and in a Wine prefix kept for such programs. A Wine server left running
# in that prefix is stopped first, so the desktop process Wine starts belongs
# to this display; the run then waits for the server to end before the display
# goes away. Exits with the program's status.
#   wine_on_xvfb.sh PREFIX WINE WINESERVER PROGRAM [ARGS...]
set -u
WINEPREFIX=$1
wine=$2
WINESERVER=$3
shift 3
# Quiet, but for Wine's own word on why it could not make a window.
WINEDEBUG=-all,err+winediag
WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX WINESERVER WINEDEBUG WINEDLLOVERRIDES
exec xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
  "$WINESERVER" -k 2>/dev/null
  "$@"
  status=$?
  "$WINESERVER" -w
  [ $status -eq 0 ] || echo "wine_on_xvfb: $2 exited with $status on display $DISPLAY" >&2
  exit $status' sh "$wine" "$@"
