# Finding and waiting for the game's windows under X, shared by the play test
# and the random player. Needs xdotool, xwininfo and a DISPLAY.

# setup_program_folder BUILD DIR: a copy of the program folder (the programs and
# the content the game reads), so the game writes its saves and log there.
setup_program_folder() {
  local build=$1 dir=$2 d
  mkdir -p "$dir"
  cp "$build/quelbrin" "$build/quelbrin-sim" "$build/liboggwrap.so" "$dir/"
  for d in Buildings Images Cursors Sounds Music; do
    cp -r "$build/$d" "$dir/"
  done
}

# poll SECONDS COMMAND...: until the command succeeds, every 0.2 s.
poll() {
  local end=$((SECONDS + $1))
  shift
  while :; do
    if "$@"; then return 0; fi
    [ "$SECONDS" -lt "$end" ] || return 1
    sleep 0.2
  done
}

not_running() { ! kill -0 "$1" 2>/dev/null; }

# The visible windows of the game whose title matches the pattern, newest last.
game_windows() { # pattern
  xdotool search --onlyvisible --classname quelbrin 2>/dev/null | sort -n | while read -r w; do
    if xdotool getwindowname "$w" 2>/dev/null | grep -qE "$1"; then echo "$w"; fi
  done
}

# wait_main_window PID: the id of the main window once it is mapped and stays
# (30 s). SDL may replace a window's X window at its first paint, so an id is
# taken only when a second look a moment later finds the same one.
wait_main_window() {
  local pid=$1 w seen=""
  for _ in $(seq 100); do
    w=$(game_windows '^Quelbrin$' | tail -n 1)
    if [ -n "$w" ] && [ "$w" = "$seen" ]; then echo "$w"; return 0; fi
    seen=$w
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.3
  done
  return 1
}

# poll_window PATTERN SECONDS: the newest visible game window with that title.
poll_window() {
  local w
  for _ in $(seq $(($2 * 5))); do
    w=$(game_windows "$1" | tail -n 1)
    if [ -n "$w" ]; then echo "$w"; return 0; fi
    sleep 0.2
  done
  return 1
}

window_gone() { ! xdotool getwindowname "$1" >/dev/null 2>&1 || ! xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }

# The system's stop box (SDL's own message box: the game's caption, no class).
system_boxes() { xwininfo -root -tree 2>/dev/null | awk '/"Quelbrin": \(\)/ {print $1}'; }
poll_system_box() { # seconds
  local b
  for _ in $(seq $(($1 * 5))); do
    b=$(system_boxes | head -n 1)
    if [ -n "$b" ]; then echo "$b"; return 0; fi
    sleep 0.2
  done
  return 1
}
# Enter answers the box's only button.
dismiss_system_box() { # id
  xdotool windowfocus --sync "$1" 2>/dev/null || true
  xdotool key Return
  poll 5 box_gone "$1"
}
box_gone() { ! system_boxes | grep -qx "$1"; }
