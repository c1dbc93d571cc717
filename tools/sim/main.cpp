// quelbrin-sim: the real core, run headless from the folder of its executable
// with a scripted player.
#include "Options.h"
#include "SimHost.h"
#include "SimRun.h"

#include "model/Game.h"
#include "sim/Startup.h"
#include "sim/Stats.h"

#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    SimRun run;
    std::string error;
    std::vector<std::string> args(argv + 1, argv + argc);
    if (!ParseSimOptions(args, run.Options, error)) {
        std::fprintf(stderr, "quelbrin-sim: %s\n%s\n", error.c_str(), SimUsage);
        return 2;
    }
    const SimOptions& o = run.Options;
    if (o.Help) {
        std::printf("%s\n", SimUsage);
        return 0;
    }
    if (!o.LoadFile.empty() && (o.StartDay || o.Difficulty)) {
        std::fprintf(stderr,
                     "quelbrin-sim: --date and --difficulty set up a new game; a loaded "
                     "game keeps its own\n%s\n",
                     SimUsage);
        return 2;
    }

    InstallSimHost();
    run.Seed = o.Seed ? *o.Seed : static_cast<uint32_t>(std::time(nullptr));
    GameStartup(run.Seed);

    if (o.Catalogue) {
        PrintCatalogue();
        GameShutdown();
        return 0;
    }

    int rc = 0;
    if (!o.LoadFile.empty()) {
        if (!SimLoadGame(o.LoadFile)) {
            GameShutdown();
            return 1;
        }
    } else {
        // Never NewGame itself: that deletes the player's autosave.
        GameState.Difficulty = static_cast<uint8_t>(o.Difficulty.value_or(0));
        NewGameOnDay(o.StartDay ? *o.StartDay : LocalDayNumber());
    }

    ResetGameStats();
    RunDays(run);

    if (!o.SaveFile.empty() && !SimSaveGame(o.SaveFile)) rc = 1;
    std::printf("%s\n", SummaryLine(run).c_str());
    std::fflush(stdout);
    GameShutdown();
    return rc;
}
