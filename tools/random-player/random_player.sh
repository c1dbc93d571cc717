#!/usr/bin/env bash
# The random player: a seeded run of presses, drags, wheel turns, keys and typed
# text at the game's own windows (the main window, message windows, the file
# dialogs and the system's stop box), on a display of its own. It fails when the
# game crashes, stops answering (the window manager's ping, within --answer-ms),
# a sanitizer reports, or a save it leaves does not load in quelbrin-sim. A game
# that quits (Exit, the close icon) is checked and started again.
#
#   random_player.sh --game BUILD_DIR [--seed N] [--presses N] [--seconds N]
#                    [--log DIR] [--answer-ms MS] [--dry-run]
#
# --game: a build folder (quelbrin, quelbrin-sim, random-player-ping and the
# content beside them); the run plays a copy of it. --seconds ends the run
# early. Without --seed the seed comes from the clock; either way it is printed.
#
# The same seed gives the same inputs: --dry-run prints them without a game, and
# a run writes them to LOG/inputs.txt. Where an input lands depends on the window
# on top at that moment, which the run writes to LOG/steps.txt.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

seed="" presses=2000 seconds=0 gamedir="" logdir="" answer_ms=1000 dry_run=0
usage() {
  echo "usage: $0 --game BUILD_DIR [--seed N] [--presses N] [--seconds N] [--log DIR]" \
    "[--answer-ms MS] [--dry-run]" >&2
  exit 2
}
while [ $# -gt 0 ]; do
  case $1 in
  --seed) seed=$2; shift 2 ;;
  --presses) presses=$2; shift 2 ;;
  --seconds) seconds=$2; shift 2 ;;
  --game) gamedir=$2; shift 2 ;;
  --log) logdir=$2; shift 2 ;;
  --answer-ms) answer_ms=$2; shift 2 ;;
  --dry-run) dry_run=1; shift ;;
  *) usage ;;
  esac
done
[[ "$presses" =~ ^[0-9]+$ ]] && [[ "$seconds" =~ ^[0-9]+$ ]] && [[ "$answer_ms" =~ ^[0-9]+$ ]] || usage
if [ -z "$seed" ]; then seed=$(($(date +%s%N) & 0xFFFFFFFF)); fi
[[ "$seed" =~ ^[0-9]+$ ]] || usage

. "$here/random_inputs.bash"

if [ "$dry_run" = 1 ]; then
  echo "seed $seed"
  rng_seed "$seed"
  for step in $(seq 1 "$presses"); do
    draw_input
    echo "$step $INPUT"
  done
  exit 0
fi

[ -n "$gamedir" ] && [ -x "$gamedir/quelbrin" ] || usage
gamedir=$(cd "$gamedir" && pwd)
ping_tool="$gamedir/random-player-ping"
[ -x "$ping_tool" ] || { echo "random player: $ping_tool is missing (build the target random-player-ping)" >&2; exit 2; }

# A display of its own: random presses must never reach another desktop.
if [ -z "${QLB_RANDOM_PLAYER_DISPLAY:-}" ]; then
  QLB_RANDOM_PLAYER_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" \
    --game "$gamedir" --seed "$seed" --presses "$presses" --seconds "$seconds" \
    --answer-ms "$answer_ms" ${logdir:+--log "$logdir"}
fi

. "$here/game_windows.bash"
. "$here/random_targets.bash"

work=$(mktemp -d)
if [ -z "$logdir" ]; then logdir="$work/log"; fi
mkdir -p "$logdir"
logdir=$(cd "$logdir" && pwd)
rm -f "$logdir"/asan.* "$logdir"/ubsan.* "$logdir/inputs.txt" "$logdir/steps.txt"
game_pid="" wm_pid=""
# The game and its children: SDL shows the stop box from a child process of its own.
end_game() {
  pkill -P "$game_pid" 2>/dev/null || true
  kill "$game_pid" 2>/dev/null || true
  wait "$game_pid" 2>/dev/null || true
}
cleanup() {
  if [ -n "$game_pid" ]; then end_game; fi
  if [ -n "$wm_pid" ]; then kill "$wm_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export SDL_AUDIODRIVER=dummy
mkdir -p "$HOME" "$work/bin"
# The about page's addresses go to the desktop's handler: here a recorder.
printf '#!/bin/sh\necho "$*" >>"%s/xdg-open.txt"\n' "$logdir" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH="$work/bin:$PATH"
# Sanitizer reports go to files; an empty log folder at the end is a quiet run.
supp="$here/../../tests/lsan.supp"
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}log_path=$logdir/asan:detect_leaks=1"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:+$UBSAN_OPTIONS:}halt_on_error=1:print_stacktrace=1:log_path=$logdir/ubsan"
[ -f "$supp" ] && export LSAN_OPTIONS="suppressions=$supp:print_suppressions=0"

