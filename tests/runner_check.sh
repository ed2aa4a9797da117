#!/usr/bin/env bash
# Checks of the headless runner SIM, registered with CTest. `digest SIM`: two seeds give the same digest twice, and
# the ones runner_digests.txt pins for the runner's platform (where it pins none, exits 77: a skip). `soak SIM ARGS...`:
# a run breaks no invariant; `no-alloc SIM ARGS...`: nor allocates in the steps it counts. A crowded run holds 40 live
# snakes of 500 points or more.
set -euo pipefail
mode="$1"
read -ra sim <<<"${NEONVINE_EMULATOR:-}" && sim+=("$2")  # under the emulator named there, if any
shift 2
fail() { echo "FAIL: $*" >&2; exit 1; }
field() { awk -v key="$1" '$1 == key { print $2 }'; }

# expect_digest [DIGEST] ARGS...: the run gives the same digest twice (once with --dump), and the one named if any.
expect_digest() {
  local want="$1" got && shift
  got="$("${sim[@]}" "$@" | field digest)"
  [ -n "$got" ] || fail "$* printed no digest"
  [ -z "$want" ] || [ "$got" = "$want" ] || fail "$* gave digest $got, not $want"
  [ "$("${sim[@]}" "$@" --dump | field digest)" = "$got" ] || fail "$* gave another digest the second time"
  echo "$* gave $got"
}

if [ "$mode" = digest ]; then
  platform="$("${sim[@]}" --seed 1 --steps 1 | field platform)"
  [ -n "$platform" ] || fail "the runner named no platform"
  read -r auto idle < <(awk -v p="$platform" '$1 == p { print $2, $3 }' "$(dirname "$0")/runner_digests.txt") || true
  expect_digest "${auto:-}" --seed 7 --steps 3000 --player auto
  expect_digest "${idle:-}" --seed 8 --steps 3000
  [ -n "${auto:-}" ] || { echo "SKIP: no digests pinned for $platform; each seed repeated its digest" && exit 77; }
  echo "ok: the digests pinned for $platform" && exit 0
fi
[ "$mode" = soak ] || [ "$mode" = no-alloc ] || fail "unknown mode $mode"
out="$("${sim[@]}" "$@")" || fail "runner exited with an error: $out"
echo "$out"
[ "$(field violations <<<"$out")" = 0 ] || fail "invariant violations"
[ "$mode" = soak ] || [ "$(field allocations <<<"$out")" = 0 ] ||
  fail "heap allocations in steps without respawn or refresh"
[[ " $* " != *" --crowded "* ]] || awk '$1 == "alive" && $2 == 40 { a = 1 } $1 == "mean_points" && $2 >= 500 { p = 1 }
  END { exit !(a && p) }' <<<"$out" || fail "the crowd was not held"
echo "ok"
