#!/usr/bin/env bash
# The game installed like a desktop game. A packager's install (--prefix /usr into
# DESTDIR) gives a valid desktop file, valid AppStream metainfo and the icon in its
# four sizes; the installed game, started through its launcher from another folder
# with its program folder read-only, buys a building, closes, and leaves its autosave
# in the player's data folder. The default install goes into the installing player's
# ~/.local, where the game keeps its saves beside itself.
set -euo pipefail
build=$1
if [ -z "${QLB_OWN_DISPLAY:-}" ]; then
  QLB_OWN_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
[ -x "$build/quelbrin" ] || { echo "no quelbrin in $build"; exit 1; }
[ -f "$build/Images/appicon.bmp" ] || { echo "no content in $build"; exit 1; }

work="$(mktemp -d)"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  for f in "$work"/out*; do [ -f "$f" ] && { echo "--- $f" >&2; tail -n 20 "$f" >&2; }; done
  exit 1
}
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/data"
mkdir -p "$HOME" "$work/elsewhere"

# --- the packager's install
root="$work/root"
DESTDIR="$root" cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1 ||
  { cat "$work/install.log" >&2; fail "cmake --install --prefix /usr"; }
program="$root/usr/lib/quelbrin"
for f in quelbrin quelbrin-sim liboggwrap.so Buildings Images Cursors Sounds Music; do
  [ -e "$program/$f" ] || fail "$f is not in the program folder"
done
[ "$(readlink "$root/usr/bin/quelbrin")" = ../lib/quelbrin/quelbrin ] ||
  fail "the launcher is $(readlink "$root/usr/bin/quelbrin" || echo missing)"
desktop="$root/usr/share/applications/example.quelbrin.Quelbrin.desktop"
metainfo="$root/usr/share/metainfo/example.quelbrin.Quelbrin.metainfo.xml"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 ||
  { cat "$work/appstream.log" >&2; fail "appstreamcli validate"; }
grep -qx 'Exec=/usr/bin/quelbrin' "$desktop" || fail "Exec line: $(grep ^Exec "$desktop")"
grep -qx 'Icon=quelbrin' "$desktop" || fail "Icon line"
for n in 32 64 128 256; do
  icon="$root/usr/share/icons/hicolor/${n}x${n}/apps/quelbrin.png"
  [ -f "$icon" ] || fail "no ${n}x${n} icon"
  size=$(/usr/bin/identify -format '%m %wx%h' "$icon")
  [ "$size" = "PNG ${n}x${n}" ] || fail "the ${n}x${n} icon is $size"
done
# The manifest names the files without DESTDIR: every one lies under the prefix.
grep -vq "^/usr/" "$build/install_manifest.txt" && fail "the install went outside /usr"

# The player may not write the installed folder.
chmod -R a-w "$program"

openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
sleep 1

# play LAUNCHER OUT [COMMAND PREFIX...]: starts the game from another folder, checks
# its window, starts a game at Normal, buys the first building and closes the window.
play() {
  local launcher=$1 out=$2
  shift 2
  (cd "$work/elsewhere" && exec "$@" "$launcher") >"$out" 2>&1 &
  local pid=$!
  pids+=($pid)
  win=""
  for _ in $(seq 100); do
    win=$(xdotool search --onlyvisible --name '^Quelbrin$' 2>/dev/null | head -1 || true)
    [ -n "$win" ] && break
    sleep 0.1
  done
  [ -n "$win" ] || fail "the window did not appear"
  sleep 0.7
  eval "$(xdotool getwindowgeometry --shell "$win")"
  [ "$WIDTH" = 780 ] && [ "$HEIGHT" = 560 ] || fail "window is $WIDTH x $HEIGHT"
  [ "$X" = 250 ] && [ "$Y" = 232 ] || fail "window at $X,$Y, not centred"
  [ "$(xprop -id "$win" WM_NAME)" = 'WM_NAME(STRING) = "Quelbrin"' ] || fail "title"
  # Read whole first: grep -q leaving early would end xprop with SIGPIPE.
  local icon
  icon=$(xprop -id "$win" _NET_WM_ICON)
  grep -q 'Icon (64 x 64)' <<<"$icon" || fail "the window has no icon: ${icon:0:80}"
  for at in "621 207" "621 166" "688 96"; do
    # shellcheck disable=SC2086
    xdotool mousemove --window "$win" $at click 1
    sleep 0.5
  done
  sleep 0.5
  xdotool mousemove --window "$win" 770 8 click 1
  for _ in $(seq 100); do
    if ! kill -0 "$pid" 2>/dev/null; then
      local status=0
      wait "$pid" || status=$?
      [ "$status" = 0 ] || fail "the game ended with status $status"
      return 0
    fi
    sleep 0.1
  done
  fail "the game did not end"
}

