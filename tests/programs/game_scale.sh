#!/usr/bin/env bash
# The real game on a 2560 x 1440 screen under openbox, driven by xdotool: twice
# its size by itself, presses at twice the coordinates, the same picture as at
# scale 1 pixel for pixel, the stored scale, Ctrl+Minus, and the about window
# scaled and centred.
set -euo pipefail
screen=2560x1440 failures=game-scale-failure
. "$(dirname "$0")/game_on_display.bash" "$@"
settings="$XDG_CONFIG_HOME/Vostrane/QLB/1.0.reg"
# The pointer off the window, so no hover look differs between two pictures.
park() { xdo mousemove 3 3; sleep 0.4; }
# crop NAME X Y W H: a piece of the last screenshot, in screen coordinates.
crop() { /usr/bin/convert "$work/shot.png" -crop "$4x$5+$2+$3" +repage "$work/$1.png"; }
window_shot() { # NAME: the whole game window
  read -r wx wy ww wh < <(geometry)
  shot
  crop "$1" "$wx" "$wy" "$ww" "$wh"
}
differing() { /usr/bin/compare -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1 || true; }
stored_scale() { grep -i '"WindowScale"' "$settings" | sed 's/.*dword://'; }

echo "--- automatic scale: twice the size, centred"
start_game
read -r x y w h < <(geometry)
[ "$w" = 1560 ] && [ "$h" = 1120 ] || fail "window is $w x $h"
[ "$x" = 500 ] && [ "$y" = 160 ] || fail "window at $x,$y, not centred"
park
window_shot menu2x

echo "--- the about window is scaled and centred over the game"
click 1242 316 0.8 # the menu's About at (621, 158)
find_window Message
read -r ax ay aw ah < <(geometry "$found")
[ "$aw" = 960 ] && [ "$ah" = 562 ] || fail "about window is $aw x $ah"
[ "$ax" = 800 ] && [ "$ay" = 439 ] || fail "about window at $ax,$ay, not centred"
click 1154 798 0.8 # its OK at (577, 399) of the game window
[ -z "$(xdotool search --onlyvisible --name '^Message$' 2>/dev/null || true)" ] ||
  fail "the about window did not close"
click 1540 16 # the close icon at (770, 8)
wait_exit
[ "$(stored_scale)" = 00000000 ] || fail "stored scale $(stored_scale), not automatic"

echo "--- stored scale 1: the same picture, pixel for pixel"
sed -i 's/"WindowScale"=dword:00000000/"WindowScale"=dword:00000001/' "$settings"
start_game
read -r x y w h < <(geometry)
[ "$w" = 780 ] && [ "$h" = 560 ] || fail "scale 1 window is $w x $h"
[ "$x" = 890 ] && [ "$y" = 440 ] || fail "scale 1 window at $x,$y"
park
window_shot menu1x
/usr/bin/convert "$work/menu2x.png" -sample 50% "$work/menu2x-reduced.png"
d=$(differing menu2x-reduced menu1x)
[ "$d" = 0 ] || fail "$d pixels differ between scale 2 reduced and scale 1"
click 770 8
wait_exit
[ "$(stored_scale)" = 00000001 ] || fail "stored scale $(stored_scale) after a run at 1"

echo "--- back to automatic: a press at twice the coordinates is New Game"
sed -i 's/"WindowScale"=dword:00000001/"WindowScale"=dword:00000000/' "$settings"
start_game
park
window_shot before-new
click 1242 414 # New Game at (621, 207)
park
window_shot after-new
d=$(differing before-new after-new)
[ "$d" != 0 ] || fail "New Game at twice its coordinates did nothing"
# The difficulty page: Normal at (621, 166) starts the game.
click 1242 332
park
window_shot normal
d=$(differing after-new normal)
[ "$d" != 0 ] || fail "Normal at twice its coordinates did nothing"

echo "--- Ctrl+Minus: scale 1 around the same centre, and it is stored"
xdo key --window "$win" ctrl+minus
sleep 0.8
read -r x y w h < <(geometry)
[ "$w" = 780 ] && [ "$h" = 560 ] || fail "after Ctrl+Minus the window is $w x $h"
[ "$x" = 890 ] && [ "$y" = 440 ] || fail "after Ctrl+Minus the window is at $x,$y"
xdo key --window "$win" ctrl+plus
sleep 0.8
read -r x y w h < <(geometry)
[ "$w" = 1560 ] && [ "$h" = 1120 ] || fail "after Ctrl+Plus the window is $w x $h"
xdo key --window "$win" ctrl+minus
sleep 0.8
click 770 8
wait_exit
[ "$(stored_scale)" = 00000001 ] || fail "stored scale $(stored_scale) after Ctrl+Minus"
echo "game scale: all steps passed"
