#!/usr/bin/env bash
# quelbrin-sim's --save and --load go through the game's own routines: a saved run
# loads again to the same bytes, and a failed load or save exits 1 with the
# game's message. Runs a copy in a temporary program folder.
source "$(dirname "$0")/common.bash" "$1"
if [ -d "$build/Buildings" ]; then
    cp -r "$build/Buildings" "$game/"
else
    # A build without content: one plain building, label 9047, id 4, capacity 20,
    # value 12000, so that the greedy player has something to buy.
    mkdir -p "$game/Buildings"
    python3 - "$game/Buildings/4.dat" <<'PY'
import struct, sys
rec = bytearray(1068)
struct.pack_into("<ii", rec, 0, 9047, 4)
struct.pack_into("<i", rec, 412, 20)
struct.pack_into("<i", rec, 420, 12000)
rec[936:945] = b"Test Hall"
open(sys.argv[1], "wb").write(rec)
PY
fi

"$sim" --seed 5 --date 2026-12-07 --difficulty 3 --days 8 --bot greedy --quiet \
    --save "$work/a.sav" >"$work/a.out" || fail "save run exit $?"
summary_a="$(grep '^summary ' "$work/a.out")" || fail "no summary"
characters="$(sed 's/.*"characters":\([0-9]*\).*/\1/' <<<"$summary_a")"
properties="$(sed 's/.*"properties":\([0-9]*\).*/\1/' <<<"$summary_a")"
[ "$properties" -gt 0 ] || fail "the greedy player bought nothing: $summary_a"
size=$(stat -c %s "$work/a.sav")
[ "$size" -eq $((8102 + 25328 * properties + 152 * characters)) ] ||
    fail "a.sav has $size bytes for $properties properties and $characters characters"

# Loaded and saved again without playing: the same bytes and the same game.
"$sim" --seed 9 --days 0 --quiet --load "$work/a.sav" --save "$work/b.sav" >"$work/b.out" ||
    fail "load run exit $?"
cmp -s "$work/a.sav" "$work/b.sav" || fail "save, load, save changed the file"
grep -q '"difficulty":3,' "$work/b.out" || fail "loaded difficulty: $(cat "$work/b.out")"
cash_a="$(sed 's/.*"cash":\(-\?[0-9]*\).*/\1/' <<<"$summary_a")"
grep -q "\"cash\":$cash_a," "$work/b.out" || fail "loaded cash: $(cat "$work/b.out")"

# A loaded game plays on, the same way each time.
"$sim" --seed 4 --days 3 --bot greedy --load "$work/a.sav" >"$work/p1.out" || fail "play on exit $?"
"$sim" --seed 4 --days 3 --bot greedy --load "$work/a.sav" >"$work/p2.out" || fail "play on exit $?"
cmp -s "$work/p1.out" "$work/p2.out" || fail "two runs from one file differ"
grep -q '"days":3,' "$work/p1.out" || fail "loaded game did not play: $(cat "$work/p1.out")"

# A file that is no saved game: exit 1, the game's message, no summary.
head -c 100 "$work/a.sav" >"$work/cut.sav"
rc=0
"$sim" --load "$work/cut.sav" >"$work/c.out" 2>&1 || rc=$?
[ "$rc" -eq 1 ] || fail "cut file gave exit $rc"
grep -qx "message: Quelbrin: $work/cut.sav is not a valid game file, or saved with an old version of the game." \
    "$work/c.out" || fail "cut file message: $(cat "$work/c.out")"

rc=0
"$sim" --load "$work/none.sav" >"$work/d.out" 2>&1 || rc=$?
[ "$rc" -eq 1 ] || fail "missing file gave exit $rc"
grep -qx "message: Quelbrin: $work/none.sav does not exist." "$work/d.out" ||
    fail "missing file message: $(cat "$work/d.out")"

# A save that cannot be made: exit 1, the message, the old file kept.
printf 'x' >"$work/plain"
rc=0
"$sim" --seed 1 --days 0 --save "$work/plain/x.sav" >"$work/e.out" 2>&1 || rc=$?
[ "$rc" -eq 1 ] || fail "unsaveable path gave exit $rc"
grep -qx "message: Quelbrin: Cannot save game to $work/plain/x.sav." "$work/e.out" ||
    fail "unsaveable path message: $(cat "$work/e.out")"
[ "$(cat "$work/plain")" = "x" ] || fail "the file in the way changed"
[ ! -e "$game/save" ] || fail "a run created a save folder"
echo "sim_saves: ok"
