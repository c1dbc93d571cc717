#!/usr/bin/env bash
# A player's first evening with the real game under X: a new game, the first
# building, a hire, supplies, a campaign, the admission fee, days at fast speed,
# a new name, a named save, another game, the load, the close and Continue; and
# two bad inputs (a damaged save chosen in Load Game, a `save` folder that is a
# file). Checked by pixel probes of the window and by the files the game leaves.
# The screenshots of the main steps stay in BUILD_DIR/play-shots.
set -euo pipefail
build=$(cd "$1" && pwd) source=$2
# A display of its own: clicks must not land on the windows of tests beside it.
if [ -z "${QLB_OWN_DISPLAY:-}" ]; then
  QLB_OWN_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
. "$source/tools/random-player/game_windows.bash"

work="$(mktemp -d)"
shots="$build/play-shots"
rm -rf "$shots"
mkdir -p "$shots"
game_pid=""
cleanup() {
  if [ -n "$game_pid" ]; then
    kill "$game_pid" 2>/dev/null || true
    wait "$game_pid" 2>/dev/null || true
  fi
  [ -n "${wm_pid:-}" ] && kill "$wm_pid" 2>/dev/null
  if [ -n "${QLB_KEEP_WORK:-}" ]; then echo "work folder kept: $work"; else rm -rf "$work"; fi
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  /usr/bin/import -window root "$shots/failure.png" 2>/dev/null || true
  echo "--- game output:" >&2
  cat "$work/game.out" >&2 2>/dev/null || true
  exit 1
}
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export SDL_AUDIODRIVER=dummy
mkdir -p "$HOME"
setup_program_folder "$build" "$work/game"
game="$work/game"
save="$game/save"

# --- Probes. Coordinates are the main window's own (780 x 560, the palm screen at 524,56).
PLAN_FLOOR=400x310+80+150
STATUS_DATE=130x15+526+387
STATUS_CASH=78x15+660+387
PALM_TITLE=185x15+529+61
PALM_REPORT=190x180+524+206

# Cells of the button strip the pages copy their buttons from.
mkdir -p "$work/cells"
cell_geometry() {
  case $1 in
  menu_newgame) echo 75x20+0+140 ;;
  menu_continue) echo 75x20+0+200 ;;
  difficulty_normal) echo 75x20+75+220 ;;
  buy) echo 50x25+90+50 ;;
  hire) echo 50x25+90+115 ;;
  order) echo 40x15+100+95 ;;
  manage_tab) echo 58x20+0+280 ;;
  fee_set) echo 40x15+75+320 ;;
  rename) echo 60x20+140+165 ;;
  badge_new) echo 10x13+31+327 ;;
  badge_seen) echo 10x13+21+327 ;;
  esac
}
for cell in menu_newgame menu_continue difficulty_normal buy hire order manage_tab fee_set rename \
  badge_new badge_seen; do
  /usr/bin/convert "$game/Images/pscreenbtns.bmp" -crop "$(cell_geometry $cell)" +repage \
    "$work/cells/$cell.png"
done

