#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds everything with the tests in Release mode
# into build/ and runs every test. Exits non-zero when any test fails.
#
#   tools/build-and-test.sh                      the normal build, in build/
#   tools/build-and-test.sh --sanitize address,undefined   in build-asan/
#   tools/build-and-test.sh --sanitize thread              in build-tsan/
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)

build="$top/build"
config=(-DCMAKE_BUILD_TYPE=Release -DVELMORA_SANITIZE=)
if [ "${1:-}" = "--sanitize" ]; then
  case "${2:-}" in
    address,undefined) build="$top/build-asan" ;;
    thread) build="$top/build-tsan" ;;
    *) echo "usage: $0 [--sanitize address,undefined|thread]" >&2; exit 2 ;;
  esac
  config=(-DCMAKE_BUILD_TYPE=RelWithDebInfo "-DVELMORA_SANITIZE=${2/,/;}")
fi

"$top/tools/setup-debian.sh"
cmake -S "$top" -B "$build" -DBUILD_TESTING=ON "${config[@]}"
cmake --build "$build" --parallel "$(nproc)"
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)" --timeout 600
