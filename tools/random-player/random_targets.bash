# Where the random player's inputs land: the window on top and its known places.
# Needs game_windows.bash, MAIN (the main window) and xdotool.
# Command output is read through here-strings, not process substitution: two long
# runs hung with bash waiting for a child that no longer existed, one of them while
# applying an input, which read its points through process substitution.

# Sets TOP (window id), TOP_KIND (main, message, dialog, box), TOP_W, TOP_H and
# the main window's WIN_X, WIN_Y, WIN_W, WIN_H, from one listing of the windows:
# the stop box first, then the newest of the game's own windows above the main one.
find_top_window() {
  local line id geometry kind best=0 w h x y main_hex
  printf -v main_hex '0x%x' "$MAIN"
  WIN_X=0 WIN_Y=0 WIN_W=780 WIN_H=560
  TOP=$MAIN TOP_KIND=main TOP_W=780 TOP_H=560
  while read -r line; do
    id=${line%% *}
    case "$line" in
    *'"Quelbrin": ()'*) kind=box ;;
    *'"Message": ("quelbrin"'*) kind=message ;;
    *'"Load Game": ("quelbrin"'* | *'"Save Game": ("quelbrin"'*) kind=dialog ;;
    *'"Quelbrin": ("quelbrin"'*) kind=main ;;
    *) continue ;;
    esac
    geometry=${line##*)}
    read -r geometry x <<<"$geometry"
    w=${geometry%%x*} h=${geometry#*x} h=${h%%[+-]*}
    [[ "$x" =~ ^\+?(-?[0-9]+)\+?(-?[0-9]+)$ ]] || continue
    x=${BASH_REMATCH[1]} y=${BASH_REMATCH[2]}
    if [ "$id" = "$main_hex" ]; then
      WIN_X=$x WIN_Y=$y WIN_W=$w WIN_H=$h
      continue
    fi
    [ "$kind" = main ] && continue
    # The box wins over the game's windows; among those the newest id wins.
    local rank=$((id))
    [ "$kind" = box ] && rank=$((rank + (1 << 40)))
    if [ "$rank" -gt "$best" ]; then
      best=$rank TOP=$id TOP_KIND=$kind TOP_W=$w TOP_H=$h
    fi
  done <<<"$(xwininfo -root -tree 2>/dev/null | grep -E '"(Quelbrin|Message|Load Game|Save Game)": ')"
  if [ "$TOP_KIND" = main ]; then TOP_W=$WIN_W TOP_H=$WIN_H; fi
}

# The known places of the top window, "x y" each, in its own coordinates.
spots() {
  case $TOP_KIND in
  main)
    local ox=$(((WIN_W - 780) / 2)) oy=$(((WIN_H - 560) / 2)) p i
    # The ways into a game come first: spot numbers favour the first places.
    p=(621 208 621 166 688 96 621 183 250 543 104 502 689 200 621 258 621 233 150 543
      146 502 188 502 230 502 694 337 694 340 684 94 609 200 559 315 538 70 665 428
      597 428 631 428 708 428 621 158 621 141 621 191 621 216 561 229 626 229 558 94
      621 94 689 144 609 183 609 217 609 234 609 251 694 354 694 371 694 388 694 357
      559 358 559 290 559 372 728 66 728 376 728 130 728 250 52 505 723 505 350 543)
    for i in 0 1 2 3 4 5 6 7 8 9 10 11 12 13; do p+=($((104 + 42 * i)) 502); done
    for i in 0 1 2 3 4 5; do p+=(35 $((76 + 56 * i))); done
    for ((i = 0; i < ${#p[@]}; i += 2)); do echo "$((p[i] + ox)) $((p[i + 1] + oy))"; done
    # The full-screen icon; the minimise icon is left alone (openbox keeps it down).
    echo "$((WIN_W - 26)) 8"
    ;;
  message)
    if [ "$TOP_H" -ge 250 ]; then
      printf '%s\n' "$((TOP_W - 52)) 260" "350 186" "350 202"
    elif [ "$TOP_H" -ge 160 ]; then
      printf '%s\n' "112 150" "189 150" "150 118"
    else
      printf '%s\n' "112 110" "150 110" "189 110"
    fi
    ;;
  dialog)
    local i
    for i in 0 1 2 3 4 5 6 7 8 9 10; do echo "100 $((54 + 16 * i))"; done
    printf '%s\n' "140 276" "219 276" "336 53" "336 215" "336 90" "336 180" "200 244"
    ;;
  box)
    printf '%s\n' "$((TOP_W / 2)) $((TOP_H - 40))" "$((TOP_W / 2)) $((TOP_H - 30))"
    ;;
  esac
}