game="$work/game"
setup_program_folder "$gamedir" "$game"
# Bad inputs for Load Game: a damaged save and a folder named like a save.
damaged=damaged-by-the-random-player.sav
mkdir -p "$game/save/folder-by-the-random-player.sav"
head -c 3000 /dev/zero | tr '\0' 'x' >"$game/save/$damaged"
openbox --sm-disable --config-file "$here/openbox-rc.xml" >/dev/null 2>&1 &
wm_pid=$!
sleep 0.5

step=0 starts=0 quits=0 box_steps=0
fail() {
  echo "random player: FAIL at step $step (seed $seed): $*" >&2
  echo "--- last inputs:" >&2
  tail -n 15 "$logdir/steps.txt" >&2 2>/dev/null || true
  echo "--- game output:" >&2
  tail -n 40 "$logdir/game.out" >&2 2>/dev/null || true
  /usr/bin/import -window root "$logdir/failure.png" 2>/dev/null || true
  cp "$game/debug.txt" "$logdir/" 2>/dev/null || true
  xwininfo -root -tree >"$logdir/windows.txt" 2>/dev/null || true
  { xprop -root _NET_CURRENT_DESKTOP _NET_ACTIVE_WINDOW; xprop -id "$MAIN" WM_STATE _NET_WM_STATE _NET_WM_DESKTOP; } \
    >>"$logdir/windows.txt" 2>&1 || true
  echo "logs in $logdir" >&2
  exit 1
}

sanitizers_quiet() {
  local f
  for f in "$logdir"/asan.* "$logdir"/ubsan.*; do
    [ -e "$f" ] || continue
    cat "$f" >&2
    fail "sanitizer report in $(basename "$f")"
  done
}

