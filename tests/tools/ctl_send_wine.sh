#!/usr/bin/env bash
# cvtimerctl.exe as a Windows user runs it, under Wine, against a simulated
# unit that runs on Linux and is mapped to COM150 of the prefix.
#
#   ctl_send_wine.sh WINE_RUN PREFIX LINUX_CVTIMERCTL CVTIMERCTL_EXE
set -euo pipefail

wine_run=$1 prefix=$2 ctl=$3 exe=$4
port=150
wrong_port=151
work=$(mktemp -d)
unit_pids=()
finish() {
  for pid in "${unit_pids[@]}"; do kill -TERM "$pid" 2>/dev/null || true; done
  for pid in "${unit_pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap finish EXIT
fail() {
  echo "FAILED: $*" >&2
  for f in out err unit.log CVTimerSends.log; do [[ -f $work/$f ]] && { echo "--- $f" >&2; cat "$work/$f" >&2; }; done
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

# start_unit PORT LOG [EMULATE OPTIONS...]
start_unit() {
  local link=$prefix/dosdevices/com$1 log=$2
  shift 2
  rm -f "$link"
  "$ctl" emulate --link "$link" "$@" </dev/null >"$log" 2>&1 &
  unit_pids+=("$!")
  local deadline=$((SECONDS + 10))
  until [[ -L $link ]]; do
    ((SECONDS < deadline)) || fail "the simulated unit for COM$1 did not start"
    sleep 0.01
  done
}
start_unit "$port" "$work/unit.log"
# A unit that answers Timer 3's name message with "x".
start_unit "$wrong_port" "$work/wrong-unit.log" --wrong-at 6

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
grep -Eq '^\*  Port 150  COM150  present$' "$work/out" || fail "ports does not show COM150 present"
grep -Eq '^   Port 2    COM2    missing$' "$work/out" || fail "ports does not show COM2 missing"
# Wine lists COM101, as scripts/test-windows made it known, though no unit is
# linked there now, and names it as the FTDI adapter's port it registered.
grep -Eq '^   Port 101  COM101  present  USB Serial Port \(FTDI\)$' "$work/out" ||
  fail "ports does not show the listed COM101 with its name"

# The record of sends: the full send, the missing port and a partial send, read back.
status=0
run send timers.csv --port "$wrong_port" || status=$?
[[ $status -eq 1 ]] || fail "send to the unit that answers x exited with $status, not 1"
grep -qx "The unit took Timers 1 and 2 and Timer 3's settings; whether it took Timer 3's name is not known. \
Timers 4 to 10 were not sent. cvtimerctl sent shows what the unit holds now." "$work/err" ||
  fail "the partial send did not say what the unit took"
stamp='[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2} [+-][0-9]{2}:[0-9]{2}'
run sent || fail "sent failed"
grep -Eq "^    1  Station 0 +06:00 AM +00:30 AM +00:03 AM +1  $stamp, timers.csv\$" "$work/out" ||
  fail "sent does not show Timer 1 as sent to COM$port"
run sent --port "$wrong_port" || fail "sent --port $wrong_port failed"
grep -Eq "^    3  not known +06:02 AM +00:32 AM +00:03 AM +3  $stamp, timers.csv: its name went without \
acknowledgement\$" "$work/out" || fail "sent does not show Timer 3's name as not known"
grep -Eq "^    4  not known +not known +not known +not known +not known  not known: no send recorded here\$" \
  "$work/out" || fail "sent does not show Timer 4 as never sent"
run sent --history || fail "sent --history failed"
mapfile -t sends < <(grep -E "^$stamp  " "$work/out")
[[ ${#sends[@]} -eq 3 && ${sends[0]} =~ \ $wrong_port\ +timers.csv\ +by\ hand\ +Unable\ to\ Send.*Timer\ 3 &&
   ${sends[1]} =~ \ COM199\ +timers.csv\ +by\ hand\ +Unable\ to\ Send &&
   ${sends[2]} =~ \ $port\ +timers.csv\ +by\ hand\ +Timers\ Sent ]] ||
  fail "sent --history lists other sends"
# Today's report for the unit that answered "x": the change it got, and the gap the partial send left.
run report --port "$wrong_port" || fail "report exited with $?"
grep -Eq "^[0-9]{2}:[0-9]{2} [AP]M  [+-][0-9]{2}:[0-9]{2} +by hand, .*timers\.csv +Unable to Send" "$work/out" ||
  fail "report does not show the partial send in the day's timeline"
grep -Eq "^- At [0-9]{2}:[0-9]{2} [AP]M a send \(by hand, .*, timers\.csv\) stopped partway\. What the unit holds of \
Timer 3's name is not known from then on" "$work/out" || fail "report does not tell what the partial send left unknown"
# An accented name in a file CV Timer wrote (Latin-1) reaches the console as text, in UTF-8, the code page
# cvtimerctl.exe sets, with the columns counted in characters; so does the name the unit got.
printf 'Caf\xe9 cr\xe8me          ,0360,0030,0003,0001\r\n' >"$work/accents.csv"
sed -n '2,10p' "$work/timers.csv" >>"$work/accents.csv"
run show accents.csv || fail "show failed"
grep -qx '    1  Café crème  06:00 AM  00:30 AM  00:03 AM         1' "$work/out" ||
  fail "show does not print the accented name as UTF-8 in its column"
run send accents.csv || fail "send of the accented names failed"
run sent || fail "sent failed"
grep -Eq "^    1  Café crème  06:00 AM  00:30 AM  00:03 AM         1  $stamp, accents.csv\$" "$work/out" ||
  fail "sent does not print the accented name as UTF-8 in its column"
grep -qx "Device: COM$port" "$work/CVTimerSends.log" || fail "the record does not name COM$port as Device Manager does"
grep -Eq '^File: [A-Za-z]:\\.*\\timers\.csv$' "$work/CVTimerSends.log" ||
  fail "the record does not name the timer file by its Windows path"

# The day-part plan, in a folder of its own (the sends above were by hand, and a send by hand
# holds until the next change): a part due all day, sent once, then found held.
plan=$work/plan
mkdir "$plan"
cp "$work/timers.csv" "$plan/"
printf '[SerialComm]\r\nPortNo=%d\r\n' "$port" >"$plan/CVTimerSystem.ini"
printf '; all day\r\n[All day]\r\nStart=0:00\r\nDays=Every day\r\nSheet=timers.csv\r\n' >"$plan/CVTimerDayParts.ini"
run_plan() {
  local status=0
  (cd "$plan" && "$wine_run" "$prefix" "$exe" dayparts "$@" >"$work/out" 2>"$work/err") || status=$?
  sed -i 's/\r$//' "$work/out" "$work/err"
  return "$status"
}
status=0
run_plan run || status=$?
[[ $status -eq 0 ]] || fail "dayparts run exited with $status"
grep -q '^All day sent to the unit by the day-part plan' "$work/out" || fail "dayparts run did not send the due part"
run_plan run || fail "dayparts run, a second time, exited with $?"
grep -qx 'The unit holds the timers of All day already; nothing was sent.' "$work/out" ||
  fail "a second dayparts run did not find the part held"
[[ $(grep -c '^Day part: All day$' "$plan/CVTimerSends.log") -eq 1 ]] || fail "the record does not hold one plan send"
run_plan show --week || fail "dayparts show failed"
grep -q '^At .*: All day is due' "$work/out" || fail "dayparts show does not name the due part"

echo "cvtimerctl.exe: sent ten timers to COM$port, refused a missing port, listed the ports, recorded a full and a" \
  "partial send and read them back, reported the day, printed accented names as UTF-8, and ran the day-part plan"
