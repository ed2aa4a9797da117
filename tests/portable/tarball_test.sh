#!/usr/bin/env bash
# The portable tarball as a player of another distribution gets it, on a
# machine without SFML: the game links no SFML and finds every library it
# does link; it shows the title, plays and quits silently; install.sh puts
# a valid menu entry naming the installed game and icon under ~/.local, and
# uninstall.sh leaves the home as it was.
# Usage: tarball_test.sh TARBALL
export NEONVINE_BIN=unpacked-below NEONVINE_WM_CLOSE=/bin/false
source "$(dirname "$0")/../e2e/lib.sh"
id=org.neonvine.Neonvine
tar -C "$WORK" -xzf "$1"
unpacked="$(echo "$WORK"/neonvine-*-linux-x86_64)"
GAME="$unpacked/neonvine"

libraries="$(ldd "$GAME")" || fail "ldd: $libraries"
! grep -qi sfml <<<"$libraries" || fail "the game links SFML: $libraries"
! grep -q 'not found' <<<"$libraries" || fail "libraries missing: $libraries"

title() { read_title && [ "$SHOWN" -eq 18 ] && [ "$OUTLINE" -gt 500 ] && [ "$PROMPT" -gt 100 ]; }
start_game 1280x720x24
eventually title title
xdotool type --delay 60 Kai
xdotool key --delay 60 Right Right Return
eventually play in_play
xdotool key Escape
eventually back title
xdotool key Escape
expect_clean_exit

export HOME="$WORK/home"
mkdir -p "$HOME"
"$unpacked/install.sh" >/dev/null
desktop="$HOME/.local/share/applications/$id.desktop"
desktop-file-validate "$desktop" || fail "the installed menu entry does not validate"
[ "$(sed -n 's/^Exec=//p' "$desktop")" = "\"$HOME/.local/bin/neonvine\"" ] || fail "the menu entry starts: $(grep Exec "$desktop")"
cmp -s "$GAME" "$HOME/.local/bin/neonvine" || fail "the installed game is not the tarball's"
cmp -s "$unpacked/icons/256.png" "$HOME/.local/share/icons/hicolor/256x256/apps/$id.png" || fail "no icon installed"
"$unpacked/uninstall.sh" >/dev/null
left="$(find "$HOME" -mindepth 1)"
[ -z "$left" ] || fail "uninstall.sh left: $left"
echo "portable tarball: ok ($(basename "$1"))"
