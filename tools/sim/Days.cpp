// The days of a run.
#include "GreedyBot.h"
#include "SimRun.h"

#include "model/Game.h"
#include "persist/Recording.h"
#include "sim/Clock.h"

#include <algorithm>
#include <cstdio>

namespace {

// The scripted player's turn, once at the start of every game day.
void BotTurn(SimBot bot) {
    switch (bot) {
    case SimBot::None:
        break;
    case SimBot::Greedy:
        GreedyBotDay();
        break;
    }
}

} // namespace

void RunDays(SimRun& run) {
    SimCounters& c = run.Counters;
    c.MinCash = GameState.Cash;
    c.DaysRun = 0;
    for (int32_t n = 1; n <= run.Options.Days; ++n) {
        BotTurn(run.Options.Bot);
        const double dayTime = GameState.GameTime;
        // Real hour ticks: the daily update runs inside the 24th.
        for (int hour = 0; hour < 24; ++hour) {
            if (run.Recorder) run.Recorder->BeforeTick();
            HourTick();
            if (run.Recorder) run.Recorder->AfterTick();
        }
        c.DaysRun = n;
        c.MinCash = std::min<int64_t>(c.MinCash, GameState.Cash);
        if (!run.Options.Quiet) std::printf("%s\n", DayLine(n, dayTime).c_str());
    }
    std::fflush(stdout);
}
