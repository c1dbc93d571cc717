// Draws from the pools of first names and default bar names.
#include "sim/Names.h"

#include "model/Game.h"
#include "model/GameInfo.h"
#include "model/Tables.h"
#include "sim/Random.h"

namespace {

std::string Draw(std::span<const char* const> pool) {
    return pool[static_cast<std::size_t>(RandomInt() % static_cast<int32_t>(pool.size()))];
}

} // namespace

std::string RandomFirstName(bool male) {
    return Draw(FirstNamePool(male));
}

std::string DefaultBarName() {
    // The first building carries the game's own name.
    if (GameState.PropertyCount() == 0) return GameName;
    return Draw(BarNamePool());
}
