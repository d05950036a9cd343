#!/usr/bin/env bash
# cvtimer.exe as a Windows user starts it, under Wine with the windows platform
# plugin on the virtual display make test-windows provides: started on a timer
# file in a folder of its own, its window shows with the file's name in the
# title and the settings file appears in that folder.
#
#   window_start_wine.sh WINE_RUN PREFIX CVTIMER_EXE
set -euo pipefail

wine_run=$1 prefix=$2 exe=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAILED: $*" >&2
  for f in out err; do [[ -f $work/$f ]] && { echo "--- $f" >&2; cat "$work/$f" >&2; }; done
  exit 1
}
[[ -n ${DISPLAY:-} ]] || fail "no display: run it through make test-windows"

for i in $(seq 0 9); do
  printf 'Station %-12d,%04d,%04d,0003,%04d\r\n' "$i" $((360 + i)) $((30 + i)) $((i + 1))
done >"$work/lunch.csv"

status=0
(cd "$work" && CVTIMER_EXIT_WHEN_SHOWN=1 timeout 60 "$wine_run" "$prefix" "$exe" lunch.csv \
   >"$work/out" 2>"$work/err") || status=$?
sed -i 's/\r$//' "$work/out"
[[ $status -eq 0 ]] || fail "cvtimer.exe exited with $status"
grep -qx 'shown: Corvellan Timers - lunch.csv' "$work/out" || fail "the window did not show the file's name"
grep -q '^PortNo=1' "$work/CVTimerSystem.ini" 2>/dev/null || fail "no settings file in the start folder"

echo "cvtimer.exe: the window showed \"Corvellan Timers - lunch.csv\" and kept its settings in the start folder"