# Thousandths of the top window to a point of it; never the main window's minimise icon.
point() { # fx fy
  local x=$(($1 * TOP_W / 1000)) y=$(($2 * TOP_H / 1000))
  if [ "$TOP_KIND" = main ] && [ "$x" -ge $((WIN_W - 51)) ] && [ "$x" -lt $((WIN_W - 34)) ] &&
    [ "$y" -lt 19 ]; then
    x=$((x - 60))
  fi
  echo "$x $y"
}

# Performs INPUT on the top window and prints what it did.
apply_input() {
  local a=($INPUT) x y x2 y2 n list
  case ${a[0]} in
  spot)
    mapfile -t list <<<"$(spots)"
    n=${#list[@]}
    # Skewed towards the first places: a[1] is 0..999.
    read -r x y <<<"${list[a[1] * a[1] * n / 1000000]}"
    xdotool mousemove --window "$TOP" "$x" "$y" click --delay 1 1 2>/dev/null || true
    echo "press $x,$y"
    ;;
  click)
    read -r x y <<<"$(point "${a[1]}" "${a[2]}")"
    xdotool mousemove --window "$TOP" "$x" "$y" click --delay 1 1 2>/dev/null || true
    echo "press $x,$y"
    ;;
  drag)
    read -r x y <<<"$(point "${a[1]}" "${a[2]}")"
    read -r x2 y2 <<<"$(point "${a[3]}" "${a[4]}")"
    xdotool mousemove --window "$TOP" "$x" "$y" mousedown 1 sleep 0.03 \
      mousemove --window "$TOP" $(((x + x2) / 2)) $(((y + y2) / 2)) sleep 0.03 \
      mousemove --window "$TOP" "$x2" "$y2" sleep 0.03 mouseup 1 2>/dev/null || true
    echo "drag $x,$y to $x2,$y2"
    ;;
  button)
    read -r x y <<<"$(point "${a[2]}" "${a[3]}")"
    xdotool mousemove --window "$TOP" "$x" "$y" click --delay 1 "${a[1]}" 2>/dev/null || true
    echo "button ${a[1]} at $x,$y"
    ;;
  key)
    xdotool windowfocus "$TOP" 2>/dev/null || true
    xdotool key --clearmodifiers "${a[1]}" 2>/dev/null || true
    echo "key ${a[1]}"
    ;;
  text)
    xdotool windowfocus "$TOP" 2>/dev/null || true
    xdotool type --delay 8 -- "${INPUT#text }" 2>/dev/null || true
    echo "typed"
    ;;
  close)
    xdotool mousemove --window "$MAIN" $((WIN_W - 8)) 8 click --delay 1 1 2>/dev/null || true
    echo "close icon"
    ;;
  esac
}

# A drag can carry the window off the screen, where presses cannot reach it:
# the player puts it back (as a player would drag it back).
keep_window_on_screen() { # after find_top_window
  if [ "$WIN_X" -lt -300 ] || [ "$WIN_Y" -lt -200 ] || [ "$WIN_X" -gt 980 ] || [ "$WIN_Y" -gt 800 ]; then
    xdotool windowmove "$MAIN" 250 232 2>/dev/null || true
    echo "step $step: window moved back from $WIN_X,$WIN_Y" >>"$logdir/steps.txt"
  fi
}

# Closes what is open above the main window: Return on stop boxes, Escape on the rest.
dismiss_all() {
  local i
  for i in $(seq 20); do
    find_top_window
    [ "$TOP_KIND" = main ] && return 0
    xdotool windowfocus "$TOP" 2>/dev/null || true
    if [ "$TOP_KIND" = box ]; then xdotool key Return; else xdotool key Escape; fi
    sleep 0.3
  done
  return 1
}
