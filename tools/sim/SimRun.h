// One run of quelbrin-sim: its options, the seed it used and what it counted.
#pragma once

#include "Options.h"

#include <cstdint>
#include <string>

// What the run itself keeps; what happened in the game is counted by the core
// (sim/Stats.h).
struct SimCounters {
    int32_t DaysRun = 0;
    int64_t MinCash = 0;
};

class SessionRecorder;
struct Recording;

struct SimRun {
    SimOptions Options;
    SessionRecorder* Recorder = nullptr; // hears every hour tick when set
    uint32_t Seed = 0;
    SimCounters Counters;
};

// Plays Options.Days game days: 24 hour ticks each through the game's clock, the bot
// once a day, and a day line unless quiet. Keeps Counters up to date.
void RunDays(SimRun& run);

// Plays a recording from its start to its end: day lines as RunDays prints them,
// Counters kept. False with "line N: reason" when it cannot be played.
bool ReplayRecording(SimRun& run, const Recording& recording, std::string& error);

// The game's own load and save routines; false (with the reason printed) on failure.
bool SimLoadGame(const std::string& path);
bool SimSaveGame(const std::string& path);

// "day <n> <mmmm dd> cash <c> properties <p> groups <g> characters <k>", dated by
// a time of the day that was played (after its update the clock already shows the next).
std::string DayLine(int32_t n, double dayTime);
// "summary {json}" with the keys seed, days, difficulty, cash, min_cash, worth,
// properties, groups, characters, raids, seizures, fights, events, bought, hired, retired.
std::string SummaryLine(const SimRun& run);
// Cash plus the owned buildings' values minus every debt.
int64_t Worth();
int64_t GroupsPresent();

// One line per building description: id, value, capacity and name, tab-separated.
void PrintCatalogue();
