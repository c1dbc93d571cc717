#!/usr/bin/env bash
# The real game in its window under X with openbox, driven by xdotool: the main
# menu, Escape, a new game, buying, the speed buttons, full screen, the window
# drag, the about window, and every way out writing (or not) the autosave that
# Continue loads.
set -euo pipefail
screen=1280x1024 failures=game-window-failure
. "$(dirname "$0")/game_on_display.bash" "$@"
autosave="$game/save/autosave.sav"
# crop NAME X Y W H: a piece of the last screenshot, in window coordinates.
crop() {
  read -r wx wy _ _ < <(geometry)
  /usr/bin/convert "$work/shot.png" -crop "$4x$5+$((wx + $2))+$((wy + $3))" +repage "$work/$1.png"
}
same() {
  [ -f "$work/$1.png" ] && [ -f "$work/$2.png" ] || fail "no crop $1 or $2"
  [ "$(/usr/bin/compare -metric AE -fuzz 3% "$work/$1.png" "$work/$2.png" null: 2>&1 || true)" = 0 ]
}
# brightness of a window rectangle of the last screenshot, 0..100
bright() {
  read -r wx wy _ _ < <(geometry)
  /usr/bin/convert "$work/shot.png" -crop "$3x$4+$((wx + $1))+$((wy + $2))" +repage \
    -colorspace Gray -format '%[fx:int(100*mean)]' info:
}
palm() { shot; crop palm-$1 524 56 214 330; }
menu_button() { shot; crop menu-$1 691 413 34 30; }

# --- a display that cannot be reached: the game says which, and ends
echo "--- a display that cannot be reached: the game says which, and ends"
rc=0
(cd "$work" && DISPLAY=:987 exec "$game/quelbrin") >"$work/out" 2>&1 || rc=$?
[ "$rc" = 1 ] || fail "without its display the game ended with status $rc"
grep -qF "cannot open a window: the display :987 did not accept the game" "$work/out" ||
  fail "without its display the game did not say why"

# --- start: centred, on the main menu
echo "--- start: centred, on the main menu"
start_game
read -r x y w h < <(geometry)
[ "$w" = 780 ] && [ "$h" = 560 ] || fail "window is $w x $h"
[ "$x" = 250 ] && [ "$y" = 232 ] || fail "window at $x,$y, not centred"
palm menu
[ "$(xdo getwindowname "$win")" = Quelbrin ] || fail "title"

# --- a new game at Normal lands on the catalogue
echo "--- a new game at Normal lands on the catalogue"
click 621 207
click 621 166
palm catalogue
same palm-catalogue palm-menu && fail "New Game and Normal did not leave the menu"
menu_button catalogue

# --- Escape twice: the menu and back
echo "--- Escape twice: the menu and back"
xdo key --window "$win" Escape
sleep 0.4
palm esc1
menu_button esc1
same palm-esc1 palm-catalogue && fail "Escape did not open the menu"
same menu-esc1 menu-catalogue && fail "the menu button is not drawn in the menu"
xdo key --window "$win" Escape
sleep 0.4
palm esc2
same palm-esc2 palm-catalogue || fail "the second Escape did not return to the catalogue"

# --- closing with no property writes no autosave
echo "--- closing with no property writes no autosave"
click 770 8
wait_exit
[ ! -e "$autosave" ] || fail "an autosave without a property"

# --- buy: the clock starts at normal speed and the plan shows the floor plan
echo "--- buy: the clock starts at normal speed and the plan shows the floor plan"
start_game
click 621 207
click 621 166
shot
[ "$(bright 40 60 400 380)" -lt 45 ] || fail "the closed notebook is not shown before buying"
crop speed-before 580 413 102 30
click 688 96 1.5
shot
[ "$(bright 40 60 400 380)" -gt 70 ] || fail "no floor plan after buying"
crop speed-normal 580 413 102 30
same speed-normal speed-before && fail "the clock did not start"
crop date1 526 388 130 13
sleep 1.5
shot
crop date2 526 388 130 13
same date1 date2 && fail "the game date stands still at normal speed"

# --- the speed buttons draw the pressed one
echo "--- the speed buttons draw the pressed one"
click 665 428
shot
crop speed-fast 580 413 102 30
same speed-fast speed-normal && fail "fast speed looks like normal"
click 597 428
shot
crop speed-pause 580 413 102 30
same speed-pause speed-before || fail "pause does not look like the stopped clock"
click 631 428

# --- Alt+Enter: full screen and back to the same place
echo "--- Alt+Enter: full screen and back to the same place"
xdo key --window "$win" alt+Return
sleep 0.8
read -r fx fy fw fh < <(geometry)
[ "$fw" = 1280 ] && [ "$fh" = 1024 ] || fail "full screen is $fw x $fh at $fx,$fy"
xdo key --window "$win" alt+Return
sleep 0.8
read -r x y w h < <(geometry)
[ "$w" = 780 ] && [ "$h" = 560 ] && [ "$x" = 250 ] && [ "$y" = 232 ] || fail "back at $x,$y $w x $h"

# --- dragging a bare spot of the desk moves the window
echo "--- dragging a bare spot of the desk moves the window"
xdo mousemove --window "$win" 760 300 mousedown 1
sleep 0.2
for step in 1 2 3 4 5; do
  xdo mousemove_relative -- 10 6
  sleep 0.05
done
sleep 0.3
xdo mouseup 1
sleep 0.4
read -r x2 y2 _ _ < <(geometry)
[ "$x2" = 300 ] && [ "$y2" = 262 ] || fail "the drag left the window at $x2,$y2"

# --- About opens over the window and its OK closes it
echo "--- About opens over the window and its OK closes it"
xdo key --window "$win" Escape
sleep 0.4
palm menu2
click 621 158 0.8
shot
crop about 200 180 380 200
click 577 399 0.8
shot
crop after-about 200 180 380 200
same about after-about && fail "the about window did not open or did not close"
palm after-about
same palm-after-about palm-menu2 || fail "the menu is not back after About"

# --- the close icon with a property writes the autosave
echo "--- the close icon with a property writes the autosave"
click 770 8
wait_exit
[ -s "$autosave" ] || fail "no autosave after the close icon"
size=$(stat -c %s "$autosave")
cp "$autosave" "$work/by-icon.sav"

# --- Continue loads it and lands on the report
echo "--- Continue loads it and lands on the report"
start_game
click 621 183 1
shot
[ "$(bright 40 60 400 380)" -gt 70 ] || fail "Continue did not bring the building back"

# --- the window manager's close (openbox: Alt+F4) writes it too
echo "--- the window manager's close (openbox: Alt+F4) writes it too"
rm -f "$autosave"
xdo windowactivate --sync "$win"
xdo key alt+F4
wait_exit
[ -s "$autosave" ] || fail "no autosave after the window manager's close"

# --- and so does SIGTERM
echo "--- and so does SIGTERM"
start_game
click 621 183 1
rm -f "$autosave"
kill -TERM "$gamepid"
wait_exit
[ -s "$autosave" ] || fail "no autosave after SIGTERM"
start_game
click 621 183 1
shot
[ "$(bright 40 60 400 380)" -gt 70 ] || fail "Continue after SIGTERM did not bring the building back"
click 770 8
wait_exit
grep -q '\*\*\* Quitting the game... \*\*\*' "$game/debug.txt" || fail "no quitting line in the log"
echo "game window: all steps passed (autosave $size bytes)"
