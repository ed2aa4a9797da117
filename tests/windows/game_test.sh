#!/usr/bin/env bash
# The Windows game under Wine through title, play and quit, with the fonts it looks for in the prefix or none:
#   game_test.sh fonts   a Japanese face as meiryo.ttc and a Latin face as arial.ttf
#   game_test.sh none    no font at all
set -euo pipefail
fonts="$WINEPREFIX/drive_c/windows/Fonts"
rm -f "$fonts"/*
if [ "$1" = fonts ]; then
  cp /usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc "$fonts/meiryo.ttc"
  cp /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf "$fonts/arial.ttf"
fi
exec "$(dirname "$0")/../e2e/title_play_quit.sh" "$1"
