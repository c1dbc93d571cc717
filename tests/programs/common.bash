# Shared by the program tests: a temporary program folder with its own HOME, so a
# test never touches build/save, build/debug.txt or the player's settings.
# After `source common.bash BUILD_DIR`: $work (removed on exit), $game (the program
# folder, holding a copy of quelbrin-sim), $sim, and fail MESSAGE.
set -euo pipefail
build="$1"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
mkdir -p "$HOME" "$XDG_CONFIG_HOME"

fail() { echo -e "FAIL: $*" >&2; exit 1; }

game="$work/game"
mkdir -p "$game"
cp "$build/quelbrin-sim" "$game/"
sim="$game/quelbrin-sim"
