#!/usr/bin/env bash
# Line and branch coverage of software/ by the whole test suite (the package
# test aside), with gcovr: the summary per file on standard output, and the
# report with every line in build-coverage/coverage/index.html.
#
#   tools/coverage.sh
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/build-coverage"

"$top/tools/setup-debian.sh" gcovr
# Unoptimised, so that lines and branches map to the source; not "Debug", whose
# DEBUG define changes what the tool logs.
cmake -S "$top" -B "$build" -DBUILD_TESTING=ON -DCMAKE_BUILD_TYPE=None -DVELMORA_SANITIZE= \
  "-DCMAKE_CXX_FLAGS=--coverage -O0" "-DCMAKE_EXE_LINKER_FLAGS=--coverage"
cmake --build "$build" --parallel "$(nproc)"
find "$build" -name '*.gcda' -delete
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)" --timeout 900 -LE package

mkdir -p "$build/coverage"
# Branches the compiler adds for exceptions and for code it can prove
# unreachable are not branches of ours.
gcovr --root "$top" --object-directory "$build" --filter "$top/software/" \
  --exclude-throw-branches --exclude-unreachable-branches \
  --html-details "$build/coverage/index.html" --txt - --print-summary
