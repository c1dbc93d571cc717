#!/usr/bin/env bash
# Greedy games of 400 days at every difficulty end with the summary and the save
# bytes in sim_reference.txt: a faster day must still be the same day. Runs a copy
# of quelbrin-sim in a temporary program folder with the fixture catalogue.
# After a deliberate change to the rules, write the file anew with
#   bash sim_reference_saves.sh BUILD_DIR SOURCE_DIR --write
source "$(dirname "$0")/common.bash" "$1"
reference="$(dirname "$0")/sim_reference.txt"
"$build/qlb_fixture_buildings" "$game" || fail "could not write the fixture buildings"

# One line a game: seed, difficulty, SHA-256 of the save, the summary line.
play() {
    local seed="$1" difficulty="$2"
    "$sim" --seed "$seed" --date 2026-03-01 --days 400 --difficulty "$difficulty" --bot greedy \
        --quiet --save "$work/game.sav" </dev/null >"$work/game.out" 2>&1 ||
        fail "seed $seed difficulty $difficulty: exit $?"
    local summary
    summary="$(grep '^summary ' "$work/game.out")" || fail "seed $seed difficulty $difficulty: no summary"
    echo "$seed $difficulty $(sha256sum <"$work/game.sav" | cut -d' ' -f1) $summary"
}

if [ "${3:-}" = "--write" ]; then
    {
        echo "# seed difficulty sha256-of-save summary; written by sim_reference_saves.sh --write"
        for seed in 7 8; do
            for difficulty in 0 1 2 3; do play "$seed" "$difficulty"; done
        done
    } >"$reference"
    echo "sim_reference_saves: wrote $reference"
    exit 0
fi

games=0
while read -r expected; do
    [ "${expected:0:1}" = "#" ] && continue
    read -r seed difficulty _ <<<"$expected"
    got="$(play "$seed" "$difficulty")"
    [ "$got" = "$expected" ] || fail "seed $seed difficulty $difficulty:\n  expected $expected\n  got      $got"
    games=$((games + 1))
done <"$reference"
[ "$games" -eq 8 ] || fail "the reference holds $games games, not 8"
echo "sim_reference_saves: $games games as recorded"
