#!/usr/bin/env bash
# The core's floors: src/model includes nothing of src/sim or src/persist, and no
# part of the core (model, sim, persist) includes SDL, the platform layer, the UI
# or the sound player. Prints every offending line.
set -euo pipefail
src="$2/src"

fail() { echo -e "FAIL: $*" >&2; exit 1; }

# An include of one of the named folders, quoted or angled, with or without ../ in front.
include_of() { echo "^[[:space:]]*#[[:space:]]*include[[:space:]]*[<\"](\.\./)*($1)"; }
upward="$(include_of 'sim/|persist/')"
platform="$(include_of 'SDL|platform/|ui/|sound/')"

# The patterns themselves must catch the forms they are meant for.
for line in '#include "sim/Random.h"' '#  include <persist/DebugLog.h>' '#include "../sim/Format.h"'; do
    grep -qE "$upward" <<<"$line" || fail "the upward pattern misses: $line"
done
for line in '#include <SDL2/SDL.h>' '#include "SDL_ttf.h"' '#include "platform/Canvas.h"' \
    '#include "ui/Palmscreen.h"' '#include <sound/Playsound.h>'; do
    grep -qE "$platform" <<<"$line" || fail "the platform pattern misses: $line"
done
grep -qE "$upward" <<<'#include "model/Game.h"' && fail "the upward pattern catches model/"

[[ -d "$src/model" && -d "$src/sim" && -d "$src/persist" ]] || fail "no core folders under $src"

bad="$(grep -rnE --include='*.h' --include='*.cpp' "$upward" "$src/model" || true)"
[[ -z "$bad" ]] || fail "src/model includes from above it:\n$bad"

bad="$(grep -rnE --include='*.h' --include='*.cpp' "$platform" "$src/model" "$src/sim" "$src/persist" || true)"
[[ -z "$bad" ]] || fail "the core includes platform, UI or sound headers:\n$bad"

echo "core layers: model stands alone; no platform include in the core"
