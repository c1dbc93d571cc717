#!/usr/bin/env bash
# The real game on a 2560 x 1440 screen under openbox, driven by xdotool: twice
# its size by itself, presses at twice the coordinates, the same picture as at
# scale 1 pixel for pixel, the stored scale, Ctrl+Minus, and the about window
# scaled and centred.
set -euo pipefail
build=$1
if [ -z "${QLB_OWN_DISPLAY:-}" ]; then
  QLB_OWN_DISPLAY=1 exec xvfb-run -a -s "-screen 0 2560x1440x24" bash "$0" "$@"
fi
[ -x "$build/quelbrin" ] || { echo "no quelbrin in $build"; exit 1; }
[ -f "$build/Images/bg.bmp" ] || { echo "no content in $build"; exit 1; }

work="$(mktemp -d)"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  mkdir -p "$build/game-scale-failure"
  cp "$work"/*.png "$build/game-scale-failure/" 2>/dev/null || true
  tail -n 20 "$game/debug.txt" >&2 2>/dev/null || true
  echo "--- game output:" >&2
  cat "$work/out" >&2 2>/dev/null || true
  exit 1
}
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
mkdir -p "$HOME"
settings="$XDG_CONFIG_HOME/Vostrane/QLB/1.0.reg"
game="$work/game"
mkdir -p "$game"
cp "$build/quelbrin" "$build/liboggwrap.so" "$game/"
for d in Buildings Images Cursors Sounds Music; do cp -r "$build/$d" "$game/"; done

openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
sleep 1

# xdotool walks the whole window tree and gives up when a window vanishes under
# it (the game makes and drops small helper windows), so every call is retried.
xdo() {
  local i
  for i in 1 2 3 4 5; do
    if xdotool "$@" 2>"$work/xdo.err"; then return 0; fi
    sleep 0.1
  done
  cat "$work/xdo.err" >&2
  fail "xdotool $*"
}
find_window() { # NAME: the visible window of that title, in $found
  found=""
  for _ in $(seq 100); do
    found=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true)
    [ -n "$found" ] && return 0
    sleep 0.1
  done
  fail "no window $1"
}
start_game() {
  (cd "$work" && exec "$game/quelbrin") >"$work/out" 2>&1 &
  gamepid=$!
  pids+=($gamepid)
  find_window Quelbrin
  win=$found
  sleep 0.7
}
geometry() { # of window $1 (default the game's): left top width height
  local g
  g=$(xdo getwindowgeometry --shell "${1:-$win}")
  eval "$g"
  echo "$X $Y $WIDTH $HEIGHT"
}
click() { xdo mousemove --window "$win" "$1" "$2" click 1; sleep "${3:-0.4}"; }
# The pointer off the window, so no hover look differs between two pictures.
park() { xdo mousemove 3 3; sleep 0.4; }
shot() { /usr/bin/import -window root "$work/shot.png"; }
# crop NAME X Y W H: a piece of the last screenshot, in screen coordinates.
crop() { /usr/bin/convert "$work/shot.png" -crop "$4x$5+$2+$3" +repage "$work/$1.png"; }
window_shot() { # NAME: the whole game window
  read -r wx wy ww wh < <(geometry)
  shot
  crop "$1" "$wx" "$wy" "$ww" "$wh"
}
differing() { /usr/bin/compare -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1 || true; }
wait_exit() {
  for _ in $(seq 100); do
    if ! kill -0 "$gamepid" 2>/dev/null; then
      local rc=0
      wait "$gamepid" || rc=$?
      [ "$rc" = 0 ] || fail "the game ended with status $rc"
      return 0
    fi
    sleep 0.1
  done
  fail "the game did not end"
}
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
