#!/usr/bin/env bash
# No fused multiply-add (one rounding where the rules round twice) in the game's code, which GCC makes on 64-bit ARM
# from `a * b + c` unless built with -ffp-contract=off. Usage: fused_check.sh OBJDUMP LIBRARY...
set -euo pipefail
code="$("$1" -d "${@:2}")"
! grep -E $'\t(fn?m(add|sub)|fml[as])\t' <<<"$code" | head -5 | grep . || { echo "FAIL: fused multiply-adds" >&2 && exit 1; }
echo "ok: no fused multiply-add in ${*:2}"