# expect_autosave FOLDER: a game with one building in FOLDER/save/autosave.sav.
expect_autosave() {
  local save="$1/save/autosave.sav"
  [ -s "$save" ] || fail "no autosave at $save"
  local size
  size=$(stat -c %s "$save")
  (((size - 8102 - 25328) % 152 == 0 && size > 8102 + 25328)) ||
    fail "the autosave of $size bytes does not hold one building"
}

data="$XDG_DATA_HOME/quelbrin"
note="is not writable: saved games and this log are kept in $data/"
if [ "$(id -u)" = 0 ]; then
  # access(W_OK) answers yes to root in any folder, so the game rightly writes
  # beside itself; the data-folder unit test covers the rule for root.
  play "$root/usr/bin/quelbrin" "$work/out-root"
  expect_autosave "$program"
  echo "as root the read-only program folder counts as writable: the autosave is beside the game"
  [ ! -e "$data" ] || fail "root's game wrote into the data folder"
  # The rule itself, as a player who may not write there.
  player=65534
  if setpriv --reuid=$player --regid=$player --clear-groups true 2>/dev/null; then
    chmod 755 "$work"
    chown -R $player:$player "$HOME" "$work/elsewhere"
    cp "${XAUTHORITY:?}" "$work/xauth"
    chown $player "$work/xauth"
    # The sanitizer build reads its leak suppressions as that user too.
    if [[ "${LSAN_OPTIONS:-}" =~ suppressions=([^:]+) ]]; then
      cp "${BASH_REMATCH[1]}" "$work/lsan.supp"
      export LSAN_OPTIONS="${LSAN_OPTIONS/${BASH_REMATCH[1]}/$work/lsan.supp}"
    fi
    XAUTHORITY="$work/xauth" play "$root/usr/bin/quelbrin" "$work/out-player" \
      setpriv --reuid=$player --regid=$player --clear-groups
    expect_autosave "$data"
    grep -qF -- "$note" "$data/debug.txt" || fail "the banner does not name the data folder"
    echo "as user $player: the autosave went to $data/save"
  else
    echo "no unprivileged user to run the game as: the data folder is covered by the unit test"
  fi
else
  play "$root/usr/bin/quelbrin" "$work/out-player"
  expect_autosave "$data"
  grep -qF -- "$note" "$data/debug.txt" || fail "the banner does not name the data folder"
  [ ! -e "$program/save" ] || fail "a save folder in the read-only program folder"
  echo "the autosave went to $data/save"
fi

# --- the player's own install: the default prefix is the installing user's ~/.local
home2="$work/h"
mkdir -p "$home2"
args=()
if ! grep -q '^QLB_DEFAULT_INSTALL_PREFIX:INTERNAL=/' "$build/CMakeCache.txt"; then
  # Configured with a prefix of its own (or before the default was the home):
  # name the player's prefix instead.
  args=(--prefix "$home2/.local")
  echo "the build has a prefix of its own: installing with --prefix $home2/.local"
fi
HOME="$home2" cmake --install "$build" "${args[@]}" >"$work/install-home.log" 2>&1 ||
  { cat "$work/install-home.log" >&2; fail "cmake --install into the home"; }
grep -vq "^$home2/.local/" "$build/install_manifest.txt" && fail "the home install wrote outside $home2/.local"
local_program="$home2/.local/share/quelbrin"
[ -x "$local_program/quelbrin" ] || fail "no program folder in ~/.local/share/quelbrin"
[ "$(readlink "$home2/.local/bin/quelbrin")" = ../share/quelbrin/quelbrin ] || fail "home launcher"
home_desktop="$home2/.local/share/applications/example.quelbrin.Quelbrin.desktop"
desktop-file-validate "$home_desktop" || fail "desktop-file-validate (home)"
grep -qx "Exec=$home2/.local/bin/quelbrin" "$home_desktop" || fail "home Exec: $(grep ^Exec "$home_desktop")"
for n in 32 64 128 256; do
  [ -f "$home2/.local/share/icons/hicolor/${n}x${n}/apps/quelbrin.png" ] || fail "no ${n}x${n} icon in the home"
done
# Played from there, the game keeps its saves beside itself.
HOME="$home2" XDG_DATA_HOME="$home2/.local/share" play "$home2/.local/bin/quelbrin" "$work/out-home"
expect_autosave "$local_program"
echo "install: packager's and player's installs pass"
