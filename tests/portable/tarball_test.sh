#!/usr/bin/env bash
# The portable tarball as a player of another distribution gets it, on a machine without SFML: the game links no
# SFML and finds every library it does link; it shows the title, plays and quits silently; install.sh puts a valid
# menu entry naming the installed game and icon under ~/.local, and uninstall.sh leaves the home as it was.
# Usage: tarball_test.sh TARBALL   (the game runs under NEONVINE_EMULATOR where that names one)
NEONVINE_BIN=/bin/false source "$(dirname "$0")/../e2e/lib.sh"  # its WORK and fail; title_play_quit.sh plays
tar -C "$WORK" -xzf "$1"
unpacked="$(echo "$WORK"/neonvine-*-linux-*)"
id=org.neonvine.Neonvine

libraries="$(LD_TRACE_LOADED_OBJECTS=1 ${NEONVINE_EMULATOR:-} "$unpacked/neonvine")" || fail "ldd: $libraries"
! grep -qiE 'sfml|not found' <<<"$libraries" || fail "the game links SFML, or misses libraries: $libraries"
NEONVINE_BIN="$unpacked/neonvine" "$(dirname "$0")/../e2e/title_play_quit.sh" fonts

export HOME="$WORK/home" && mkdir "$HOME"
"$unpacked/install.sh" >/dev/null
desktop="$HOME/.local/share/applications/$id.desktop"
desktop-file-validate "$desktop" || fail "the installed menu entry does not validate"
[ "$(sed -n 's/^Exec=//p' "$desktop")" = "\"$HOME/.local/bin/neonvine\"" ] || fail "it starts: $(grep Exec "$desktop")"
cmp -s "$unpacked/neonvine" "$HOME/.local/bin/neonvine" || fail "the installed game is not the tarball's"
cmp -s "$unpacked/icons/256.png" "$HOME/.local/share/icons/hicolor/256x256/apps/$id.png" || fail "no icon installed"
"$unpacked/uninstall.sh" >/dev/null
left="$(find "$HOME" -mindepth 1)"
[ -z "$left" ] || fail "uninstall.sh left: $left"
echo "portable tarball: ok ($(basename "$1"))"
