#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds velmora-upgrade in Release mode into
# build/ and runs it in simulator mode, with the log window enabled, against a
# simulated T30 that carries an older firmware. Arguments are passed on to the
# tool.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)

"$top/tools/setup-debian.sh"
cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$top/build" --parallel "$(nproc)" --target velmora-upgrade velmora-imagegen

export VELMORA_IMAGEGEN="$top/build/tools/imagegen/velmora-imagegen"
"$top/simulator/dfu-util_simulator.sh" --dfu-util-command setup_prepared_config upgradable

# Without a display the tool runs on Qt's offscreen platform.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  export QT_QPA_PLATFORM=offscreen
fi
exec "$top/build/velmora-upgrade" -s -l "$@"
