#!/usr/bin/env bash
# quelbrin-sim playing days: one line per game day dated by the day played, across
# a year's end, the quiet switch, and repeatable output. Runs a copy in a temporary
# program folder.
source "$(dirname "$0")/common.bash" "$1"

out="$("$sim" --seed 5 --date 2026-12-30 --days 4 --difficulty 1)" || fail "exit $?"
days="$(grep '^day ' <<<"$out")"
expected="day 1 December 30 cash 50000 properties 0 groups 0 characters K
day 2 December 31 cash 50000 properties 0 groups 0 characters K
day 3 January 01 cash 50000 properties 0 groups 0 characters K
day 4 January 02 cash 50000 properties 0 groups 0 characters K"
[ "$(sed 's/characters [0-9]*$/characters K/' <<<"$days")" = "$expected" ] ||
    fail "day lines were:\n$days"
[ "$(grep -c . <<<"$out")" -eq 5 ] || fail "expected 4 day lines and a summary:\n$out"
tail -n 1 <<<"$out" | grep -q '^summary {"seed":5,"days":4,"difficulty":1,"cash":50000,"min_cash":50000,' ||
    fail "summary: $(tail -n 1 <<<"$out")"

# Quiet: the summary alone, with the same figures.
quiet="$("$sim" --seed 5 --date 2026-12-30 --days 4 --difficulty 1 --quiet)"
[ "$quiet" = "$(tail -n 1 <<<"$out")" ] || fail "quiet run printed:\n$quiet"

# The same seed gives the same bytes over a longer run.
a="$("$sim" --seed 11 --date 2027-02-27 --days 40)"
b="$("$sim" --seed 11 --date 2027-02-27 --days 40)"
[ "$a" = "$b" ] || fail "two runs differ"
[ "$(grep -c '^day ' <<<"$a")" -eq 40 ] || fail "not 40 day lines"
grep -qx 'day 3 March 01 .*' <<<"$a" || fail "February 2027 has 28 days: $(sed -n 3p <<<"$a")"
echo "sim_days: ok"
