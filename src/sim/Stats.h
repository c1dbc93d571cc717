// Counters of what happened in a game: the headless runner's summary and the
// soak test read them. Not saved with a game.
#pragma once

#include <cstdint>

struct GameStatistics {
    int32_t Raids = 0;    // police raids
    int32_t Seizures = 0; // properties taken by the police or the bank
    int32_t Fights = 0;
    int32_t Events = 0; // random events that took effect
    int32_t Bought = 0;
    int32_t Sold = 0;
    int32_t Hired = 0;
    int32_t Fired = 0;
    int32_t Retired = 0;
    int32_t Borrowed = 0;
    int32_t Repaid = 0;
};

extern GameStatistics GameStats;

void ResetGameStats();
