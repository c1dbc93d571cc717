#!/usr/bin/env bash
# Two greedy runs of 400 days from the same seed and date give the same bytes, and
# the bot really plays: it buys, hires and the days run. Runs a copy of quelbrin-sim
# in a temporary program folder with the fixture catalogue.
source "$(dirname "$0")/common.bash" "$1"
"$build/qlb_fixture_buildings" "$game" || fail "could not write the fixture buildings"

args=(--seed 7 --date 2026-03-01 --days 400 --bot greedy)
"$game/quelbrin-sim" "${args[@]}" >"$work/first" 2>&1 || fail "first run exit $?"
"$game/quelbrin-sim" "${args[@]}" >"$work/second" 2>&1 || fail "second run exit $?"
cmp -s "$work/first" "$work/second" || fail "two runs differ: $(diff "$work/first" "$work/second" | head -5)"

[ "$(grep -c '^day ' "$work/first")" -eq 400 ] || fail "not 400 day lines"
summary="$(grep '^summary ' "$work/first")" || fail "no summary line"
num() { sed -n "s/.*\"$1\":\(-\?[0-9]*\).*/\1/p" <<<"$summary"; }
[ "$(num days)" -eq 400 ] || fail "days: $summary"
[ "$(num bought)" -ge 1 ] || fail "the bot bought nothing: $summary"
[ "$(num hired)" -ge 1 ] || fail "the bot hired nobody: $summary"
[ "$(num min_cash)" -ge 0 ] || fail "cash went negative: $summary"

# Another seed plays another game.
"$game/quelbrin-sim" --seed 8 --date 2026-03-01 --days 400 --bot greedy >"$work/third" 2>&1 ||
    fail "third run exit $?"
! cmp -s "$work/first" "$work/third" || fail "seeds 7 and 8 gave the same game"
echo "ok: $summary"
