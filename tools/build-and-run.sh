#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds velmora-upgrade in Release mode into
# build/ and runs it. Arguments are passed on to the tool (for example -s -l).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)

"$top/tools/setup-debian.sh"
cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$top/build" --parallel "$(nproc)" --target velmora-upgrade

# Without a display the tool runs on Qt's offscreen platform.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  export QT_QPA_PLATFORM=offscreen
fi
exec "$top/build/velmora-upgrade" "$@"
