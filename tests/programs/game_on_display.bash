# Sourced by the program tests that drive the real game under X with openbox and
# xdotool, after setting `screen` (the display's size, as 1280x1024) and `failures`
# (the folder under the build that keeps the screenshots of a failed run):
#   . "$(dirname "$0")/game_on_display.bash" "$@"
# It gives the test a display of its own, a work folder holding the player's home
# and a copy of the program folder ($game), and the helpers below.
build=$1
# A display of its own: clicks must not land on the windows of tests beside it.
if [ -z "${QLB_OWN_DISPLAY:-}" ]; then
  QLB_OWN_DISPLAY=1 exec xvfb-run -a -s "-screen 0 ${screen}x24" bash "$0" "$@"
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
  mkdir -p "$build/$failures"
  cp "$work"/*.png "$build/$failures/" 2>/dev/null || true
  tail -n 20 "$game/debug.txt" >&2 2>/dev/null || true
  echo "--- game output:" >&2
  cat "$work/out" >&2 2>/dev/null || true
  exit 1
}
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
mkdir -p "$HOME"
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
# The game started from the work folder; its pid in $gamepid, its window in $win.
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
shot() { /usr/bin/import -window root "$work/shot.png"; }
wait_exit() { # the game's end within 30 s (a loaded machine), with status 0
  for _ in $(seq 300); do
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
