#!/bin/bash
# Runs velmora-upgrade in simulator mode under the AT-SPI accessibility bus, as
# a screen reader meets it, and tst_screenreader.py against it. Needs a display
# and a session bus of its own:
#
#   xvfb-run -a dbus-run-session -- screenreader-session.sh TOOL SIMULATOR IMAGEGEN OUT [EMULATOR|pseudo]
#
# With EMULATOR, the station (--station) on two emulated devices instead. With
# "pseudo", the guided window in the pseudo-language en_XA, which marks every
# translated text: every text it shows must be marked.
# Everything it makes (the simulated device, the XDG folders, the program's
# output) stays in OUT. The exit status is the check's: 0 when every check held.
set -u
[ $# -eq 4 ] || [ $# -eq 5 ] || { echo "usage: $0 TOOL SIMULATOR IMAGEGEN OUT [EMULATOR|pseudo]" >&2; exit 64; }
tool=$1 simulator=$2 imagegen=$3 out=$4 emulator=${5:-}
here=$(cd "$(dirname "$0")" && pwd)

rm -rf "$out"
mkdir -p "$out/home" "$out/tmp" "$out/config" "$out/cache" "$out/data" "$out/state" || exit 73
mkdir -m 700 "$out/runtime" || exit 73
export HOME=$out/home TMPDIR=$out/tmp XDG_RUNTIME_DIR=$out/runtime XDG_CONFIG_HOME=$out/config \
  XDG_CACHE_HOME=$out/cache XDG_DATA_HOME=$out/data XDG_STATE_HOME=$out/state
export GSETTINGS_BACKEND=memory # no dconf service on this bus
export DFU_UTIL_SIMULATOR_STATE=$out/simulator DFU_UTIL_SIMULATOR_ABSENT_SECONDS=2 VELMORA_IMAGEGEN=$imagegen

a11y_bus_up() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
}
wait_for() { # SECONDS COMMAND...: polls until COMMAND succeeds
  local i
  for ((i = 0; i < $1 * 5; i++)); do
    "${@:2}" && return 0
    sleep 0.2
  done
  return 1
}
tree() { # a process and its descendants
  local child
  echo "$1"
  for child in $(ps -o pid= --ppid "$1"); do tree "$child"; done
}
# The registry daemon is started by the accessibility bus and left to init:
# it is found by what the bus says of it.
registry() {
  local address
  address=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress 2>/dev/null | awk '{ print $1 }')
  [ -n "$address" ] && dbus-send --bus="$address" --print-reply=literal --dest=org.freedesktop.DBus \
    /org/freedesktop/DBus org.freedesktop.DBus.GetConnectionUnixProcessID \
    string:org.a11y.atspi.Registry 2>/dev/null | awk '{ print $2 }'
}
program="" bus="" registryd=""
cleanup() {
  local pids
  [ -n "$bus" ] && registryd=$(registry)
  [ -n "$program" ] && kill "$program" 2>/dev/null && wait "$program" 2>/dev/null
  [ -n "$bus" ] && pids=$(tree "$bus") && kill $pids 2>/dev/null
  [ -n "$registryd" ] && [ "$(ps -o comm= -p "$registryd")" = at-spi2-registr ] && kill "$registryd"
  wait 2>/dev/null
}
trap cleanup EXIT

export QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
if [ "$emulator" = pseudo ]; then
  "$simulator" --dfu-util-command setup_prepared_config no-device >"$out/simulator.log" 2>&1 || exit 65
  "$tool" -s -l --language en_XA >"$out/program.log" 2>&1 &
  mode=pseudo
elif [ -n "$emulator" ]; then
  # A device to upgrade and another product; the emulator's run execs the tool.
  emulated=("$emulator" --state "$out/bus")
  { "${emulated[@]}" prepare upgradable --fast --return-after 0.5 --port 1 --serial 3276356C3201 &&
    "${emulated[@]}" prepare other-product --add --fast --port 2 --serial 206F39A54E42; } >"$out/emulator.log" 2>&1 || exit 65
  "${emulated[@]}" run "$tool" --station -l >"$out/program.log" 2>&1 &
  mode=station
else
  "$simulator" --dfu-util-command setup_prepared_config no-device >"$out/simulator.log" 2>&1 || exit 65
  "$tool" -s -l >"$out/program.log" 2>&1 &
  mode=guided
fi
program=$!
shows_window() { xdotool search --onlyvisible --pid "$program" >/dev/null 2>&1; }
wait_for 30 shows_window || { echo "the program shows no window" >&2; exit 70; }

# Only now the accessibility bus: Qt 5.15 attaches reliably to a bus that
# appears after it started.
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || launcher=/usr/lib/at-spi2-core/at-spi-bus-launcher
"$launcher" --launch-immediately >"$out/at-spi-bus.log" 2>&1 &
bus=$!
wait_for 15 a11y_bus_up || { echo "the AT-SPI bus did not start" >&2; exit 70; }

# Debian's own Python, where python3-pyatspi is installed.
PYTHONDONTWRITEBYTECODE=1 timeout 240 /usr/bin/python3 "$here/tst_screenreader.py" "$program" "$simulator" "$mode" 2>&1 |
  tee "$out/check.log"
exit "${PIPESTATUS[0]}"
