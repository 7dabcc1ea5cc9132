#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds everything with the tests and runs them.
# Exits non-zero when any test fails or a test leaves files behind (see
# check_leftovers).
#
#   tools/build-and-test.sh            everything CI runs, one after another:
#                                        the Release build and every test (build/),
#                                        every test again under AddressSanitizer and
#                                        UndefinedBehaviorSanitizer (build-asan/),
#                                        the workflow and end-to-end tests under
#                                        ThreadSanitizer (build-tsan/),
#                                        a short run of every fuzz target (build-fuzz/)
#   tools/build-and-test.sh --release                       the Release build and its tests only
#   tools/build-and-test.sh --sanitize address,undefined    that configuration only
#   tools/build-and-test.sh --sanitize thread               that configuration only (every test)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)

# The tests that exercise threads, the worker and the whole tool end to end:
# their executables, and the tests that run them.
threaded_targets="tst_workflow tst_wiring tst_endtoend tst_realdevice tst_faultmatrix tst_station"
threaded_tests='^(tst_workflow|tst_wiring|tst_endtoend|tst_realdevice|tst_station|tst_faultmatrix_.*)$'

usage() {
  echo "usage: $0 [--release | --sanitize address,undefined | --sanitize thread]" >&2
  exit 2
}

# The tests run with a temporary and a home directory of their own, which
# must be empty afterwards: whatever is left there, a test left. The system's
# temporary directory and the real home directory are checked too, but only
# for what our programs make (their names): on a workstation other programs
# (a desktop, a browser, another build) make files there all the time.
scratch="$top/build-scratch"
ours='upgrade_|velmora|dfu-util|uploaded_|firmware\.(bin|dfu)|logfile'
ours_in_shared_places() {
  { ls -A "${TMPDIR:-/tmp}"; find "$HOME" -maxdepth 3 -path "$top" -prune -o -print 2>/dev/null; } \
    | { grep -E "$ours" || true; } | sort
}

leftovers_before=""
check_leftovers() {
  local left
  left=$( (comm -13 <(printf '%s\n' "$leftovers_before") <(ours_in_shared_places)
           find "$scratch/tmp" "$scratch/home" -mindepth 1 -maxdepth 3 2>/dev/null) | sed '/^$/d')
  if [ -n "$left" ]; then
    echo "Tests left these behind:" >&2
    printf '%s\n' "$left" | sed 's/^/  /' >&2
    return 1
  fi
}

# configure BUILD_DIR [cmake options...]
configure() {
  local dir=$1
  shift
  cmake -S "$top" -B "$dir" -DBUILD_TESTING=ON "$@"
}

run_tests() { # BUILD_DIR [ctest options...]
  local dir=$1
  shift
  mkdir -p "$scratch/tmp" "$scratch/home"
  TMPDIR="$scratch/tmp" HOME="$scratch/home" \
    ctest --test-dir "$dir" --output-on-failure --parallel "$jobs" --timeout 900 "$@"
}

release() {
  configure "$top/build" -DCMAKE_BUILD_TYPE=Release -DVELMORA_SANITIZE=
  cmake --build "$top/build" --parallel "$jobs"
  run_tests "$top/build"
}

# sanitized SANITIZERS [TARGETS TEST_REGEX]: the whole build and every test,
# or only the targets and the tests named.
sanitized() {
  local sanitizers=$1 targets=${2:-} only=${3:-} dir
  case "$sanitizers" in
    address,undefined) dir="$top/build-asan" ;;
    thread) dir="$top/build-tsan" ;;
    *) usage ;;
  esac
  configure "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "-DVELMORA_SANITIZE=${sanitizers/,/;}"
  if [ -n "$targets" ]; then
    # shellcheck disable=SC2086 # one target per word
    cmake --build "$dir" --parallel "$jobs" --target $targets
    run_tests "$dir" -R "$only"
  else
    cmake --build "$dir" --parallel "$jobs"
    run_tests "$dir"
  fi
}

"$top/tools/setup-debian.sh"
rm -rf "$scratch"
leftovers_before=$(ours_in_shared_places)
case "${1:-}" in
  "")
    release
    # The package test builds a Release package of its own: it is no test of
    # the sanitized code, so the sanitized builds leave it out.
    sanitized address,undefined
    sanitized thread "$threaded_targets" "$threaded_tests"
    "$top/tools/fuzz.sh" --seconds 5
    ;;
  --release) release ;;
  --sanitize) [ $# -eq 2 ] || usage; sanitized "$2" ;;
  *) usage ;;
esac
check_leftovers
