#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite.
#   scripts/test.sh            normal build in build/
#   scripts/test.sh --sanitize AddressSanitizer + UBSan build in build-sanitize/
#   scripts/test.sh --release  Release build of the program in build-release/
#                              (the tests are built, and run, by the other two)
# Warnings are errors in these builds.
#
# Tests that read the real radio images look in $KESTRANE_SAMPLES_DIR, else in
# ../shared/samples beside the repository; without them they are skipped, and
# the skips are listed at the end. KESTRANE_REQUIRE_SAMPLES=1 makes them fail
# instead (CI sets it).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

dir=build
flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
run=yes
case "${1:-}" in
  --sanitize)
    dir=build-sanitize
    flags=(-DCMAKE_BUILD_TYPE=Debug -DKESTRANE_SANITIZE=ON -DKESTRANE_BUILD_BENCH=OFF)
    ;;
  --release)
    dir=build-release
    flags=(-DCMAKE_BUILD_TYPE=Release -DKESTRANE_BUILD_TESTS=OFF)
    run=no
    ;;
  "") ;;
  *)
    echo "usage: scripts/test.sh [--sanitize | --release]" >&2
    exit 2
    ;;
esac

cmake -S . -B "$dir" "${flags[@]}" -DKESTRANE_WERROR=ON >/dev/null
cmake --build "$dir" -j"$(nproc)"
[ "$run" = yes ] || exit 0
cd "$dir"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"

# ctest counts a skipped test case as passed; say which ones did not run, and why.
log=Testing/Temporary/LastTest.log
if [ -f "$log" ] && grep -q '^\[  SKIPPED \]' "$log"; then
  echo
  echo "Skipped test cases:"
  { grep -h '^\[  SKIPPED \] .* ms)$' "$log" || true; } | sed 's/^\[  SKIPPED \]/ /; s/ ([0-9]* ms)$//'
  echo "because:"
  { grep -h 'needs the real radio image' "$log" || true; } | sort -u | sed 's/^/  /'
fi