probe_count=0
LAST_SHOT=""
last_shot() { echo "$LAST_SHOT"; }
# A screenshot of a window; a game that died fails the test here, with its output.
grab() { # window file
  if [ -n "$game_pid" ] && ! kill -0 "$game_pid" 2>/dev/null; then fail "the game died"; fi
  timeout 20 /usr/bin/import -window "$1" "$2" || fail "no screenshot of window $1"
}
snap() { # name: a kept screenshot of the main window
  echo "$SECONDS s: $1"
  LAST_SHOT="$shots/$1.png"
  grab "$W" "$LAST_SHOT"
}
snap_probe() {
  probe_count=$((probe_count + 1))
  LAST_SHOT="$work/probe-$probe_count.png"
  grab "$W" "$LAST_SHOT"
}
snap_window() { # window name
  grab "$1" "$shots/$2.png"
  LAST_SHOT="$shots/$2.png"
  echo "$LAST_SHOT"
}
crop() { /usr/bin/convert "$1" -crop "$2" +repage "$3"; }
# Counts differing pixels; text edges may come out a shade apart between paints.
ae() { /usr/bin/compare -metric AE -fuzz "${3:-1%}" "$1" "$2" null: 2>&1 || true; }
same_image() { [ "$(ae "$1" "$2")" = 0 ]; }
# Alike but for a few pixels: text of the news may cross the plan's icons.
similar() { local n; n=$(ae "$1" "$2" 8%); [ "${n%.*}" -le 46 ] 2>/dev/null; }
region_differs() { # shot region: a fresh screenshot differs from the shot there
  snap_probe
  crop "$1" "$2" "$work/a.png"
  crop "$LAST_SHOT" "$2" "$work/b.png"
  ! same_image "$work/a.png" "$work/b.png"
}
regions_same() { # shot region, or shot shot region
  if [ $# = 2 ]; then snap_probe; set -- "$LAST_SHOT" "$1" "$2"; fi
  crop "$1" "$3" "$work/a.png"
  crop "$2" "$3" "$work/b.png"
  same_image "$work/a.png" "$work/b.png"
}
# cell_shown NAME palm X Y: a fresh screenshot shows the cell at that place of the palm screen.
cell_shown() {
  local g=$(cell_geometry "$1") x=$(($3 + 524)) y=$(($4 + 56))
  snap_probe
  crop "$LAST_SHOT" "${g%%+*}+$x+$y" "$work/c.png"
  same_image "$work/c.png" "$work/cells/$1.png"
}
# find_cell_in NAME SHOT X Y W H: "x y" of the cell found exactly in the region.
find_cell_in() {
  local out
  crop "$2" "$5x$6+$3+$4" "$work/r.png"
  out=$(/usr/bin/compare -metric AE -subimage-search "$work/r.png" "$work/cells/$1.png" null: 2>&1 || true)
  case "$out" in "0 @ "*) ;; *) return 1 ;; esac
  out=${out#0 @ }
  echo "$((${out%,*} + $3)) $((${out#*,} + $4))"
}
# find_in_region SHOT PATCH REGION: "x y" where the patch is, alike but for a few pixels.
find_in_region() {
  local out n rg=$3
  crop "$1" "$rg" "$work/r.png"
  out=$(/usr/bin/compare -metric AE -fuzz 8% -subimage-search "$work/r.png" "$2" null: 2>&1 || true)
  n=${out%% @*} out=${out#* @ }
  [ "${n%.*}" -le 46 ] 2>/dev/null || return 1
  rg=${rg#*+}
  echo "$((${out%,*} + ${rg%+*})) $((${out#*,} + ${rg#*+}))"
}
# The first candidate on the ruler whose badge says they fit an open position, or -1.
fitting_candidate() {
  local k
  for k in $(seq 0 13); do
    crop "$1" 10x13+$((84 + 42 * k + 28))+507 "$work/badge.png"
    if same_image "$work/badge.png" "$work/cells/badge_new.png" ||
      same_image "$work/badge.png" "$work/cells/badge_seen.png"; then
      echo "$k"
      return
    fi
  done
  echo -1
}
# A row of the file dialog's list holds text (gold on black).
row_has_text() { # shot row
  local m
  m=$(/usr/bin/convert "$1" -crop 300x16+20+$((46 + 16 * $2)) +repage -format '%[fx:maxima]' info:)
  awk -v m="$m" 'BEGIN { exit !(m > 0.3) }'
}
click() { xdotool mousemove --window "$W" "$1" "$2" click 1; sleep 0.15; }

openbox --sm-disable >/dev/null 2>&1 &
wm_pid=$!
sleep 0.5

start_game() {
  "$game/quelbrin" >>"$work/game.out" 2>&1 &
  game_pid=$!
  W=$(wait_main_window "$game_pid") || fail "no game window"
  # Painted: the main menu's New Game button is where the menu draws it.
  poll 20 cell_shown menu_newgame palm 60 142 || fail "no main menu after start"
}

# The game ends through its close query; its exit status must be 0.
wait_game_exit() {
  poll 30 not_running "$game_pid" || fail "the game did not end"
  local status=0
  wait "$game_pid" || status=$?
  game_pid=""
  [ "$status" = 0 ] || fail "the game ended with status $status"
}

# The count of characters a save holds, from the runner's summary.
sim_field() { # file field
  "$game/quelbrin-sim" --load "$1" --days 0 --quiet | sed -n "s/.*\"$2\":\([0-9-]*\).*/\1/p"
}
check_save_size() { # file
  local p c size
  p=$(sim_field "$1" properties) c=$(sim_field "$1" characters)
  [ -n "$p" ] && [ -n "$c" ] || fail "$(basename "$1") does not load in quelbrin-sim"
  size=$(stat -c %s "$1")
  [ "$size" = $((8102 + 25328 * p + 152 * c)) ] ||
    fail "$(basename "$1") is $size bytes for $p properties and $c characters"
  echo "$p"
}

menu() { click 708 428; poll 10 cell_shown menu_newgame palm 60 142 || fail "no main menu"; }

# --- Start, New Game at Normal, the first building.
start_game
snap 01-main-menu
menu_shot="$(last_shot)"

# New Game again until a candidate fits an open position of the first building
# (the candidates are drawn at random).
fitting=-1
for attempt in 1 2 3 4 5 6; do
  click 621 207
  poll 10 cell_shown difficulty_normal palm 60 100 || fail "no difficulty page"
  click 621 166
  poll 10 cell_shown buy palm 140 28 || fail "no building catalogue after New Game"
  [ "$attempt" = 1 ] && snap 02-catalogue
  catalogue_shot="$(last_shot)"
  click 688 96
  # The ledger opens on the floor plan.
  poll 10 region_differs "$catalogue_shot" "$PLAN_FLOOR" || fail "the plan page did not open"
  snap 03-bought
  bought_shot="$(last_shot)"
  # The clock runs: the date in the status strip moves on.
  poll 10 region_differs "$bought_shot" "$STATUS_DATE" || fail "the clock does not run"
  click 597 428 # pause, so nothing but our commands changes the screen
  click 250 543 # Candidates
  sleep 0.3
  snap candidates
  fitting=$(fitting_candidate "$(last_shot)")
  [ "$fitting" -ge 0 ] && break
  menu
done
[ "$fitting" -ge 0 ] || fail "no candidate fits an open position in six new games"

# --- Hire: the candidate's page has Hire; after it their icon sits on the floor plan.
click $((104 + 42 * fitting)) 502
poll 10 cell_shown hire palm 140 132 || fail "the candidate's page has no Hire button"
snap 04-candidate
crop "$(last_shot)" 22x21+$((84 + 42 * fitting + 6))+486 "$work/face.png"
before_hire="$(last_shot)"
click 689 200
poll 10 region_differs "$before_hire" "$PLAN_FLOOR" || fail "the plan did not change after Hire"
snap 05-hired
face_at=$(find_in_region "$(last_shot)" "$work/face.png" "$PLAN_FLOOR") ||
  fail "the worker's icon is not on the floor plan"
crop "$before_hire" "22x21+${face_at/ /+}" "$work/empty-slot.png"
! similar "$work/empty-slot.png" "$work/face.png" || fail "the icon was on the plan before the hire"

# --- Supplies and a campaign from the contacts; paused, only the order moves the cash.
click 150 543 # Contacts
click 226 502 # the general supplier
poll 10 cell_shown order palm 150 277 || fail "the supplier's page has no order button"
snap_probe
before=$LAST_SHOT
click 694 340
poll 10 region_differs "$before" "$STATUS_CASH" || fail "ordering supplies did not change the cash"
snap 06-supplies
click 142 502 # the advertising agent
poll 10 cell_shown order palm 150 274 || fail "the advertising agent's page has no order button"
snap_probe
before=$LAST_SHOT
click 694 337
poll 10 region_differs "$before" "$STATUS_CASH" || fail "the campaign did not change the cash"
snap 07-campaign
! cell_shown order palm 150 274 || fail "the first campaign row still offers an order"

# --- The admission fee on the report's Manage page.
click 538 70 # back to the report
poll 10 cell_shown manage_tab palm 131 28 || fail "no report page"
click 684 94
poll 10 cell_shown fee_set palm 65 137 || fail "the Manage page has no fee buttons"
click 609 200 # $10
poll 10 cell_shown fee_set palm 65 120 || fail "the fee did not change"
cell_shown fee_set palm 65 137 && fail "the \$10 row still offers Set"
snap 08-fee

# --- Days at fast speed: the report fills and the cash moves.
click 538 70
poll 10 cell_shown manage_tab palm 131 28 || fail "no report page"
snap_probe
before=$LAST_SHOT
click 665 428
poll 30 region_differs "$before" "$STATUS_CASH" || fail "the cash did not change at fast speed"
sleep 3
click 597 428
snap 09-days
region_differs "$bought_shot" "$PALM_REPORT" || fail "the report page did not fill"

# --- Rename through the input window.
click 100 502 # the estate agent
rename_at=""
for _ in $(seq 25); do
  snap_probe
  rename_at=$(find_cell_in rename "$LAST_SHOT" 524 256 70 130) && break
  sleep 0.2
done
[ -n "$rename_at" ] || fail "the estate agent's page has no Rename button"
read -r rx ry <<<"$rename_at"
before_rename="$(last_shot)"
click $((rx + 30)) $((ry + 10))
M=$(poll_window '^Message$' 10) || fail "no input window"
xdotool windowfocus "$M" 2>/dev/null || true
xdotool key --clearmodifiers End $(printf 'BackSpace %.0s' $(seq 40))
xdotool type --delay 20 "Lantern Hall"
snap_window "$M" 10-rename-input >/dev/null
xdotool key Return
poll 10 window_gone "$M" || fail "the input window stayed open"
click 538 70
poll 10 cell_shown manage_tab palm 131 28 || fail "no report page after the rename"
snap 11-renamed
region_differs "$bought_shot" "$PALM_TITLE" || fail "the report title did not change with the name"

# --- Save to a named file through the dialog.
menu
click 621 258
D=$(poll_window '^Save Game$' 10) || fail "no Save Game dialog"
xdotool windowfocus "$D" 2>/dev/null || true
xdotool type --delay 20 "evening"
snap_window "$D" 12-save-dialog >/dev/null
xdotool key Return
poll 10 test -f "$save/evening.sav" || fail "save/evening.sav was not written"
poll 10 window_gone "$D" || fail "the save dialog stayed open"
[ "$(check_save_size "$save/evening.sav")" = 1 ] || fail "evening.sav holds no building"
grep -q "Lantern Hall" "$save/evening.sav" || fail "the new name is not in evening.sav"
cp "$save/evening.sav" "$work/evening.copy"
click 538 70
poll 10 cell_shown manage_tab palm 131 28 || fail "no report page after saving"
snap 12-saved-report
saved_shot=$LAST_SHOT

# --- Bad input: a damaged save chosen in Load Game gives the game's stop box,
# and the running game stays as it was.
head -c 6000 /dev/zero | tr '\0' 'Q' >"$save/damaged.sav"
touch -d '-1 minute' "$save/evening.sav"
menu
click 621 233
D=$(poll_window '^Load Game$' 10) || fail "no Load Game dialog"
snap_window "$D" 13-load-list >/dev/null
row_has_text "$(last_shot)" 0 && row_has_text "$(last_shot)" 1 || fail "the list does not show both saves"
xdotool mousemove --window "$D" 100 54 click 1 # damaged.sav, the newest
sleep 0.3
xdotool mousemove --window "$D" 140 276 click 1 # OK
B=$(poll_system_box 15) || fail "no message for the damaged save"
snap_window root 14-damaged-message >/dev/null
dismiss_system_box "$B" || fail "the message box did not close"
click 538 70
poll 10 cell_shown manage_tab palm 131 28 || fail "no report page after the damaged load"
poll 10 regions_same "$saved_shot" "$PLAN_FLOOR" || fail "the damaged load changed the floor plan"
regions_same "$(last_shot)" "$saved_shot" "$PALM_TITLE" || fail "the damaged load changed the name"
regions_same "$(last_shot)" "$saved_shot" "$STATUS_CASH" || fail "the damaged load changed the cash"
rm "$save/damaged.sav"

# --- Another new game: the ledger closes again.
menu
click 621 207
poll 10 cell_shown difficulty_normal palm 60 100 || fail "no difficulty page"
click 621 166
poll 10 cell_shown buy palm 140 28 || fail "no catalogue in the second new game"
regions_same "$(last_shot)" "$catalogue_shot" "$PLAN_FLOOR" || fail "the second game shows a floor plan"
snap 15-second-game

# --- Load the named file: the building, the worker and the name are back.
menu
click 621 233
D=$(poll_window '^Load Game$' 10) || fail "no Load Game dialog"
row_has_text "$(snap_window "$D" load-list)" 0 || fail "the list does not show evening.sav"
xdotool mousemove --window "$D" 100 54 click 1
sleep 0.3
xdotool mousemove --window "$D" 140 276 click 1
poll 10 window_gone "$D" || fail "the load dialog stayed open"
# The load runs once the dialog is gone: let it finish before the next press (once, on a
# loaded machine, the report page did not come).
sleep 1
click 538 70
poll 10 cell_shown manage_tab palm 131 28 || fail "no report page after loading"
poll 10 regions_same "$saved_shot" "$PLAN_FLOOR" || fail "the floor plan with the worker is not back"
regions_same "$(last_shot)" "$saved_shot" "$PALM_TITLE" || fail "the name is not back"
regions_same "$(last_shot)" "$saved_shot" "$STATUS_CASH" || fail "the cash is not the saved one"
snap 16-loaded
loaded_shot="$(last_shot)"

# --- Bad input: a `save` that is a file; Save Game says so and nothing is lost.
mv "$save" "$game/save.aside"
echo "not a folder" >"$save"
menu
click 621 258
D=$(poll_window '^Save Game$' 10) || fail "no Save Game dialog"
xdotool windowfocus "$D" 2>/dev/null || true
xdotool type --delay 20 "second"
xdotool key Return
M=$(poll_window '^Message$' 10) || fail "no message when the save folder is a file"
snap_window root 17-save-folder-is-file >/dev/null
xdotool windowfocus "$M" 2>/dev/null || true
xdotool key Return
poll 10 window_gone "$M" || fail "the message stayed open"
xdotool windowfocus "$D" 2>/dev/null || true
xdotool key Escape
poll 10 window_gone "$D" || fail "the save dialog stayed open after Escape"
[ "$(cat "$save")" = "not a folder" ] || fail "the file named save was changed"
cmp -s "$game/save.aside/evening.sav" "$work/evening.copy" || fail "evening.sav was changed"
click 538 70
poll 10 regions_same "$loaded_shot" "$PLAN_FLOOR" || fail "the game changed after the failed save"
rm "$save"
mv "$game/save.aside" "$save"

# --- Close by the close icon: the autosave holds the loaded game.
click 770 8
wait_game_exit
[ -f "$save/autosave.sav" ] || fail "no autosave after closing"
[ "$(check_save_size "$save/autosave.sav")" = 1 ] || fail "the autosave holds no building"
grep -q "Lantern Hall" "$save/autosave.sav" || fail "the new name is not in the autosave"

# --- Start again and Continue: the report with the saved cash.
start_game
cell_shown menu_continue palm 60 117 || fail "Continue is not offered after a close"
click 621 183
poll 10 cell_shown manage_tab palm 131 28 || fail "Continue did not show the report"
snap 18-continued
regions_same "$(last_shot)" "$saved_shot" "$STATUS_CASH" || fail "Continue shows another cash"
regions_same "$(last_shot)" "$saved_shot" "$PALM_TITLE" || fail "Continue shows another name"
click 770 8
wait_game_exit
echo "play test passed: screenshots in $shots"
