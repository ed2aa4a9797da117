#!/usr/bin/env bash
# The same commit gives the same bytes: the Debian package and the portable tarball built from this tree and again,
# later, from a copy of it in another folder (its git files too, not its build folders) are equal.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
work="$(mktemp -d)" && trap 'rm -rf "$work"' EXIT
copy="$work/another/folder/neonvine"
mkdir -p "$copy"
tar -C "$root" --exclude=./build --exclude=./dist -cf - . | tar -C "$copy" -xf -
# build TREE OUTPUT_FOLDER
build() {
  { "$1/scripts/package" "$2" && "$1/scripts/portable" "$2"; } >"$work/build.log" 2>&1 ||
    { tail -20 "$work/build.log" && exit 1; }
}
build "$root" "$work/here"
build "$copy" "$work/there"
status=0
for download in "$work/here"/*; do
  cmp "$download" "$work/there/${download##*/}" || status=1
done
[ "$status" = 1 ] || echo "reproducible: $(cd "$work/here" && echo *)"
exit "$status"
