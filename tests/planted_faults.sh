#!/usr/bin/env bash
# Plants the one-line faults of tests/planted_faults.txt one at a time in a scratch copy built with the test preset
# and runs the test each names: a fault counts as caught only when its own test fails; otherwise the other fast tests
# (unit, gl, runner) tell a fault only another test catches from one none does. Slow; run by hand.
# Usage: tests/planted_faults.sh [SCRATCH_DIR]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
scratch="${1:-$(mktemp -d)}"
tree="$scratch/tree" build="$scratch/tree/build/test"
fast='^(unit|gl|runner)$' digests='^runner_pinned_digests$'

mkdir -p "$tree" && : >"$scratch/results"
tar -C "$root" --exclude='./build*' --exclude=./.git --exclude=./dist -cf - . | tar -C "$tree" -xf -
(cd "$tree" && cmake --preset test -DNEONVINE_SANITIZER_BUILD= -DNEONVINE_VENDORED_BUILD= >/dev/null)
source "$root/tests/e2e/xvfb.sh"
start_xvfb 1280x720x24 && trap stop_xvfb EXIT

faults() { grep -v '^#' "$root/tests/planted_faults.txt"; }
count() { (cd "$build" && ctest -N "$@" | sed -n 's/^Total Tests: //p'); }
# fails CTEST_ARGS...: some test the arguments pick fails; sets FAILED to the names of those that did.
fails() {
  ! (cd "$build" && ctest --timeout 900 "$@" </dev/null >"$scratch/ctest.log" 2>&1) || return 1
  FAILED="$(sed -n 's/^[[:space:]]*[0-9]* - \(.*\) ([A-Za-z ]*)$/\1/p' "$scratch/ctest.log" | paste -sd' ' -)"
}
# build TEST_REGEX: what the named tests need: fast tests their programs alone, end-to-end scenarios everything.
build() {
  local targets=(--target unit_tests gl_tests runner_tests neonvine-sim)
  [ "$(count -R "$1")" = "$(count -R "$1" -L "$fast")" ] || targets=()
  cmake --build "$build" --parallel 2 "${targets[@]}" >"$scratch/build.log" 2>&1
}
names_digests() { grep -qE -- "$1" <<<runner_pinned_digests; }

cmake --build "$build" --parallel 2 >/dev/null
# Named tests that fail without a fault make the list unusable.
fails -L "$fast" && { echo "the fast tests fail without any fault: $FAILED" >&2; exit 1; }
while read -r regex; do
  [ "$(count -R "$regex")" -gt 0 ] || { echo "no test is named '$regex'" >&2; exit 1; }
  ! fails -R "$regex" || { echo "'$regex' fails without any fault: $FAILED" >&2; exit 1; }
done < <(faults | cut -d'|' -f4- | sort -u)

while IFS='|' read -r file text replacement regex; do
  cp "$tree/$file" "$scratch/original"
  uses="$(grep -cF -- "$text" "$tree/$file" || true)"
  [ "$uses" = 1 ] || { echo "'$text' stands $uses times in $file" >&2; exit 1; }
  OLD="$text" NEW="$replacement" perl -pi -e 's/\Q$ENV{OLD}\E/$ENV{NEW}/' "$tree/$file"
  # A fault that does not build is a mistake of the list, never a catch. Where -R -E picks no test, ctest passes.
  if ! build "$regex"; then result="does not build"
  elif fails -R "$regex" -E "$digests"; then result="caught"
  elif names_digests "$regex" && fails -R "$digests"; then result="caught by the pinned digests it names"
  elif fails -L "$fast" -E "$regex|$digests"; then result="caught only by another test ($FAILED), not by $regex"
  elif ! names_digests "$regex" && fails -R "$digests"; then result="caught only by the pinned digests, not by $regex"
  else result="missed"; fi
  echo "$result: $file: $text -> ${replacement:-(nothing)}" | tee -a "$scratch/results"
  cp "$scratch/original" "$tree/$file"
done < <(faults)
results() { grep -cE "^($1)" "$scratch/results" || true; }
echo "with the pinned digests: $(results 'caught(:| by)') of $(faults | wc -l) planted faults caught by the" \
  "tests named for them, $(results 'caught only') more only by another test"
echo "without them: $(results 'caught:') of $(faults | wc -l) caught by the tests named for them," \
  "$(results 'caught only by another') more only by another test"
[ "$(results 'does not build')" = 0 ] || { echo "planted faults that do not build: fix the list" >&2; exit 1; }
