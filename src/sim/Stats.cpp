#include "sim/Stats.h"

GameStatistics GameStats;

void ResetGameStats() {
    GameStats = GameStatistics();
}
