# Sourced by the scripts that run Windows programs under Wine: a throwaway
# prefix, booted with its output detached and removed again.
#
#   source scripts/wine-prefix.sh
#   wine_prefix_start PREFIX    # removes what an interrupted run left, boots, traps EXIT
#   wine_prefix_add_ports N...  # COMN listed as Windows lists a USB adapter's port
#   wine_prefix_add_usb_adapter N VID PID SERIAL DESCRIPTION MANUFACTURER
#                               # COMN named as Windows names a USB serial adapter's port
#
# The Wine session (its server and background services) is started apart from
# whatever runs the programs later: services started by a program would inherit
# that program's output pipe, and a reader such as ctest would wait for them to
# close it. The server's chatter (thousands of lines when a mapped
# pseudo-terminal goes away) goes nowhere.

export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wine adds the Linux fonts fontconfig lists to Windows' own: only the project's
# font set, so that what is drawn here is drawn alike on any machine.
FONTCONFIG_FILE=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/tests/fonts/fonts.conf
export FONTCONFIG_FILE
# Wine names Linux files in the character set of the locale: in one without
# UTF-8 (LANG unset, as in a bare container) a folder called "Küche" cannot be
# made. Only the character type is set; the language stays the caller's.
if [[ $(locale charmap 2>/dev/null) != UTF-8 ]]; then
  if [[ -n ${LC_ALL:-} ]]; then export LC_ALL=C.UTF-8; else export LC_CTYPE=C.UTF-8; fi
fi
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)

# wine_reg ARGS...: `wine reg ARGS...` without its chatter. A loaded machine
# now and then sees a Wine program fail to start at all, so a failure is tried
# twice more before it counts; then it says what could not be done and what
# Wine said.
wine_reg() {
  local out=$WINEPREFIX/wine-reg.out attempt
  for attempt in 1 2 3; do
    wine reg "$@" </dev/null >"$out" 2>&1 && return 0
    sleep "$attempt"
  done
  echo "wine-prefix: could not do 'reg $*' in $WINEPREFIX; Wine said:" >&2
  tr -d '\r' <"$out" | tail -n 20 | sed 's/^/  /' >&2
  return 1
}

wine_session_stop() {
  "$wineserver" -k >/dev/null 2>&1 || true
  "$wineserver" -w >/dev/null 2>&1 || true
}

wine_session_start() {
  "$wineserver" -p </dev/null >/dev/null 2>&1
  wineboot "$@" </dev/null >/dev/null 2>&1
}

wine_prefix_end() {
  wine_session_stop
  rm -rf "$WINEPREFIX"
}

wine_prefix_start() {
  export WINEPREFIX=$1
  wine_prefix_end
  trap wine_prefix_end EXIT
  mkdir -p "$WINEPREFIX"
  wine_session_start -i
  # Wine's own Tahoma and friends (Debian's fonts-wine), which Debian's Wine
  # does not pick up by itself: without them a window asking for the system's
  # dialog font gets whatever font comes first, here a mathematical one.
  cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  # Windows' own core fonts stand in as Debian's metric-compatible Liberation
  # fonts. And fonts for Qt's offscreen platform, which the window tests use:
  # it reads them from a folder, not from Windows. Wine passes no QT_ variables
  # from Linux, so the prefix's own environment carries it. One import, as
  # every Wine program started costs a second.
  local reg=$WINEPREFIX/setup.reg
  cat >"$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Arial"="Liberation Sans"
"Courier New"="Liberation Mono"
"Times New Roman"="Liberation Serif"

[HKEY_CURRENT_USER\Environment]
"QT_QPA_FONTDIR"="Z:\\usr\\share\\fonts\\truetype\\dejavu"
REG
  wine_reg import "$reg"
}

# Ports linked into dosdevices/ open, but Windows programs do not find them
# listed. Entered under Wine's own Ports key, which is read when the session
# starts, they are listed like a USB adapter's port; what each reaches is
# whatever is linked in dosdevices/ later. Restarts the session.
wine_prefix_add_ports() {
  local port reg=$WINEPREFIX/ports.reg
  {
    printf 'REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Wine\\Ports]\n'
    for port in "$@"; do printf '"COM%d"="%s/no-unit-com%d"\n' "$port" "$WINEPREFIX" "$port"; done
  } >"$reg"
  wine_reg import "$reg"
  wine_session_stop
  wine_session_start
}

# The device information Windows keeps for a USB serial adapter on COM<N>, as
# the Plug and Play manager and the Ports class installer write it: the device
# instance key Enum\USB\VID_<VID>&PID_<PID>\<SERIAL> with the Ports class and the
# names Device Manager shows ("USB Serial Port (COM5)"), and PortName in its
# hardware key, "Device Parameters". Programs find it through SetupAPI's Ports
# class, as on a real PC. Wine 8's SetupAPI enumerates every instance key whose
# ClassGUID names the class (it does not tell present devices from absent ones)
# and opens the hardware key only when it exists; it needs nothing else.
wine_prefix_add_usb_adapter() {
  local port=$1 vid=$2 pid=$3 serial=$4 description=$5 manufacturer=$6
  local reg=$WINEPREFIX/adapter-com$port.reg
  local key="HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Enum\\USB\\VID_${vid}&PID_${pid}\\${serial}"
  {
    printf 'REGEDIT4\n\n[%s]\n' "$key"
    printf '"Class"="Ports"\n"ClassGUID"="{4d36e978-e325-11ce-bfc1-08002be10318}"\n'
    printf '"DeviceDesc"="%s"\n"FriendlyName"="%s (COM%d)"\n"Mfg"="%s"\n' \
      "$description" "$description" "$port" "$manufacturer"
    printf '\n[%s\\Device Parameters]\n"PortName"="COM%d"\n' "$key" "$port"
  } >"$reg"
  wine_reg import "$reg"
}
