#!/usr/bin/env bash
# The Windows game under Wine, fullscreen on a 1600 x 900 screen: the title,
# a name typed and play started in magenta, then Escape twice quits, silently.
#   game_test.sh fonts   a Japanese face as meiryo.ttc and a Latin face as
#                        arial.ttf in the prefix: every text shows
#   game_test.sh none    no font at all: no text shows, the game still runs
source "$(dirname "$0")/../e2e/lib.sh"
mode="$1"
W=1600
H=900

fonts="$WINEPREFIX/drive_c/windows/Fonts"
rm -f "$fonts"/*
if [ "$mode" = fonts ]; then
  cp /usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc "$fonts/meiryo.ttc"
  cp /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf "$fonts/arial.ttf"
fi

# All 18 swatches; the title's outline, the Japanese prompt and the default
# name drawn with fonts (the empty boxes of a Latin face would ink less than
# half as many pixels), and none of them without.
on_title() {
  local outline prompt name
  read_swatches
  outline="$(title_outline)"
  prompt="$(pixels_where $((W / 2 - 150)) 300 300 45 'r < 40 && g > 160 && g < 200 && b > 235')"
  name="$(name_ink)"
  WHY="$SHOWN swatches; $outline pixels of title outline, $prompt of prompt, $name of name"
  [ "$SHOWN" -eq 18 ] || return 1
  if [ "$mode" = fonts ]; then
    [ "$outline" -gt 500 ] && [ "$prompt" -gt 250 ] && [ "$name" -gt 1200 ]
  else
    [ "$outline" -le 200 ] && [ "$prompt" -le 20 ] && [ "$name" -eq 0 ]
  fi
}

name_erased() {
  WHY="the name still shows"
  [ "$(name_ink)" -eq 0 ]
}

# The player's magenta snake by the centre and its cyan dot on the minimap.
in_play() {
  local snake dot
  snake="$(pixels_where $((W / 2 - 150)) $((H / 2 - 150)) 300 300 'g < 4 && r > 60 && b > 60 && (r - b) * (r - b) < 100')"
  dot="$(pixels_where $((W - 220)) $((H - 220)) 180 180 'r < 60 && g > 200 && b > 200')"
  WHY="$snake magenta pixels by the centre, $dot of the player's dot on the minimap"
  [ "$snake" -ge 1500 ] && [ "$dot" -ge 6 ]
}

start_game ${W}x${H}x24
xdotool mousemove $((W / 2)) 200
eventually title on_title

# An empty name cannot start play, so play proves that the typing arrived.
xdotool key --delay 60 BackSpace BackSpace BackSpace
eventually erased name_erased
xdotool type --delay 60 'Kai'
xdotool key --delay 60 Right Right Return
eventually play in_play
outline='b > r + 20 && r > 60 && r < 150'
expect_where "board outline, left" 300 $((W - 347)) 125 2 350 "$outline"
expect_where "board outline, top" 250 $((W - 345)) 123 320 2 "$outline"
expect_where "minimap disc" 12000 $((W - 200)) $((H - 200)) 140 140 'r < 70 && g < 70 && b < 90'
expect_where "minimap rim" 3 $((W - 131)) $((H - 223)) 3 4 'r > 60 && r < 150 && (r - b) * (r - b) < 900'
if [ "$mode" = fonts ]; then
  expect_where "cyan score" 150 30 30 260 60 'r < 60 && g > 200 && b > 200'
  expect_where "yellow board title" 150 $((W - 270)) 130 140 35 'r > 230 && g > 230 && b < 40'
  expect_where "board scores" 150 $((W - 100)) 175 75 275 'r > 200 && g > 200 && b > 200'
fi

xdotool key Escape
sleep 0.3
xdotool key Escape
expect_clean_exit
echo "windows game ($mode): ok"
