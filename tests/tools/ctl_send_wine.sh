#!/usr/bin/env bash
# cvtimerctl.exe as a Windows user runs it, under Wine, against a simulated
# unit that runs on Linux and is mapped to COM150 of the prefix.
#
#   ctl_send_wine.sh WINE_RUN PREFIX LINUX_CVTIMERCTL CVTIMERCTL_EXE
set -euo pipefail

wine_run=$1 prefix=$2 ctl=$3 exe=$4
port=150
link=$prefix/dosdevices/com$port
work=$(mktemp -d)
unit_pid=
finish() {
  if [[ -n $unit_pid ]]; then
    kill -TERM "$unit_pid" 2>/dev/null || true
    wait "$unit_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap finish EXIT
fail() {
  echo "FAILED: $*" >&2
  for f in out err unit.log; do [[ -f $work/$f ]] && { echo "--- $f" >&2; cat "$work/$f" >&2; }; done
  exit 1
}

# Ten timers of our own, and the twenty messages they must become, in order.
expected=()
for i in $(seq 0 9); do
  printf 'Station %-12d,%04d,%04d,0003,%04d\r\n' "$i" $((360 + i)) $((30 + i)) $((i + 1)) >>"$work/timers.csv"
  expected+=("$(printf '{86,%d,%d,%04d,%04d,0003}' "$i" $((i + 1)) $((360 + i)) $((30 + i)))")
  expected+=("$(printf '{87,%d,Station %-12d}' "$i" "$i")")
done
printf '[SerialComm]\r\nPortNo=%d\r\n' "$port" >"$work/CVTimerSystem.ini"

rm -f "$link"
"$ctl" emulate --link "$link" </dev/null >"$work/unit.log" 2>&1 &
unit_pid=$!
deadline=$((SECONDS + 10))
until [[ -L $link ]]; do
  ((SECONDS < deadline)) || fail "the simulated unit did not start"
  sleep 0.01
done

# Run in the folder, as a user would: the port comes from its settings file.
# Windows ends the lines it prints with CR LF.
run() {
  local status=0
  (cd "$work" && "$wine_run" "$prefix" "$exe" "$@" >"$work/out" 2>"$work/err") || status=$?
  sed -i 's/\r$//' "$work/out" "$work/err"
  return "$status"
}

status=0
run send timers.csv || status=$?
[[ $status -eq 0 ]] || fail "send to COM$port exited with $status"
grep -qx 'Timers Sent to Corvellan' "$work/out" || fail "send did not report success"
mapfile -t received < <(sed -n 's/^received [0-9]*: \(.*\) -> g$/\1/p' "$work/unit.log")
[[ "${received[*]}" == "${expected[*]}" ]] || fail "the unit received other messages than the twenty expected"

status=0
run send timers.csv --device COM199 || status=$?
[[ $status -eq 1 ]] || fail "send to a missing port exited with $status, not 1"
grep -qx 'Unable to open selected serial port.' "$work/err" || fail "no open failure reported"
grep -q 'Device Manager' "$work/err" || fail "no Windows advice for a missing port"

run ports || fail "ports failed"
grep -Eq '^\*  Port 150  \\\\\.\\COM150  present$' "$work/out" || fail "ports does not show COM150 present"
grep -Eq '^   Port 2    \\\\\.\\COM2    missing$' "$work/out" || fail "ports does not show COM2 missing"
# Wine lists COM101, as scripts/test-windows made it known, though no unit is
# linked there now, and names it as the FTDI adapter's port it registered.
grep -Eq '^   Port 101  \\\\\.\\COM101  present  USB Serial Port \(FTDI\)$' "$work/out" ||
  fail "ports does not show the listed COM101 with its name"

echo "cvtimerctl.exe: sent ten timers to COM$port, refused a missing port, listed the ports"
