#!/usr/bin/env bash
# The folders of src/ are floors, from the bottom: sim, bots, render, shell. A file includes from its own floor and
# those below it, never from above. Usage: floors_check.sh SRC_DIR
set -euo pipefail
src="$1"
for floor in sim bots render shell; do [ -d "$src/$floor" ] || { echo "no folder $src/$floor" >&2; exit 1; }; done
up="$({ grep -rnE '#include "(bots|render|shell)/' "$src/sim"
        grep -rnE '#include "(render|shell)/' "$src/bots"
        grep -rn '#include "shell/' "$src/render"; } || true)"
[ -z "$up" ] || { printf 'includes that run up the floors:\n%s\n' "$up" >&2; exit 1; }
