#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds velmora-upgrade in Release mode into
# build/ and runs it in simulator mode, with the log window enabled, against a
# simulated T30 that carries an older firmware. Arguments are passed on to the
# tool. Without a display the same demo runs on a virtual X display: the
# install button is clicked for you and a screenshot of the upgraded state is
# saved in build/demo/.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)

"$top/tools/setup-debian.sh"
cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$top/build" --parallel "$(nproc)" --target velmora-upgrade velmora-imagegen velmora-screenshot

export VELMORA_IMAGEGEN="$top/build/tools/imagegen/velmora-imagegen"
"$top/simulator/dfu-util_simulator.sh" --dfu-util-command setup_prepared_config upgradable

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: running the demo on a virtual X display."
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96 -nolisten tcp" \
    "$top/tools/demo-session.sh" "$top/build" "$top/build/demo" "$@"
fi
exec "$top/build/velmora-upgrade" -s -l "$@"
