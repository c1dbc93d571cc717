#!/usr/bin/env bash
# The catalogue and the rules together give a game that rewards a sensible player
# and gets harder with the difficulty (the greedy bot over 20 seeds x 120 days).
set -euo pipefail
build=$1 source=$2
python3 "$source/tools/balance.py" "$build" --seeds 20 --days 120
