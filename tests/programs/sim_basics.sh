#!/usr/bin/env bash
# quelbrin-sim as a checker runs it: the catalogue, bad arguments, repeatable runs,
# and the player's autosave left alone. Runs a copy in a temporary program folder.
source "$(dirname "$0")/common.bash" "$1"

# Writes a little-endian int32 at a byte offset of a file.
put32() {
    local file="$1" offset="$2" v="$3"
    (( v < 0 )) && v=$(( v + 4294967296 ))
    printf "$(printf '\\%03o\\%03o\\%03o\\%03o' $((v & 255)) $(((v >> 8) & 255)) \
        $(((v >> 16) & 255)) $(((v >> 24) & 255)))" |
        dd of="$file" bs=1 seek="$offset" conv=notrunc status=none
}
# A building file: the label 9047, then the record with id, capacity, value and name.
building() {
    local file="$1" id="$2" value="$3" capacity="$4" name="$5"
    head -c 1068 /dev/zero >"$file"
    put32 "$file" 0 9047
    put32 "$file" 4 "$id"
    put32 "$file" 412 "$capacity"
    put32 "$file" 420 "$value"
    printf '%s' "$name" | dd of="$file" bs=1 seek=936 conv=notrunc status=none
}

mkdir -p "$game/Buildings" "$game/save"
building "$game/Buildings/10.dat" 10 120000 40 "The Velvet Room"
building "$game/Buildings/2.dat" 2 45000 12 "Corner Bar"
building "$game/Buildings/7.dat" 7 80000 25 "Harbour Grill & Pub"
head -c 1068 /dev/zero >"$game/Buildings/broken.dat"
printf 'the player owns this' >"$game/save/autosave.sav"

# The catalogue, in id order; the broken file is reported and skipped.
out="$("$sim" --catalogue 2>"$work/err")" || fail "--catalogue exit $?"
expected="$(printf '2\t45000\t12\tCorner Bar\n7\t80000\t25\tHarbour Grill & Pub\n10\t120000\t40\tThe Velvet Room')"
[ "$out" = "$expected" ] || fail "catalogue was:\n$out"
grep -qx "error: File label of $game/Buildings/broken.dat is invalid." "$work/err" ||
    fail "broken building not reported: $(cat "$work/err")"

# An empty program folder has an empty catalogue.
empty="$work/empty"
mkdir -p "$empty"
cp "$build/quelbrin-sim" "$empty/"
out="$("$empty/quelbrin-sim" --catalogue)" || fail "empty catalogue exit $?"
[ -z "$out" ] || fail "empty catalogue printed: $out"

# Bad arguments: exit 2, a usage line on standard error, nothing on standard output.
bad_args=(
    "--seed" "--seed -1" "--seed abc" "--seed 4294967296" "--days -3" "--days 1x"
    "--difficulty 4" "--bot lazy" "--date 2026-13-01" "--date 2026-02-29" "--date 26-12-07"
    "--frobnicate" "extra" "--load x.sav --date 2026-12-07" "--load x.sav --difficulty 1"
)
for args in "${bad_args[@]}"; do
    rc=0
    # shellcheck disable=SC2086
    "$sim" $args >"$work/out" 2>"$work/err" || rc=$?
    [ "$rc" -eq 2 ] || fail "'$args' gave exit $rc"
    [ ! -s "$work/out" ] || fail "'$args' printed on standard output"
    grep -q '^usage: quelbrin-sim ' "$work/err" || fail "'$args' printed no usage line"
done

# The same seed and arguments give the same bytes.
run() { "$sim" "$@" >"$work/run.out" 2>&1; cat "$work/run.out"; }
first="$(run --seed 7 --date 2026-12-07 --days 3 --difficulty 3)"
second="$(run --seed 7 --date 2026-12-07 --days 3 --difficulty 3)"
[ "$first" = "$second" ] || fail "two runs differ:\n$first\n---\n$second"
summary="$(grep '^summary ' <<<"$first")" || fail "no summary line: $first"
for key in seed days difficulty cash min_cash worth properties groups characters raids \
    seizures fights events bought hired retired; do
    grep -q "\"$key\":-\?[0-9]" <<<"$summary" || fail "summary lacks $key: $summary"
done
grep -q '"seed":7,' <<<"$summary" || fail "seed: $summary"
grep -q '"difficulty":3,' <<<"$summary" || fail "difficulty: $summary"
grep -q '"properties":0,' <<<"$summary" || fail "properties: $summary"
# Before any day is played the cash is the starting cash.
"$sim" --seed 1 --days 0 2>/dev/null | grep -q '"cash":80000,' || fail "difficulty 0 cash"

# Both banner lines in the program folder's log.
grep -q '^\*\*\* Quelbrin v\.1\.0\.2\.0 has started on .* \*\*\*$' "$game/debug.txt" || fail "banner"
grep -q '^\*\*\* Quitting the game\.\.\. \*\*\*$' "$game/debug.txt" || fail "quit line"

# A failed load exits 1.
rc=0
"$sim" --load "$work/missing.sav" >/dev/null 2>&1 || rc=$?
[ "$rc" -eq 1 ] || fail "missing load file gave exit $rc"

# The player's autosave is untouched by all of this.
[ "$(cat "$game/save/autosave.sav")" = "the player owns this" ] || fail "autosave changed"
"$empty/quelbrin-sim" --seed 2 --days 1 >/dev/null || fail "plain run in an empty folder"
[ ! -e "$empty/save" ] || fail "a run created a save folder"

"$sim" --help | grep -q '^usage: quelbrin-sim ' || fail "--help"
echo "sim_basics: ok"
