#!/bin/sh
# Installs Neonvine for you alone, under ~/.local: the game in ~/.local/bin,
# its menu entry and its icon under ~/.local/share. Nothing else is written.
# ./install.sh --uninstall (or ./uninstall.sh) removes exactly those files.
set -eu
here="$(cd "$(dirname "$0")" && pwd)"
id=org.neonvine.Neonvine
bin="$HOME/.local/bin"
data="${XDG_DATA_HOME:-$HOME/.local/share}"
sizes="16 24 32 48 64 128 256 512"

installed_files() {
  echo "$bin/neonvine"
  echo "$data/applications/$id.desktop"
  for size in $sizes; do echo "$data/icons/hicolor/${size}x$size/apps/$id.png"; done
}

if [ "${1:-}" = --uninstall ]; then
  installed_files | while read -r file; do
    rm -f "$file"
    # And the folders that held it, once empty, up to your home.
    folder="$(dirname "$file")"
    while [ "$folder" != "$HOME" ] && [ "$folder" != / ] && rmdir "$folder" 2>/dev/null; do
      folder="$(dirname "$folder")"
    done
  done
  echo "Neonvine is uninstalled."
  exit 0
fi

install -D -m 755 "$here/neonvine" "$bin/neonvine"
for size in $sizes; do
  install -D -m 644 "$here/icons/$size.png" "$data/icons/hicolor/${size}x$size/apps/$id.png"
done
# The menu starts the game by its full path, quoted as desktop entries want:
# ~/.local/bin is not on every PATH.
mkdir -p "$data/applications"
NEONVINE_EXEC="$bin/neonvine" awk '
  /^Exec=/ { p = ENVIRON["NEONVINE_EXEC"]; gsub(/[\\"`$]/, "\\\\&", p); gsub(/%/, "%%", p); $0 = "Exec=\"" p "\"" } { print }
' "$here/$id.desktop" >"$data/applications/$id.desktop"
echo "Neonvine is installed: in your application menu, or $bin/neonvine."
