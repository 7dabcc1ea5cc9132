#!/usr/bin/env bash
# Builds the fuzz targets with clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer into build-fuzz/ and runs each of them from its
# seed corpus. Exits non-zero when any target finds a crash, a hang, a leak or
# a broken invariant; findings are in build-fuzz/fuzz/findings/.
#
#   tools/fuzz.sh                 each target for ten minutes, one after another
#   tools/fuzz.sh --seconds 5     the short run of the test command
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=600
if [ "${1:-}" = "--seconds" ] && [ -n "${2:-}" ]; then
  seconds=$2
elif [ $# -gt 0 ]; then
  echo "usage: $0 [--seconds N]" >&2
  exit 2
fi

build="$top/build-fuzz"
"$top/tools/setup-debian.sh"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
  -DCMAKE_CXX_COMPILER=clang++ -DVELMORA_FUZZ=ON "-DVELMORA_SANITIZE=address;undefined" \
  "-DVELMORA_FUZZ_SECONDS=$seconds"
targets=(fuzz_otpinfo fuzz_fwinfo fuzz_devicelist fuzz_dfuprogress fuzz_guisettings)
cmake --build "$build" --parallel "$(nproc)" --target "${targets[@]}"
# One target at a time: each has the whole machine, and a long run of ten
# minutes each is not cut short by ctest's default timeout.
ctest --test-dir "$build" --output-on-failure -L fuzz --timeout $(( seconds + 120 ))
