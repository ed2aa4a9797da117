#!/usr/bin/env bash
# Checks of the headless runner, registered with CTest.
#   runner_check.sh digest SIM         same seed gives the same digest, other
#                                      seeds and inputs differ, and the dump
#                                      is well formed and is what is hashed
#   runner_check.sh soak SIM ARGS...   a run with ARGS reports no invariant
#                                      violation
#   runner_check.sh no-alloc SIM ARGS...  nor any heap allocation in the
#                                      steps it counts; a crowded run holds
#                                      40 live snakes of 500 points or more
set -euo pipefail

mode="$1"
sim="$2"
shift 2

fail() { echo "FAIL: $*" >&2; exit 1; }

# The value printed after a key on a line of its own, e.g. `field digest`.
field() { awk -v key="$1" '$1 == key { print $2 }'; }

check_dump() {
  awk '
    NR == 1 && $1 != "camera" { print "first line is not the camera"; bad = 1 }
    $1 == "snake" {
      if (owed > 0) { print "snake " id " lacks points"; bad = 1 }
      if ($2 != snakes) { print "snake " $2 " out of order"; bad = 1 }
      ++snakes; id = $2; owed = $12
      if ($3 !~ /^[01]$/ || $8 !~ /^[01]$/) { print "bad flag in " $0; bad = 1 }
      for (f = 4; f <= 11; ++f) if (f != 8 && $f !~ /^-?0x[0-9a-f]\.?[0-9a-f]*p[-+][0-9]+$/) { print "float not in %a form: " $f; bad = 1 }
      next
    }
    $1 == "point" { if (owed-- <= 0 && !bad) { print "extra point after snake " id; bad = 1 }; next }
    $1 == "pellet" { ++pellets; next }
    $1 == "free" { ++frees; free = $2; next }
    $1 == "particle" || $1 == "camera" { next }
    /^(steps|median_us|p99_us|alive|mean_points|allocations|violations|digest) / { next }
    { print "unknown record: " $0; bad = 1 }
    END {
      if (owed > 0) { print "last snake lacks points"; bad = 1 }
      if (snakes != 40) { print snakes " snakes"; bad = 1 }
      if (frees != 1 || pellets + free != 900 || pellets < 300) { print pellets " pellets, free " free; bad = 1 }
      exit bad
    }' || fail "malformed dump"
}

case "$mode" in
digest)
  first="$("$sim" --seed 7 --steps 3000 --player auto | field digest)"
  again="$("$sim" --seed 7 --steps 3000 --player auto | field digest)"
  [ -n "$first" ] || fail "no digest printed"
  [ "$first" = "$again" ] || fail "seed 7 gave $first, then $again"
  other="$("$sim" --seed 8 --steps 3000 --player auto | field digest)"
  [ "$other" != "$first" ] || fail "seeds 7 and 8 gave the same digest $first"
  idle="$("$sim" --seed 7 --steps 3000 | field digest)"
  [ "$idle" != "$first" ] || fail "the auto player changed nothing"
  out="$("$sim" --seed 7 --steps 3000 --player auto --dump)"
  [ "$(field digest <<<"$out")" = "$first" ] || fail "--dump changed the digest"
  check_dump <<<"$out"
  ;;
soak|no-alloc)
  out="$("$sim" "$@")" || fail "runner exited with an error: $out"
  echo "$out"
  [ "$(field violations <<<"$out")" = 0 ] || fail "invariant violations"
  [ "$mode" = soak ] || [ "$(field allocations <<<"$out")" = 0 ] ||
    fail "heap allocations in steps without respawn or refresh"
  [[ " $* " != *" --crowded "* ]] || awk '$1 == "alive" && $2 == 40 { a = 1 } $1 == "mean_points" && $2 >= 500 { p = 1 }
    END { exit !(a && p) }' <<<"$out" || fail "the crowd was not held"
  ;;
*)
  fail "unknown mode $mode"
  ;;
esac
echo "ok"
