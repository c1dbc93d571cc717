#!/usr/bin/env bash
# A minute of the random player on the build's game (the sanitizer build's under
# build-asan): no crash, no hang, quiet sanitizers, and every save it leaves
# loads. Its inputs are a function of the seed alone: two dry runs of one seed
# agree, another seed differs, and the inputs the live run sent are the dry
# run's. QLB_RANDOM_SEED picks another seed, QLB_RANDOM_SECONDS another length.
set -euo pipefail
build=$(cd "$1" && pwd) source=$2
player="$source/tools/random-player/random_player.sh"
seed=${QLB_RANDOM_SEED:-20261210}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

bash "$player" --dry-run --seed "$seed" --presses 3000 >"$work/a.txt"
bash "$player" --dry-run --seed "$seed" --presses 3000 >"$work/b.txt"
bash "$player" --dry-run --seed $((seed + 1)) --presses 3000 >"$work/c.txt"
cmp -s "$work/a.txt" "$work/b.txt" || fail "one seed gave two input sequences"
! cmp -s <(tail -n +2 "$work/a.txt") <(tail -n +2 "$work/c.txt") || fail "two seeds gave one sequence"
# Every kind of input comes up.
for kind in spot click drag button key text close; do
  grep -q "^[0-9]* $kind" "$work/a.txt" || fail "no '$kind' input in 3000"
done

status=0
bash "$player" --game "$build" --seed "$seed" --presses 3000 --seconds "${QLB_RANDOM_SECONDS:-60}" \
  --log "$work/log" || status=$?
[ "$status" = 0 ] || fail "the random player failed (seed $seed)"
sent=$(wc -l <"$work/log/inputs.txt")
[ "$sent" -ge 100 ] || fail "only $sent inputs were sent"
cmp -s "$work/log/inputs.txt" <(tail -n +2 "$work/a.txt" | head -n "$sent") ||
  fail "the live run's inputs are not the dry run's"
echo "random player test passed: seed $seed, $sent inputs"
