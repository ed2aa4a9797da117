#!/usr/bin/env bash
# Plants the one-line faults of tests/planted_faults.txt, one at a time, in
# a scratch copy of the tree and runs the fast tests (unit, gl, runner)
# against each, then says how many they catch with the pinned digests and
# without them: a fault that no test catches is a hole in the suite. Slow (a
# rebuild per fault); run by hand.
# Usage: tests/planted_faults.sh [SCRATCH_DIR]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
scratch="${1:-$(mktemp -d)}"


tree="$scratch/tree"
mkdir -p "$tree"
tar -C "$root" --exclude='./build*' --exclude=./.git --exclude=./dist -cf - . | tar -C "$tree" -xf -
cmake -S "$tree" -B "$tree/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
source "$root/tests/e2e/xvfb.sh"
start_xvfb 1280x720x24
trap stop_xvfb EXIT

build() { cmake --build "$tree/build" --parallel 2 --target unit_tests gl_tests runner_tests neonvine-sim >/dev/null 2>&1; }
# passes [CTEST_ARGS...]: the fast tests, or those the arguments pick, all pass.
passes() { (cd "$tree/build" && ctest -L '^(unit|gl|runner)$' --timeout 120 --stop-on-failure "$@" >/dev/null 2>&1); }
digests=(-R '^runner_pinned_digests$') others=(-E '^runner_pinned_digests$')

build && passes || { echo "the fast tests fail without any fault" >&2; exit 1; }
total=0 caught=0 withoutDigests=0 broken=0
while IFS='|' read -r file text replacement; do
  total=$((total + 1))
  cp "$tree/$file" "$scratch/original"
  uses="$(grep -cF -- "$text" "$tree/$file" || true)"
  [ "$uses" = 1 ] || { echo "fault $total: '$text' stands $uses times in $file" >&2; exit 1; }
  OLD="$text" NEW="$replacement" perl -pi -e 's/\Q$ENV{OLD}\E/$ENV{NEW}/' "$tree/$file"
  fault="$file: $text -> $replacement"
  # A fault that does not build is a mistake of the list, never a catch.
  if ! build; then
    broken=$((broken + 1)) && echo "does not build: $fault"
  elif ! passes "${others[@]}"; then
    caught=$((caught + 1)) withoutDigests=$((withoutDigests + 1)) && echo "caught: $fault"
  elif ! passes "${digests[@]}"; then
    caught=$((caught + 1)) && echo "caught by the pinned digests alone: $fault"
  else
    echo "missed: $fault"
  fi
  cp "$scratch/original" "$tree/$file"
done < <(grep -v '^#' "$root/tests/planted_faults.txt")
echo "caught $caught of $total planted faults with every fast test, $withoutDigests without the pinned digests"
[ "$broken" = 0 ] || { echo "$broken planted faults do not build: fix the list" >&2; exit 1; }
