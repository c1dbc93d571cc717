#!/usr/bin/env bash
# The platform demo under X with openbox as window manager: clicks and keys sent
# with xdotool come back as printed events, a modal window takes the keys and
# the text typed into its edit box while the clock keeps ticking, a screenshot
# shows the painted page, and SIGTERM ends the program through its close query.
set -euo pipefail
build=$1 source=$2
# A display of its own: clicks at screen positions must not land on the windows
# of tests running beside this one.
if [ -z "${QLB_OWN_DISPLAY:-}" ]; then
  QLB_OWN_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
work="$(mktemp -d)"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; echo "--- demo output:" >&2; cat "$work/out" >&2 || true; exit 1; }
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
mkdir -p "$HOME"

openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
sleep 1

cursor_args=()
if [ -f "$build/Cursors/crmain.cur" ]; then cursor_args=(--cursor "$build/Cursors/crmain.cur"); fi
"$build/quelbrin-platform-demo" --exit-after 60000 "${cursor_args[@]}" >"$work/out" 2>"$work/err" &
demo=$!
pids+=($demo)

# wait_for PATTERN: until a line of the demo's output matches (10 s at most).
wait_for() {
  for _ in $(seq 100); do
    if grep -qE "$1" "$work/out"; then return 0; fi
    sleep 0.1
  done
  fail "no line matching '$1'"
}

wait_for '^ready '
read -r _ x y w h _ sw sh < <(grep '^ready ' "$work/out")
[ "$w" = 480 ] && [ "$h" = 300 ] || fail "window size $w x $h"
[ "$sw" = 1280 ] && [ "$sh" = 1024 ] || fail "screen size $sw x $sh"
# Centred on the screen at first show.
[ "$x" = 400 ] && [ "$y" = 362 ] || fail "window at $x,$y, not centred"
if [ ${#cursor_args[@]} -gt 0 ]; then wait_for '^cursor 1$'; fi
sleep 0.5

xdotool mousemove $((x + 30)) $((y + 200)) click 1
wait_for '^down 0 8 30 200$'
wait_for '^up 0 30 200$'

xdotool mousemove $((x + 100)) $((y + 250)) click 3
wait_for '^down 1 16 100 250$'

# A screenshot of the painted window: page colour, the picture and its stripes.
/usr/bin/import -window root "$work/shot.png"
pixel() { /usr/bin/convert "$work/shot.png" -format "%[pixel:p{$1,$2}]" info:; }
page=$(pixel $((x + 300)) $((y + 200)))
case "$page" in *208,168,97*) ;; *) fail "page pixel is $page" ;; esac
stripe=$(pixel $((x + 361)) $((y + 41)))
case "$stripe" in *179,102,64*) ;; *) fail "picture pixel is $stripe" ;; esac
ink=$(/usr/bin/convert "$work/shot.png" -crop "200x40+$((x + 10))+$((y + 40))" +repage \
  -fill white -opaque "rgb(208,168,97)" -format '%[fx:mean<0.999?1:0]' info:)
[ "$ink" = 1 ] || fail "no text in the wrapped column"
if [ -n "${QLB_SHOT:-}" ]; then cp "$work/shot.png" "$QLB_SHOT"; fi

# The modal window: clicks on the main window do not reach it, typed text goes
# into the edit box, Enter closes it with OK; the clock ticked meanwhile.
xdotool key m
wait_for '^modal open$'
sleep 0.3
xdotool mousemove $((x + 20)) $((y + 20)) click 1
xdotool type --delay 50 "Bar"
sleep 0.5
xdotool key Return
wait_for "^modal result 1 text 'Bar' ticks [1-9]"
grep -q '^down 0 8 20 20$' "$work/out" && fail "the main window took a click during the modal window"

# SIGTERM goes through the close query and the program ends normally.
kill -TERM "$demo"
wait_for '^closequery$'
wait_for '^exit ticks [1-9]'
status=0
wait "$demo" || status=$?
[ "$status" = 0 ] || fail "exit status $status"
echo "platform window test passed"
