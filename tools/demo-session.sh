#!/usr/bin/env bash
# Runs inside a virtual X display (see build-and-run.sh): starts the tool in
# simulator mode, clicks the install button like a user, waits until the
# read-back has verified the firmware, saves screenshots and ends the tool.
#   demo-session.sh BUILD-DIR OUTPUT-DIR [tool arguments]
set -uo pipefail
build=$1 out=$2
shift 2
log="$out/velmora-upgrade.log"
mkdir -p "$out"

QT_QPA_PLATFORM=xcb "$build/velmora-upgrade" -s -l "$@" 2> "$log" &
tool=$!

wait_for() { # text, seconds
  local deadline=$(( SECONDS + $2 ))
  until grep -q -- "$1" "$log"; do
    kill -0 "$tool" 2>/dev/null || { echo "The tool ended early; see $log" >&2; return 1; }
    [ "$SECONDS" -lt "$deadline" ] || { echo "Timed out waiting for: $1 (see $log)" >&2; return 1; }
    sleep 0.2
  done
}

status=0
if wait_for 'SM_B: entered B2' 60; then
  window=$(xdotool search --onlyvisible --name '^Velmora Firmware Upgrade Tool$' | head -n 1)
  "$build/tools/screenshot/velmora-screenshot" "$out/ready.png"
  echo "A T30 with firmware C2 is attached; clicking the install button."
  xdotool mousemove --window "$window" 332 437 click 1
  if wait_for 'SM_B: entered B6' 120; then
    sleep 0.5
    "$build/tools/screenshot/velmora-screenshot" "$out/upgraded.png"
    echo "Firmware written and verified. Screenshot: $out/upgraded.png"
  else
    status=1
  fi
  xdotool windowfocus "$window" key q
else
  status=1
fi
for _ in $(seq 50); do kill -0 "$tool" 2>/dev/null || break; sleep 0.2; done
kill "$tool" 2>/dev/null
wait "$tool" 2>/dev/null
exit $status
