// Playing a recording: its start, then its ticks, requests and noted fields in order.
#include "SimRun.h"

#include "model/Game.h"
#include "model/GameHost.h"
#include "persist/Recording.h"
#include "persist/SaveFormat.h"
#include "sim/Clock.h"
#include "sim/Requests.h"
#include "sim/Startup.h"
#include "sim/Stats.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// The events start on the fourth line, one to a line.
constexpr int FirstEventLine = 4;

std::string AtLine(std::size_t event, const std::string& why) {
    return "line " + std::to_string(FirstEventLine + event) + ": " + why;
}

bool Start(const Recording& rec, std::string& error) {
    if (!rec.Loaded) {
        GameState.Difficulty = static_cast<uint8_t>(rec.Difficulty);
        NewGameOnDay(rec.StartDay);
        return true;
    }
    LoadedGame loaded;
    if (!DecodeGame(rec.LoadedBytes, loaded)) {
        error = "line 3: the loaded game is not a valid game file";
        return false;
    }
    ApplyLoadedGame(std::move(loaded));
    return true;
}

} // namespace

bool ReplayRecording(SimRun& run, const Recording& rec, std::string& error) {
    if (!Start(rec, error)) return false;
    ResetGameStats();
    SimCounters& c = run.Counters;
    c.MinCash = GameState.Cash;
    c.DaysRun = 0;
    int64_t ticks = 0;
    double dayTime = GameState.GameTime;
    for (std::size_t i = 0; i < rec.Events.size(); ++i) {
        const RecordingEvent& e = rec.Events[i];
        switch (e.What) {
        case RecordingEvent::Type::State:
            ApplyRecordedState(e.State);
            break;
        case RecordingEvent::Type::Ticks:
            for (int64_t k = 0; k < e.Ticks; ++k) {
                if (ticks % 24 == 0) dayTime = GameState.GameTime;
                HourTick();
                // A day line for every 24 hours played, as a run of days prints them.
                if (++ticks % 24 == 0) {
                    ++c.DaysRun;
                    c.MinCash = std::min<int64_t>(c.MinCash, GameState.Cash);
                    if (!run.Options.Quiet)
                        std::printf("%s\n", DayLine(c.DaysRun, dayTime).c_str());
                }
            }
            break;
        case RecordingEvent::Type::Request: {
            const double hour = GameState.GameTime * 24;
            if (std::fabs(hour - e.Hour) > 1e-6) {
                char buf[128];
                std::snprintf(buf, sizeof buf,
                              "the request ran at hour %.6f, the replay is at %.6f", e.Hour, hour);
                error = AtLine(i, buf);
                return false;
            }
            const std::string problem = RequestProblem(e.Request);
            if (!problem.empty()) {
                error = AtLine(i, std::string("cannot perform ") + RequestKindName(e.Request.Kind) +
                                      ": " + problem);
                return false;
            }
            const ActionResult r = Perform(e.Request);
            if (r.Prompt == PromptKind::Message) ShowMessageBox(r.Text, r.Caption);
            break;
        }
        }
    }
    std::fflush(stdout);
    return true;
}
