#!/usr/bin/env bash
# The Debian package as a player gets it: scripts/package builds it for this release (lintian finds no error there)
# and names the release; it holds exactly the files below and depends on the libraries the game links; its desktop
# entry and metadata validate. Installed with apt (as root, where no neonvine is installed yet; otherwise unpacked
# into a scratch root), the program its desktop entry names shows the title in a window with the installed icon and
# quits cleanly on Escape; removed, it leaves none of its files. NEONVINE_ARCH=arm64: the ARM package in the ARM
# root at /arm64, the game under NEONVINE_EMULATOR; without binfmt it is unpacked there with its dependencies, for good.
# Usage: install_test.sh [PACKAGE]   (a PACKAGE given is checked instead of one built here)
source "$(dirname "$0")/../e2e/lib.sh"
root="$(cd "$(dirname "$0")/../.." && pwd)"
id=org.neonvine.Neonvine
arch="${NEONVINE_ARCH:-$(dpkg --print-architecture)}"
apt=("$root/scripts/apt-get") && target="" && cross=()
[ "$arch" = "$(dpkg --print-architecture)" ] || { apt=("$root/scripts/arm64-root" apt-get) && target=/arm64 && cross=(--arch "$arch"); }

if [ -n "${1:-}" ]; then
  mkdir "$WORK/dist" && cp "$1" "$WORK/dist/"
else
  "$root/scripts/package" "${cross[@]}" "$WORK/dist" >"$WORK/package.log" 2>&1 || fail "scripts/package: $(tail -5 "$WORK/package.log")"
fi
release="$(. /etc/os-release && echo "$VERSION_ID")"
deb="$(ls "$WORK"/dist/neonvine_*+deb"${release}_$arch".deb)" || fail "no package named for Debian $release"

expected="/usr/games/neonvine /usr/share/applications/$id.desktop /usr/share/metainfo/$id.metainfo.xml
  /usr/share/man/man6/neonvine.6.gz $(printf '/usr/share/doc/neonvine/%s ' LICENSE README.md changelog.gz copyright)
  $(printf "/usr/share/icons/hicolor/%sx%s/apps/$id.png " 16 16 24 24 32 32 48 48 64 64 128 128 256 256 512 512)"
files="$(dpkg-deb --contents "$deb" | awk '$6 !~ /\/$/ { print substr($6, 2) }' | sort)"
[ "$files" = "$(printf '%s\n' $expected | sort)" ] || fail "the package holds: $files"
relations="$(dpkg-deb --field "$deb" Depends Recommends)"
for want in libc6 'libsfml-graphics2\.[5-9]' 'libsfml-window2\.[5-9]' libfontconfig1 fonts-noto-cjk fonts-dejavu-core; do
  grep -q "$want" <<<"$relations" || fail "$want is missing from: $relations"
done

purge() { "${apt[@]}" purge -y -qq neonvine >"$WORK/apt.log" 2>&1; }
if [ "$(id -u)" = 0 ] && [ "$(dpkg-query --admindir="$target/var/lib/dpkg" -W -f='${db:Status-Status}' neonvine 2>/dev/null)" != installed ]; then
  "${apt[@]}" install -y -qq "$deb" >"$WORK/apt.log" 2>&1 || fail "apt-get install: $(tail -5 "$WORK/apt.log")"
  installed="$target" && how="installed with apt${target:+ in the $arch root}" && AT_EXIT=purge
  [ -z "$target" ] || chroot "$target" /bin/true 2>/dev/null || { AT_EXIT="" && how="unpacked in the $arch root (no binfmt)"; }
else
  installed="$WORK/root" how="unpacked (not root, or a neonvine already installed)"
  dpkg -x "$deb" "$installed"
fi
desktop="$installed/usr/share/applications/$id.desktop"
desktop-file-validate "$desktop" || fail "the desktop entry does not validate"
# No error and no warning but the missing home page: the project has none yet (newer AppStream warns of it).
appstreamcli validate --no-net "$installed/usr/share/metainfo/$id.metainfo.xml" >"$WORK/appstream.log" || true
! grep -E '^[EW]:' "$WORK/appstream.log" | grep -qv ': url-homepage-missing$' ||
  fail "the metadata does not validate: $(cat "$WORK/appstream.log")"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry names another icon"
GAME="$installed$(sed -n 's/^Exec=//p' "$desktop")" && [ -x "$GAME" ] || fail "no such program: $GAME"

start_game 1280x720x24
eventually title title_shown && current_window  # the one its first frame left, however slow
# The window's icon is the installed 128-pixel one, pixel for pixel (ARGB).
xprop -id "$WINDOW" -notype -f _NET_WM_ICON 32c _NET_WM_ICON | sed 's/.*= //; s/, /\n/g' >"$WORK/window-icon"
{ echo 128; echo 128; convert "$installed/usr/share/icons/hicolor/128x128/apps/$id.png" -depth 8 rgba:- |
  od -An -v -tu1 -w4 | awk '{ printf "%.0f\n", $4 * 16777216 + $1 * 65536 + $2 * 256 + $3 }'; } >"$WORK/installed-icon"
cmp -s "$WORK/window-icon" "$WORK/installed-icon" || fail "the window's icon is not the installed one"
xdotool key Escape
expect_clean_exit

if [ -n "${AT_EXIT:-}" ]; then
  AT_EXIT="" && purge || fail "apt-get purge: $(tail -5 "$WORK/apt.log")"
  left="$(for f in $expected; do [ ! -e "$target$f" ] || echo "$f"; done)"
  [ -z "$left" ] || fail "removing the package left: $left"
fi
echo "package: ok, $how ($(basename "$deb"), $(stat -c %s "$deb") bytes, $(wc -l <<<"$files") files)"
