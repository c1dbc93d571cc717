// The days of a run.
#include "SimRun.h"

#include "model/Game.h"

// The game's clock and the daily update come with the simulation; until then a run
// plays no days, and the summary says so with "days":0.
void RunDays(SimRun& run) {
    run.Counters.MinCash = GameState.Cash;
    run.Counters.DaysRun = 0;
}
