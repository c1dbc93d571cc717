#!/usr/bin/env bash
# A recording of the greedy bot's run replays to the same day lines, summary and
# saved bytes, from a new game and from a loaded one; a damaged recording, one of
# another version, or one that names a building the catalogue lacks stops with
# its line named and exit 1.
source "$(dirname "$0")/common.bash" "$1"
"$build/qlb_fixture_buildings" "$game" || fail "could not write the fixture buildings"
cd "$work"

"$sim" --seed 7 --date 2026-03-01 --days 400 --bot greedy --record rec.qlbr --save played.qlb \
    >played.out 2>&1 || fail "recorded run exit $?"
head -1 rec.qlbr | grep -qx 'quelbrin-recording 1' || fail "no version line: $(head -1 rec.qlbr)"
grep -q '^request .* buy ' rec.qlbr || fail "no purchase recorded"
"$sim" --replay rec.qlbr --save replayed.qlb >replayed.out 2>&1 || fail "replay exit $?: $(tail -3 replayed.out)"
cmp -s played.out replayed.out || fail "the replay prints otherwise: $(diff played.out replayed.out | head -5)"
cmp -s played.qlb replayed.qlb || fail "the replay saves other bytes"
[ "$(grep -c '^day ' replayed.out)" -eq 400 ] || fail "not 400 day lines in the replay"

# From a loaded game: the recording carries the file, and the replay needs nothing else.
cp played.qlb start.qlb
"$sim" --seed 9 --load start.qlb --days 30 --bot greedy --record loaded.qlbr --save a.qlb \
    >a.out 2>&1 || fail "loaded run exit $?"
rm start.qlb
"$sim" --replay loaded.qlbr --save b.qlb >b.out 2>&1 || fail "loaded replay exit $?: $(tail -3 b.out)"
cmp -s a.out b.out || fail "the loaded replay prints otherwise: $(diff a.out b.out | head -5)"
cmp -s a.qlb b.qlb || fail "the loaded replay saves other bytes"

# expect_refused FILE MESSAGE: exit 1, and the message on stderr.
expect_refused() {
    local rc=0
    "$sim" --replay "$1" >refused.out 2>refused.err || rc=$?
    [ "$rc" -eq 1 ] || fail "$1: exit $rc, not 1"
    grep -qF -- "$2" refused.err || fail "$1: expected '$2', got: $(cat refused.err)"
}
lines=$(wc -l <rec.qlbr)
head -c $(($(wc -c <rec.qlbr) - 3)) rec.qlbr >truncated.qlbr
expect_refused truncated.qlbr "truncated.qlbr: line $lines: the recording is truncated"
sed '1s/.*/quelbrin-recording 2/' rec.qlbr >version.qlbr
expect_refused version.qlbr "line 1: a recording of version 2; this game plays version 1"
bad=$(grep -n '^ticks ' rec.qlbr | sed -n 3p | cut -d: -f1)
sed "${bad}s/.*/ticks many/" rec.qlbr >badline.qlbr
expect_refused badline.qlbr "badline.qlbr: line $bad: expected 'ticks <count>'"
buy=$(grep -n '^request .* buy ' rec.qlbr | head -1 | cut -d: -f1)
awk -v n="$buy" 'NR == n { $7 = 9999 } { print }' rec.qlbr >nobuilding.qlbr
expect_refused nobuilding.qlbr "line $buy: cannot perform buy: building 9999 is not in the catalogue"
expect_refused missing.qlbr "cannot open missing.qlbr"

rc=0
"$sim" --replay rec.qlbr --bot greedy >/dev/null 2>&1 || rc=$?
[ "$rc" -eq 2 ] || fail "--replay with --bot: exit $rc, not 2"
echo "ok: $(grep '^summary ' replayed.out)"