# Every save loads in the runner, with the game's own load routine.
check_saves() {
  local f
  for f in "$game"/save/*.sav; do
    [ -f "$f" ] && [ "$(basename "$f")" != "$damaged" ] || continue
    "$game/quelbrin-sim" --load "$f" --days 0 --quiet >"$work/sim.out" 2>&1 ||
      fail "$(basename "$f") does not load: $(tail -n 3 "$work/sim.out")"
  done
}

# The session's recording replays to the autosave that the game wrote at its
# close. The game writes one only for a game with a property, so a replay that
# ends without one, or an autosave from before this start, is not compared.
replays=0
check_replay() {
  local rec="$game/save/last-session.qlbr" auto="$game/save/autosave.sav"
  [ -f "$rec" ] || return 0
  "$game/quelbrin-sim" --replay "$rec" --save "$work/replayed.sav" --quiet >"$work/replay.out" 2>&1 ||
    fail "the session's recording does not replay: $(tail -n 3 "$work/replay.out")"
  grep -q '"properties":0,' "$work/replay.out" && return 0
  [ -f "$auto" ] && [ "$auto" -nt "$work/started" ] || return 0
  if ! cmp -s "$auto" "$work/replayed.sav"; then
    cp "$rec" "$auto" "$logdir/" 2>/dev/null || true
    fail "the session's recording replays to other bytes than the autosave (both in $logdir)"
  fi
  replays=$((replays + 1))
}

start_game() {
  touch "$work/started"
  sleep 0.01
  "$game/quelbrin" >>"$logdir/game.out" 2>&1 &
  game_pid=$!
  starts=$((starts + 1))
  MAIN=$(wait_main_window "$game_pid") || fail "the game did not open its window"
  echo "step $step: game started, pid $game_pid, window $MAIN" >>"$logdir/steps.txt"
}

# A game that ended: status 0 is a quit by Exit or the close icon.
game_ended() {
  local status=0
  wait "$game_pid" || status=$?
  game_pid=""
  [ "$status" = 0 ] || fail "the game ended with status $status"
  quits=$((quits + 1))
  sanitizers_quiet
  check_saves
  check_replay
  echo "step $step: the game quit; saves load; starting it again" >>"$logdir/steps.txt"
  start_game
}

main_hidden() { xwininfo -id "$MAIN" 2>/dev/null | grep -qE 'IsUnMapped|IsUnviewable'; }
live_children() { ps --ppid "$1" -o stat= 2>/dev/null | grep -qv '^Z'; }

# A hang: where the game's threads are, then the failure.
report_hang() {
  if command -v gdb >/dev/null; then
    timeout 60 gdb -p "$game_pid" -batch -ex 'thread apply all bt' >"$logdir/hang-stacks.txt" 2>&1 || true
    echo "stacks in $logdir/hang-stacks.txt" >&2
  fi
  fail "the game did not answer within $answer_ms ms"
}

echo "random player: seed $seed, $presses presses, game $gamedir"
start_game
rng_seed "$seed"
started=$SECONDS
for step in $(seq 1 "$presses"); do
  if [ "$seconds" -gt 0 ] && [ $((SECONDS - started)) -ge "$seconds" ]; then
    step=$((step - 1))
    break
  fi
  draw_input
  echo "$step $INPUT" >>"$logdir/inputs.txt"
  find_top_window
  keep_window_on_screen
  apply_input >"$work/did"
  echo "$step $TOP_KIND $INPUT -> $(<"$work/did")" >>"$logdir/steps.txt"
  sleep 0.03
  if ! kill -0 "$game_pid" 2>/dev/null; then game_ended; continue; fi
  # While the system's stop box is up the game waits for it; otherwise it answers.
  # SDL shows the box from a child process, so a child whose box is not mapped yet
  # counts as the box (an ended xdg-open, not reaped yet, does not).
  if [ -n "$(system_boxes)" ] || live_children "$game_pid"; then
    box_steps=$((box_steps + 1))
    [ "$box_steps" -lt 100 ] || fail "the stop box stayed up for 100 inputs"
  else
    box_steps=0
    if ! ms=$("$ping_tool" "$MAIN" "$answer_ms"); then
      if ! kill -0 "$game_pid" 2>/dev/null; then game_ended; continue; fi
      # A window that is gone belongs to a game on its way out, or SDL made a
      # new one for it (as at a first paint): the game's own window is looked up again.
      if ! xdotool getwindowname "$MAIN" >/dev/null 2>&1; then
        if poll 3 not_running "$game_pid"; then game_ended; continue; fi
        if again=$(wait_main_window "$game_pid"); then
          MAIN=$again
          echo "step $step: the main window is now $MAIN" >>"$logdir/steps.txt"
          "$ping_tool" "$MAIN" "$answer_ms" >/dev/null || report_hang
          continue
        fi
        if not_running "$game_pid"; then game_ended; continue; fi
        fail "the main window is gone but the game runs on"
      fi
      report_hang
    fi
  fi
  # Inputs reach only a window that shows; the game never hides its own.
  # (A game on its way out may unmap it a moment before it ends.)
  if [ $((step % 25)) = 0 ] && main_hidden; then
    sleep 3
    if kill -0 "$game_pid" 2>/dev/null && main_hidden; then fail "the main window no longer shows"; fi
  fi
  if [ $((step % 200)) = 0 ]; then
    sanitizers_quiet
    echo "random player: $step presses, $((SECONDS - started)) s, $quits quits"
  fi
done

# The end: close the game as a player would, then the saves it left must load.
if [ -n "$game_pid" ]; then
  dismiss_all
  # A last drag may have left the close icon off the screen.
  xdotool windowmove "$MAIN" 250 232 2>/dev/null || true
  sleep 0.3
  xdotool mousemove --window "$MAIN" $((WIN_W - 8)) 8 click 1 2>/dev/null || true
  if ! poll 30 not_running "$game_pid"; then fail "the game did not close at the end"; fi
  status=0
  wait "$game_pid" || status=$?
  game_pid=""
  [ "$status" = 0 ] || fail "the game ended with status $status at the close"
fi
sanitizers_quiet
check_saves
check_replay
saves=$(find "$game/save" -name '*.sav' -type f ! -name "$damaged" 2>/dev/null | wc -l)
echo "random player passed: seed $seed, $step presses in $((SECONDS - started)) s, $starts starts, $quits quits, $saves saves load, $replays replays match their autosave"
